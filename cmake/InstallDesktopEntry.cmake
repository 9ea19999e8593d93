# Run by `cmake --install`: the desktop entry with the installed program's
# full path, made for the prefix being installed to.
set(VELLUMY_BINDIR "${CMAKE_INSTALL_PREFIX}/${VELLUMY_BIN_DESTINATION}")
set(entry "${VELLUMY_STAGING_DIR}/${VELLUMY_APP_ID}.desktop")
configure_file("${VELLUMY_DESKTOP_SOURCE}/${VELLUMY_APP_ID}.desktop.in" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
