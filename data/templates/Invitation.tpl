7
1
Question
Whom do you invite? Type the guest's name.
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
What is the occasion? For example: our summer garden party
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
Question
On which day and at what time does it take place?
0
-------
-------
-------
-------
-------
-------
-------
-------
4
Question
Where does it take place?
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
Is there a dress code?
3
Casual
Casual
Smart casual
Smart casual
Formal
Formal - evening dress, please
-------
-------
6
Choice
How should the guest reply?
4
By telephone
Please let us know by telephone whether you can come.
By e-mail
Please let us know by e-mail whether you can come.
In writing
Please reply in writing whether you can come.
No reply needed
No need to reply - just come along!
7
Question
Who sends the invitation? Type your name.
0
-------
-------
-------
-------
-------
-------
-------
-------
