# Install as a desktop user expects: the program, its menu entry, its icon
# in the hicolor theme and its AppStream description.
install(TARGETS korubel-oyunu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS korubel_sound_module LIBRARY DESTINATION ${KORUBEL_MODULE_DIR})
install(FILES resources/desktop/${KORUBEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${KORUBEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icon/korubel-32.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${KORUBEL_APP_ID}.png)
install(FILES resources/icon/korubel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KORUBEL_APP_ID}.svg)

# A Debian package whose dependencies are worked out from the binary, so
# they name Debian's own Qt 6 runtime packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korubel-oyunu)
set(CPACK_PACKAGE_VENDOR "Korubel Oyunu")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Multiplication table game for children, in Turkish")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korubel Oyunu <korubel@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)

