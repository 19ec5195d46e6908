# The allocator of the command-line tool, and of the comparison program that
# times the tool's steps. A model is hundreds of thousands of small objects
# and strings; tcmalloc's per-size free lists serve them with less work and
# better locality than the C library's allocator (whole tool at 50,000
# tables: about a third less CPU). Optimised builds only, never with the
# sanitizers (they bring their own allocator), and only where Debian's
# libtcmalloc-minimal4 is installed; otherwise the C library's allocator.
# The library itself never depends on it.
option(VRLSCHEMA_TOOL_TCMALLOC "Link the command-line tool with tcmalloc in optimised builds" ON)

function(vrlschema_link_tool_allocator target)
  if(NOT VRLSCHEMA_TOOL_TCMALLOC OR VRLSCHEMA_SANITIZE
     OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    return()
  endif()
  find_library(VRLSCHEMA_TCMALLOC_LIBRARY NAMES tcmalloc_minimal libtcmalloc_minimal.so.4)
  if(NOT VRLSCHEMA_TCMALLOC_LIBRARY)
    message(STATUS "vrlschema: libtcmalloc-minimal4 not found; ${target} allocates with the C library")
    return()
  endif()
  # Nothing calls it by name: kept in the link whatever --as-needed says.
  target_link_libraries(${target} PRIVATE "-Wl,--push-state,--no-as-needed" ${VRLSCHEMA_TCMALLOC_LIBRARY}
                                          "-Wl,--pop-state")
  # With tcmalloc's header (Debian's libgoogle-perftools-dev) its heap grows
  # from huge pages (src/platform/HugePageArena.h).
  find_path(VRLSCHEMA_TCMALLOC_INCLUDE_DIR gperftools/malloc_extension.h)
  if(VRLSCHEMA_TCMALLOC_INCLUDE_DIR)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/allocator/TcmallocHugePages.cpp)
    target_include_directories(${target} PRIVATE ${VRLSCHEMA_TCMALLOC_INCLUDE_DIR})
    message(STATUS "vrlschema: ${target} allocates with ${VRLSCHEMA_TCMALLOC_LIBRARY}, on huge pages")
  else()
    message(STATUS "vrlschema: ${target} allocates with ${VRLSCHEMA_TCMALLOC_LIBRARY}")
  endif()
endfunction()
