# Script mode: reads INPUT ("id<TAB>text" per line, UTF-8, '#' lines and empty
# lines are ignored) and writes OUTPUT, a C++ source defining the library's
# string table as an array of StringResource entries in file order.
#
# Inside a text, the sequences \n, \t and \\ stand for a newline, a tab and a
# backslash; any other backslash is an error. A raw tab after the separating
# one is kept as a tab. Other characters, non-ASCII included, are copied into
# the wide literal as UTF-8, which the compiler reads as its input charset.
#
# The file is read whole and split on newlines by hand: CMake lists would
# split texts at ';' and treat '[' ... ']' specially, so those characters are
# swapped for control characters while the lines are iterated.

file(READ ${INPUT} content ENCODING UTF-8)
string(ASCII 1 semicolon_mark)
string(ASCII 2 open_bracket_mark)
string(ASCII 3 close_bracket_mark)
string(REPLACE ";" "${semicolon_mark}" content "${content}")
string(REPLACE "[" "${open_bracket_mark}" content "${content}")
string(REPLACE "]" "${close_bracket_mark}" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(body "")
set(count 0)
set(line_no 0)
set(seen_ids ";")
foreach(line IN LISTS lines)
  math(EXPR line_no "${line_no} + 1")
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+)\t(.*)$")
    message(FATAL_ERROR "${INPUT}:${line_no}: expected \"id<TAB>text\"")
  endif()
  set(id ${CMAKE_MATCH_1})
  set(text "${CMAKE_MATCH_2}")
  if(seen_ids MATCHES ";${id};")
    message(FATAL_ERROR "${INPUT}:${line_no}: id ${id} appears twice")
  endif()
  string(APPEND seen_ids "${id};")

  string(REGEX MATCHALL "\\\\.?" escapes "${text}")
  foreach(escape IN LISTS escapes)
    if(NOT escape MATCHES "^\\\\[nt\\\\]$")
      message(FATAL_ERROR "${INPUT}:${line_no}: unknown escape '${escape}' (only \\n, \\t and \\\\)")
    endif()
  endforeach()
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  # A '?' pair could form a trigraph in older dialects; keep them apart.
  string(REPLACE "??" "?\\?" text "${text}")
  string(REPLACE "${semicolon_mark}" ";" text "${text}")
  string(REPLACE "${open_bracket_mark}" "[" text "${text}")
  string(REPLACE "${close_bracket_mark}" "]" text "${text}")
  string(APPEND body "    {${id}u, L\"${text}\"},\n")
  math(EXPR count "${count} + 1")
endforeach()

file(WRITE ${OUTPUT}.tmp
"// Generated from VrlStringTable.txt at build time; do not edit.\n"
"#include \"resources/VrlStringTable.h\"\n\n"
"namespace VrlSchemaLib {\n\n"
"static const StringResource kEntries[] = {\n${body}};\n\n"
"const StringResource* GetVrlStringTable(size_t* count)\n{\n"
"    *count = ${count};\n    return kEntries;\n}\n\n"
"} // namespace VrlSchemaLib\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
