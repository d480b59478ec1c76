# Installing the program with its desktop entry, icons, AppStream data and the
# case file's MIME type.
include(GNUInstallDirs)

install(TARGETS vapentis
  RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}"
  BUNDLE DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/data/${VAPENTIS_APP_ID}.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/data/${VAPENTIS_APP_ID}.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# Debian's shared-mime-info rebuilds its database from this folder by a trigger.
install(FILES "${PROJECT_SOURCE_DIR}/data/${VAPENTIS_APP_ID}.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
install(FILES "${PROJECT_SOURCE_DIR}/resources/icon.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
  RENAME "${VAPENTIS_APP_ID}.svg")

# The 48 x 48 raster icon is rendered from the drawing at build time.
vapentis_render_picture_command(render)
set(icon_png "${CMAKE_CURRENT_BINARY_DIR}/${VAPENTIS_APP_ID}.png")
add_custom_command(OUTPUT "${icon_png}"
  COMMAND ${render} "${PROJECT_SOURCE_DIR}/resources/icon.svg" "${icon_png}" 48 48
  DEPENDS ${render} "${PROJECT_SOURCE_DIR}/resources/icon.svg"
  COMMENT "Rendering the 48 x 48 icon")
add_custom_target(vapentis_icon_png ALL DEPENDS "${icon_png}")
install(FILES "${icon_png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps")
