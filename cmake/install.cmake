# Install as a desktop user expects: the program, its menu entry, its icon
# in every size of the hicolor theme, its AppStream description, its manual
# page, and the credits and licences of what it bundles. The Debian package
# (debian/) takes whatever this installs.
include(GNUInstallDirs)
set(KORUBEL_APP_ID io.github.korubel.oyunu)
# A game: the program goes to games/ beside bin/, where Debian keeps games.
install(TARGETS korubel-oyunu RUNTIME DESTINATION games)
install(FILES resources/desktop/${KORUBEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${KORUBEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icon/korubel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KORUBEL_APP_ID}.png)
endforeach()
install(FILES resources/icon/korubel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KORUBEL_APP_ID}.svg)
# The licences are in Debian's machine-readable copyright file; it and the
# changelog are installed for every user, not only from the package.
install(FILES resources/CREDITS.md debian/copyright debian/changelog DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The manual page is installed as it is; a distribution's packaging
# compresses it.
install(FILES resources/man/korubel-oyunu.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
