# Which error codes the test suite raises, run by ctest as a fixture:
#
#   cmake -DMODE=setup -DLOG_DIR=<dir> -P DuxCodeCoverage.cmake
#       empties the log directory before the first test.
#   cmake -DMODE=check -DLOG_DIR=<dir> -DSOURCE_DIR=<repo> -DPROGRAMS=<a|b|...> -P DuxCodeCoverage.cmake
#       after the last test: compares the codes the tests saw (tests/common/
#       DuxCodeLog.h) with the raising sites of the library and fails naming
#       every site that no test reached.
#
# The required list comes from the sources, so a new raising site fails the
# check until a test raises it:
#   - every `DuxException::Throw(<code>, <file>, <line>, ...)` and
#     `ThrowMessage(...)` in src/, as the site "code:file:line": the file is
#     the stem of the raising source for __FILE__ and the line that of its
#     __LINE__, or the name and number the site passes instead. A code given
#     by a constant is resolved through its `NAME = <number>` definition.
#     Lines make every site count on its own (a code raised for a missing name
#     and for a name not found are two tests); they are read from the sources
#     the check runs on, so the test programs must be built from those.
#   - every code of the host message table (src/support/VrlHostMessages.cpp).
# A raising site whose code has no host message, a host message that no site
# raises and a site whose code cannot be resolved fail the check as well.
# 4086 is no raised code: it is the HRESULT code of CreateErrorInfo for
# foreign exceptions and the library's fallback text, checked by its tests.
#
# A subset run (`ctest -R X`, `--rerun-failed`) cannot reach every site, so
# the check enforces only when every test of every program ran, as read from
# the programs' --gtest_list_tests; otherwise it prints what it saw and
# passes.

cmake_minimum_required(VERSION 3.25)

if(MODE STREQUAL "setup")
  file(REMOVE_RECURSE "${LOG_DIR}")
  file(MAKE_DIRECTORY "${LOG_DIR}")
  return()
endif()

if(NOT MODE STREQUAL "check")
  message(FATAL_ERROR "MODE must be setup or check")
endif()

set(problems)

# --- What the library raises -------------------------------------------------
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
set(all_text)
foreach(source IN LISTS sources)
  file(READ "${source}" text)
  string(APPEND all_text "${text}\n")
endforeach()

set(ws "[ \t\r\n]*")
set(call_regex "^DuxException::Throw(Message)?\\(${ws}([A-Za-z0-9_:]+)${ws},${ws}([^,)]+),${ws}([A-Za-z0-9_]+)")
set(required_sites)
foreach(source IN LISTS sources)
  get_filename_component(stem "${source}" NAME_WE)
  if(stem STREQUAL "DuxException")
    continue() # the definitions themselves
  endif()
  file(READ "${source}" rest)
  set(line 1)
  while(TRUE)
    string(FIND "${rest}" "DuxException::Throw" pos)
    if(pos EQUAL -1)
      break()
    endif()
    string(SUBSTRING "${rest}" 0 ${pos} before)
    string(REGEX REPLACE "[^\n]" "" newlines "${before}")
    string(LENGTH "${newlines}" n)
    math(EXPR line "${line} + ${n}")
    string(SUBSTRING "${rest}" ${pos} -1 rest)
    string(SUBSTRING "${rest}" 0 400 call)
    string(SUBSTRING "${rest}" 1 -1 rest)
    if(NOT call MATCHES "${call_regex}")
      continue() # not a raising call, such as a declaration
    endif()
    set(code "${CMAKE_MATCH_2}")
    string(STRIP "${CMAKE_MATCH_3}" file_arg)
    set(line_arg "${CMAKE_MATCH_4}")
    if(NOT code MATCHES "^[0-9]+$")
      string(REGEX REPLACE "^.*::" "" constant "${code}")
      string(REGEX MATCH "[^A-Za-z0-9_]${constant}${ws}=${ws}[0-9]+" definition "${all_text}")
      if(NOT definition)
        list(APPEND problems "cannot resolve the code `${code}` raised in ${stem} line ${line}")
        continue()
      endif()
      string(REGEX REPLACE "^.*=${ws}" "" code "${definition}")
    endif()
    if(file_arg STREQUAL "__FILE__")
      set(site_file "${stem}")
    elseif(file_arg MATCHES "^L?\"([^\"]*)\"$")
      get_filename_component(site_file "${CMAKE_MATCH_1}" NAME_WE)
    else()
      list(APPEND problems "cannot tell the file of the ${code} raised in ${stem} line ${line}: ${file_arg}")
      continue()
    endif()
    if(line_arg STREQUAL "__LINE__")
      # __LINE__ is the line of that token, which a wrapped call puts lower.
      string(FIND "${call}" "__LINE__" line_pos)
      string(SUBSTRING "${call}" 0 ${line_pos} before)
      string(REGEX REPLACE "[^\n]" "" newlines "${before}")
      string(LENGTH "${newlines}" n)
      math(EXPR site_line "${line} + ${n}")
    elseif(line_arg MATCHES "^[0-9]+$")
      set(site_line "${line_arg}")
    else()
      list(APPEND problems "cannot tell the line of the ${code} raised in ${stem} line ${line}: ${line_arg}")
      continue()
    endif()
    list(APPEND required_sites "${code}:${site_file}:${site_line}")
  endwhile()
endforeach()
list(REMOVE_DUPLICATES required_sites)
list(SORT required_sites)

file(READ "${SOURCE_DIR}/src/support/VrlHostMessages.cpp" host_text)
string(REGEX MATCHALL "\\{${ws}[0-9]+${ws},${ws}L\"" host_entries "${host_text}")
set(host_codes)
foreach(entry IN LISTS host_entries)
  string(REGEX MATCH "[0-9]+" code "${entry}")
  list(APPEND host_codes "${code}")
