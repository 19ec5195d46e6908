# Installs the library, its headers (under include/vrlschema/), the package
# files that let another project write find_package(vrlschema 1.1 CONFIG)
# or `pkg-config --cflags --libs vrlschema`, and, when built, the tool.
include(CMakePackageConfigHelpers)

set(VRLSCHEMA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vrlschema)

install(TARGETS vrlschema EXPORT vrlschemaTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vrlschema
        FILES_MATCHING PATTERN "*.h")
install(EXPORT vrlschemaTargets NAMESPACE vrlschema:: DESTINATION ${VRLSCHEMA_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/vrlschemaConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/vrlschemaConfig.cmake
                              INSTALL_DESTINATION ${VRLSCHEMA_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vrlschemaConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vrlschemaConfig.cmake ${PROJECT_BINARY_DIR}/vrlschemaConfigVersion.cmake
        DESTINATION ${VRLSCHEMA_CMAKE_DIR})

# The .pc file finds its prefix from where it lies, so that an installed tree
# can be moved (and `cmake --install --prefix` works without reconfiguring).
file(RELATIVE_PATH VRLSCHEMA_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vrlschema.pc.in ${PROJECT_BINARY_DIR}/vrlschema.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vrlschema.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(TARGET vrlschema_tool)
  install(TARGETS vrlschema_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/vrlschema.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # Where bash-completion looks for the completion of a command on demand.
  install(FILES ${PROJECT_SOURCE_DIR}/tools/completion/vrlschema
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
