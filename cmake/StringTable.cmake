# Turns the string table (one "id<TAB>text" line per entry, UTF-8) into a C++
# source that the library compiles in.
function(vrlschema_string_table input output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedStringTable.cmake
    DEPENDS ${input} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedStringTable.cmake
    COMMENT "Embedding the string table")
  # The texts are copied into wide literals as UTF-8.
  set_source_files_properties(${output} PROPERTIES COMPILE_OPTIONS "-finput-charset=UTF-8")
endfunction()
