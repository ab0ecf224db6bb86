# `cmake --install` puts the libraries, headers and a CMake package in place, so that a host
# application can `find_package(UiWidgets)` and link `UiWidgets::ui_widgets`.
include(CMakePackageConfigHelpers)

install(TARGETS uiw_platform ui_widgets EXPORT UiWidgetsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/ui_widgets DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(EXPORT UiWidgetsTargets NAMESPACE UiWidgets::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/UiWidgets)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/UiWidgetsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/UiWidgets)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/UiWidgets)
