# What `cmake --install` puts on a system: the program, the grown-ups' corner's module under
# lib/<multiarch triplet>/kvarnel, the demo content under share/kvarnel, the desktop entry, the icons and the AppStream
# metainfo. All of it is the install
# component "kvarnel", the only one the package takes; tests, benchmarks and the content tools
# have no install rules.
set(KV_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(KV_ICON_SVG ${KV_PACKAGING_DIR}/kvarnel-icon.svg)
set(KV_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KV_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

# The fixed-size icons, rendered from the scalable one whenever it (or the renderer) changes.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/packaging ${CMAKE_BINARY_DIR}/tools/packaging)
set(kv_icon_pngs)
string(REPLACE ";" ", " kv_icon_sizes_text "${KV_ICON_SIZES}")
foreach(size ${KV_ICON_SIZES})
  list(APPEND kv_icon_pngs ${KV_ICON_DIR}/${size}x${size}/apps/${KV_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${kv_icon_pngs}
  COMMAND kvarnel_icon_render ${KV_ICON_SVG} ${KV_ICON_DIR} ${KV_APP_ID} ${KV_ICON_SIZES}
  DEPENDS kvarnel_icon_render ${KV_ICON_SVG}
  COMMENT "Program icons (${kv_icon_sizes_text} px)"
  VERBATIM)
add_custom_target(kvarnel_icons ALL DEPENDS ${kv_icon_pngs})
# The window's own icon, for where no icon theme holds the installed one (a build tree, a portable copy).
qt_add_resources(kv_app kv_window_icon PREFIX /icons BASE ${KV_ICON_DIR}/256x256/apps
  FILES ${KV_ICON_DIR}/256x256/apps/${KV_APP_ID}.png)

configure_file(${KV_PACKAGING_DIR}/kvarnel.desktop.in
  ${CMAKE_BINARY_DIR}/packaging/${KV_APP_ID}.desktop @ONLY)
configure_file(${KV_PACKAGING_DIR}/kvarnel.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${KV_APP_ID}.metainfo.xml @ONLY)

install(TARGETS kvarnel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT kvarnel)
# The corner's module, where the program looks for it from its own folder (platform/modules/ModuleLoader.h).
# A shared library is read, not run (Debian's policy: mode 644).
install(TARGETS kvarnel_corner LIBRARY DESTINATION ${KV_INSTALL_MODULEDIR} COMPONENT kvarnel
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Sound ${CMAKE_BINARY_DIR}/Pic
  DESTINATION ${KV_INSTALL_CONTENTDIR} COMPONENT kvarnel)
install(FILES ${CMAKE_BINARY_DIR}/CONTENT-CREDITS.txt
  DESTINATION ${KV_INSTALL_CONTENTDIR} COMPONENT kvarnel)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${KV_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT kvarnel)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${KV_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT kvarnel)
install(FILES ${KV_ICON_SVG} RENAME ${KV_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT kvarnel)
foreach(size ${KV_ICON_SIZES})
  install(FILES ${KV_ICON_DIR}/${size}x${size}/apps/${KV_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT kvarnel)
endforeach()
