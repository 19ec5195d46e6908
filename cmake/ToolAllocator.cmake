# The allocator of the command-line tool, and of the comparison program that
# times the tool's steps. A model is hundreds of thousands of small objects
# and strings; mimalloc's per-size free pages serve them with less work and
# better locality than the C library's allocator, and it starts without
# touching megabytes of its own tables. Its segments are asked for on large
# OS pages (tools/allocator/MimallocHugePages.cpp). Optimised builds only,
# never with the sanitizers (they bring their own allocator), and only where
# Debian's libmimalloc-dev is installed; otherwise the C library's allocator.
# The library itself never depends on it.
option(VRLSCHEMA_TOOL_MIMALLOC "Link the command-line tool with mimalloc in optimised builds" ON)

function(vrlschema_link_tool_allocator target)
  if(NOT VRLSCHEMA_TOOL_MIMALLOC OR VRLSCHEMA_SANITIZE
     OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    return()
  endif()
  find_library(VRLSCHEMA_MIMALLOC_LIBRARY NAMES mimalloc)
  find_path(VRLSCHEMA_MIMALLOC_INCLUDE_DIR mimalloc.h)
  if(NOT VRLSCHEMA_MIMALLOC_LIBRARY OR NOT VRLSCHEMA_MIMALLOC_INCLUDE_DIR)
    message(STATUS "vrlschema: libmimalloc-dev not found; ${target} allocates with the C library")
    return()
  endif()
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/allocator/MimallocHugePages.cpp)
  target_include_directories(${target} PRIVATE ${VRLSCHEMA_MIMALLOC_INCLUDE_DIR})
  # Before the C library and the C++ runtime, so that its malloc and
  # operator new are the ones found.
  target_link_libraries(${target} PRIVATE "-Wl,--push-state,--no-as-needed" ${VRLSCHEMA_MIMALLOC_LIBRARY}
                                          "-Wl,--pop-state")
  message(STATUS "vrlschema: ${target} allocates with ${VRLSCHEMA_MIMALLOC_LIBRARY}, on large pages")
endfunction()
