# `cmake --install` puts the libraries (with their soname), headers, a CMake package and a
# pkg-config file in place, so that a host application can `find_package(UiWidgets 0.2 CONFIG)`
# and link `UiWidgets::ui_widgets`, or ask `pkg-config uiwidgets`. The Qt resources (cursor
# images, camera mesh) are compiled into the platform library and register themselves at load.
# `cpack -G DEB` (see scripts/package) wraps the same files into one Debian package.
include(CMakePackageConfigHelpers)

# The headers use C++20, so whoever includes them compiles as C++20 too.
target_compile_features(uiw_platform PUBLIC cxx_std_20)
set_target_properties(uiw_platform PROPERTIES EXPORT_NAME platform)
# The widget library finds the platform library next to it, wherever the prefix is.
set_target_properties(uiw_platform ui_widgets PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS uiw_platform ui_widgets EXPORT UiWidgetsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/ui_widgets DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h" PATTERN "resources" EXCLUDE)
install(EXPORT UiWidgetsTargets NAMESPACE UiWidgets::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/UiWidgets)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/UiWidgetsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/UiWidgets)
# 0.x releases keep their API within the major version, as a host asking for 0.2 expects.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/UiWidgetsConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/UiWidgets)

# The .pc file finds its prefix from its own folder, so an unpacked or moved tree works as is.
file(RELATIVE_PATH uiw_pc_prefix_from_pcfiledir
  /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" uiw_pc_prefix_from_pcfiledir ${uiw_pc_prefix_from_pcfiledir})
configure_file(${PROJECT_SOURCE_DIR}/cmake/uiwidgets.pc.in ${CMAKE_CURRENT_BINARY_DIR}/uiwidgets.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/uiwidgets.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME libuiwidgets-dev)
set(CPACK_PACKAGE_VENDOR "UiWidgets developers")
set(CPACK_PACKAGE_CONTACT "UiWidgets developers <uiwidgets@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interactive 3D widgets for Qt 6 views: libraries, headers, CMake and pkg-config files")
set(CPACK_PACKAGE_DESCRIPTION "Arrows, rings, spheres, boxes, grids and labels that a user hovers and drags in a 3D view to translate, rotate or scale a host application's objects.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# Run-time libraries come from dpkg-shlibdeps; building a host against the headers and the
# CMake package needs Qt's development files as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