endforeach()

set(site_codes)
foreach(site IN LISTS required_sites)
  string(REGEX REPLACE ":.*" "" code "${site}")
  list(APPEND site_codes "${code}")
endforeach()
list(REMOVE_DUPLICATES site_codes)
foreach(code IN LISTS site_codes)
  if(NOT code IN_LIST host_codes)
    list(APPEND problems "code ${code} is raised but has no host message")
  endif()
endforeach()
foreach(code IN LISTS host_codes)
  if(NOT code IN_LIST site_codes)
    list(APPEND problems "code ${code} has a host message but no raising site")
  endif()
endforeach()

# --- What the tests saw ------------------------------------------------------
file(GLOB logs "${LOG_DIR}/*.log")
set(seen_sites)
set(ran_tests)
foreach(log IN LISTS logs)
  file(STRINGS "${log}" lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^code [^ ]+ (-?[0-9]+) ([^ ]+) (-?[0-9]+)$")
      list(APPEND seen_sites "${CMAKE_MATCH_1}:${CMAKE_MATCH_2}:${CMAKE_MATCH_3}")
    elseif(line MATCHES "^ran ([^ ]+ [^ ]+)$")
      list(APPEND ran_tests "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES seen_sites)
list(SORT seen_sites)
list(REMOVE_DUPLICATES ran_tests)

# Every test of every program, from the programs themselves.
string(REPLACE "|" ";" programs "${PROGRAMS}")
set(all_tests)
foreach(program IN LISTS programs)
  get_filename_component(name "${program}" NAME_WE)
  if(NOT EXISTS "${program}")
    # Not built, so not run: a partial run, as below.
    list(APPEND all_tests "${name} (not built)")
    continue()
  endif()
  execute_process(COMMAND "${program}" --gtest_list_tests OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    list(APPEND problems "${name} --gtest_list_tests failed (${rc})")
    continue()
  endif()
  string(REPLACE "\n" ";" listing_lines "${listing}")
  set(suite)
  foreach(entry IN LISTS listing_lines)
    string(REGEX REPLACE "#.*$" "" entry "${entry}")
    if(entry MATCHES "^([^ ].*)\\.[ ]*$")
      set(suite "${CMAKE_MATCH_1}")
    elseif(entry MATCHES "^  ([^ ]+)")
      set(test "${CMAKE_MATCH_1}")
      if(NOT suite MATCHES "(^|/)DISABLED_" AND NOT test MATCHES "^DISABLED_")
        list(APPEND all_tests "${name} ${suite}.${test}")
      endif()
    endif()
  endforeach()
endforeach()

set(not_run)
foreach(test IN LISTS all_tests)
  if(NOT test IN_LIST ran_tests)
    list(APPEND not_run "${test}")
  endif()
endforeach()

set(unreached)
foreach(site IN LISTS required_sites)
  if(NOT site IN_LIST seen_sites)
    list(APPEND unreached "${site}")
  endif()
endforeach()

# --- Report ------------------------------------------------------------------
list(LENGTH required_sites n_required)
list(LENGTH site_codes n_codes)
set(seen_codes)
set(seen_library_sites)
foreach(site IN LISTS seen_sites)
  if(site IN_LIST required_sites)
    list(APPEND seen_library_sites "${site}")
    string(REGEX REPLACE ":.*" "" code "${site}")
    list(APPEND seen_codes "${code}")
  endif()
endforeach()
list(REMOVE_DUPLICATES seen_codes)
list(LENGTH seen_codes n_seen_codes)
list(LENGTH seen_library_sites n_seen_sites)
string(REPLACE ";" " " codes_text "${site_codes}")
string(REPLACE ";" " " seen_codes_text "${seen_codes}")
string(REPLACE ";" " " seen_text "${seen_library_sites}")
message("The library raises ${n_codes} codes at ${n_required} sites: ${codes_text}")
message("Codes raised by the tests (${n_seen_codes}): ${seen_codes_text}")
message("Sites reached (${n_seen_sites}): ${seen_text}")

list(LENGTH all_tests n_all)
list(LENGTH not_run n_not_run)
if(n_all EQUAL 0 OR n_not_run GREATER 0)
  math(EXPR n_ran "${n_all} - ${n_not_run}")
  message("Only ${n_ran} of ${n_all} tests ran: the coverage of error codes is not enforced.")
  foreach(site IN LISTS unreached)
    message("  not reached in this run: ${site}")
  endforeach()
  # What is wrong with the sources themselves holds for any run.
  if(problems)
    string(REPLACE ";" "\n  " problem_text "${problems}")
    message(FATAL_ERROR "Error-code coverage failed:\n  ${problem_text}")
  endif()
  return()
endif()

foreach(site IN LISTS unreached)
  list(APPEND problems "no test raises ${site}")
endforeach()
# A code seen at a line of a library file where no raising site stands now
# means the sources changed after the programs were built.
set(site_files)
foreach(site IN LISTS required_sites)
  string(REGEX REPLACE "^[^:]*:([^:]*):.*$" "\\1" site_file "${site}")
  list(APPEND site_files "${site_file}")
endforeach()
foreach(site IN LISTS seen_sites)
  string(REGEX REPLACE "^[^:]*:([^:]*):.*$" "\\1" site_file "${site}")
  if(site_file IN_LIST site_files AND NOT site IN_LIST required_sites)
    list(APPEND problems "raised at ${site}, where the sources have no raising site: rebuild the tests")
  endif()
endforeach()
if(problems)
  string(REPLACE ";" "\n  " problem_text "${problems}")
  message(FATAL_ERROR "Error-code coverage failed:\n  ${problem_text}")
endif()
message("Every raising site is reached by a test.")
