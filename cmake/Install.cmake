# `cmake --install BUILD --prefix P`: the two programs in P/bin, the shipped
# data folder in P/share/vellumy (where the programs look for it when
# installed), and the desktop's entry, file types, icons and metainfo.
include(GNUInstallDirs)

set(VELLUMY_APP_ID org.vellumy.Vellumy)
set(VELLUMY_DESKTOP_SOURCE ${CMAKE_SOURCE_DIR}/assets/desktop)

install(TARGETS vellumy vellumy-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The data folder is whatever the build put beside the executables apart
# from programs, looked at when installing: every folder (Borders/, Help/ and
# any later one) and the icon libraries.
install(CODE "
  set(VELLUMY_BIN_DIR \"${CMAKE_RUNTIME_OUTPUT_DIRECTORY}\")
  set(VELLUMY_DATA_DESTINATION \"${CMAKE_INSTALL_DATADIR}/vellumy\")
  set(VELLUMY_BIN_DESTINATION \"${CMAKE_INSTALL_BINDIR}\")
  set(VELLUMY_DESKTOP_SOURCE \"${VELLUMY_DESKTOP_SOURCE}\")
  set(VELLUMY_APP_ID \"${VELLUMY_APP_ID}\")
  set(VELLUMY_STAGING_DIR \"${CMAKE_BINARY_DIR}/desktop\")
")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallDataFolder.cmake)

# The desktop entry names the installed program by its full path, so the
# menu finds it whether or not P/bin is on the PATH.
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake)

install(FILES ${VELLUMY_DESKTOP_SOURCE}/${VELLUMY_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VELLUMY_APP_ID}.xml)

configure_file(${VELLUMY_DESKTOP_SOURCE}/${VELLUMY_APP_ID}.metainfo.xml
  ${CMAKE_BINARY_DIR}/desktop/${VELLUMY_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${VELLUMY_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${VELLUMY_DESKTOP_SOURCE}/${VELLUMY_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VELLUMY_DESKTOP_SOURCE}/application-x-vellumy-calendar.svg
  ${VELLUMY_DESKTOP_SOURCE}/application-x-vellumy-style.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(DIRECTORY ${VELLUMY_DESKTOP_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
