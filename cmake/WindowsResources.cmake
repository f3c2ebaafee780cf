# The Windows program's resources, compiled with windres into it: the icon
# group, packed at build time from the same drawings the Linux desktop
# installs (data/icons/, drawn by scripts/make_images.py), the application
# manifest and the version resource, both from data/windows/ with CMake's
# project version. Everything made here stays in the build folder.
function(qv_windows_resources target)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/windows-resources)
  file(GLOB icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/icons/app-*.png)
  set(QV_ICON_FILE ${out}/qvconfig.ico)
  add_custom_command(OUTPUT ${QV_ICON_FILE}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/make_ico.py ${QV_ICON_FILE} ${icons}
    DEPENDS ${PROJECT_SOURCE_DIR}/scripts/make_ico.py ${icons} VERBATIM)

  set(QV_MANIFEST_FILE ${out}/qvconfig.manifest)
  set(QV_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  set(QV_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
  set(QV_COMPANY "Zarvex")
  set(QV_PRODUCT_NAME "Zarvex")
  set(QV_FILE_DESCRIPTION "Zarvex Configuration")
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/qvconfig.manifest.in ${QV_MANIFEST_FILE} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/qvconfig.rc.in ${out}/qvconfig.rc @ONLY)
  # windres reads the icon and the manifest through the script, which CMake
  # does not scan.
  set_source_files_properties(${out}/qvconfig.rc PROPERTIES
    OBJECT_DEPENDS "${QV_ICON_FILE};${QV_MANIFEST_FILE}")
  target_sources(${target} PRIVATE ${out}/qvconfig.rc)
endfunction()
