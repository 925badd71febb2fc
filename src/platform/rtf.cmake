# RTF reader and writer of the rich-text document: tokenizer, control-word table, interpreter,
# writer, code pages (glibc iconv) and the document's default font. Qt GUI only, no widgets.
add_library(platform_rtf STATIC
    ${CMAKE_CURRENT_LIST_DIR}/rtf_tokenizer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_control_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_codepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf_document.cpp
)
target_link_libraries(platform_rtf PUBLIC platform_core Qt6::Gui)
set_target_properties(platform_rtf PROPERTIES AUTOMOC OFF)
