# `cmake --build --preset default --target docs` writes the API reference of the installed
# headers to <build>/docs/html; any Doxygen warning that docs/api/check-warnings.cmake does not
# allow fails the build.
find_package(Doxygen)
if(DOXYGEN_FOUND)
  configure_file(${PROJECT_SOURCE_DIR}/docs/api/Doxyfile.in ${CMAKE_BINARY_DIR}/docs/Doxyfile @ONLY)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E rm -f ${CMAKE_BINARY_DIR}/docs/warnings.log
    COMMAND Doxygen::doxygen ${CMAKE_BINARY_DIR}/docs/Doxyfile
    COMMAND ${CMAKE_COMMAND} -DLOG=${CMAKE_BINARY_DIR}/docs/warnings.log
            -P ${PROJECT_SOURCE_DIR}/docs/api/check-warnings.cmake
    COMMENT "API reference in ${CMAKE_BINARY_DIR}/docs/html"
    VERBATIM)
endif()
