# Installs the libraries, their headers (under include/terralith/, keeping
# the folders, so that "core/CTools.h" resolves as in the source tree), the
# umbrella header <terralith/Terralith.h> and the CMake package, so that a
# host project does find_package(Terralith CONFIG REQUIRED) and links
# Terralith::terralith.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

get_property(terralith_targets GLOBAL PROPERTY TERRALITH_LIBRARIES)
install(TARGETS ${terralith_targets} EXPORT TerralithTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

foreach(folder platform interfaces core sql criteria queries lists fieldchooser charts root host)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/terralith
    FILES_MATCHING PATTERN "*.h" PATTERN "main" EXCLUDE)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/generated/Version.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/terralith)
install(FILES ${PROJECT_SOURCE_DIR}/include/terralith/Terralith.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/terralith)

set(terralith_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Terralith)
install(EXPORT TerralithTargets NAMESPACE Terralith:: DESTINATION ${terralith_cmake_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TerralithConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TerralithConfig.cmake INSTALL_DESTINATION ${terralith_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TerralithConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TerralithConfig.cmake ${PROJECT_BINARY_DIR}/TerralithConfigVersion.cmake
  DESTINATION ${terralith_cmake_dir})
