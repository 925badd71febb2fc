# Line view over a rich-text document and the date and time texts of the template tokens.
add_library(platform_richtext STATIC
    rich_text_lines.cpp
    date_time_texts.cpp
)
target_link_libraries(platform_richtext PUBLIC platform_core Qt6::Gui)
