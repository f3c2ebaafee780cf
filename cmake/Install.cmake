# What `cmake --install` puts under the prefix: on Linux the program, its
# desktop entry, its icon in the hicolor theme at every drawn size, and its
# AppStream metadata; on Windows the program and its README side by side, as a
# player unpacks them into the game's folder (the icon is in the program),
# the README under a name of the tool's so that it never replaces the game's.
if(WIN32)
  install(TARGETS qvconfig RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME qvconfig-README.md)
  # The tree has no licence file yet; one added at the top goes in with it.
  foreach(licence IN ITEMS LICENSE LICENSE.md LICENSE.txt COPYING)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${licence})
      install(FILES ${PROJECT_SOURCE_DIR}/${licence} DESTINATION . RENAME qvconfig-${licence})
    endif()
  endforeach()
  return()
endif()

include(GNUInstallDirs)

install(TARGETS qvconfig RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(data_out ${PROJECT_BINARY_DIR}/data)
configure_file(${PROJECT_SOURCE_DIR}/data/qvconfig.desktop.in ${data_out}/${QV_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/qvconfig.metainfo.xml.in ${data_out}/${QV_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${data_out}/${QV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data_out}/${QV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# scripts/make_images.py draws data/icons/app-<size>.png; every size it draws
# is installed, so the list of sizes lives there alone.
set(icons_in ${PROJECT_SOURCE_DIR}/data/icons)
set(icons_out ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
file(GLOB app_icons CONFIGURE_DEPENDS ${icons_in}/app-*.png)
foreach(icon IN LISTS app_icons)
  string(REGEX REPLACE ".*/app-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} DESTINATION ${icons_out}/${size}x${size}/apps RENAME ${QV_APP_ID}.png)
endforeach()
install(FILES ${icons_in}/app.svg DESTINATION ${icons_out}/scalable/apps RENAME ${QV_APP_ID}.svg)
