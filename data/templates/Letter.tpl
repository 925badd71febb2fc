6
1
Question
What is the recipient's full name?
0
-------
-------
-------
-------
-------
-------
-------
-------
2
Question
What is the name of the recipient's company?
0
-------
-------
-------
-------
-------
-------
-------
-------
3
Choice
Which greeting do you want to use?
3
Formal
Dear
Friendly
Hello
Warm
My dear
-------
-------
4
Question
What is the subject of the letter?
0
-------
-------
-------
-------
-------
-------
-------
-------
5
Choice
How do you want to close the letter?
4
Very formal
Yours faithfully
Formal
Yours sincerely
Friendly
Kind regards
Warm
Best wishes
6
Question
What is your name (the sender)?
0
-------
-------
-------
-------
-------
-------
-------
-------
