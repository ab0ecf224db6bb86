# Wild Magic 5 ships neither a CMake package nor a pkg-config file; this finds Debian's libwildmagic-dev.
find_path(WM5_INCLUDE_DIR Wm5DistLine3Ray3.h PATH_SUFFIXES libwildmagic)
find_library(WM5_CORE_LIBRARY Wm5Core)
find_library(WM5_MATHEMATICS_LIBRARY Wm5Mathematics)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Wm5 REQUIRED_VARS WM5_INCLUDE_DIR WM5_CORE_LIBRARY WM5_MATHEMATICS_LIBRARY)

if(Wm5_FOUND AND NOT TARGET Wm5::Core)
  # Imported targets put the headers on -isystem, which keeps their warnings out of our builds.
  add_library(Wm5::Core UNKNOWN IMPORTED)
  set_target_properties(Wm5::Core PROPERTIES
    IMPORTED_LOCATION "${WM5_CORE_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${WM5_INCLUDE_DIR}")
  add_library(Wm5::Mathematics UNKNOWN IMPORTED)
  set_target_properties(Wm5::Mathematics PROPERTIES
    IMPORTED_LOCATION "${WM5_MATHEMATICS_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${WM5_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES Wm5::Core)
endif()
mark_as_advanced(WM5_INCLUDE_DIR WM5_CORE_LIBRARY WM5_MATHEMATICS_LIBRARY)
