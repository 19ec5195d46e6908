# Script mode: reads INPUT ("id<TAB>text" per line, UTF-8, '#' lines are
# comments) and writes OUTPUT, a C++ source defining the library's string
# table as a sorted array of StringResource entries.
file(STRINGS ${INPUT} lines ENCODING UTF-8)
set(body "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+)\t(.*)$")
    message(FATAL_ERROR "${INPUT}: malformed line: ${line}")
  endif()
  set(id ${CMAKE_MATCH_1})
  set(text "${CMAKE_MATCH_2}")
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
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
