# Install as a desktop user expects: the program, its menu entry, its icon
# in every size of the hicolor theme, its AppStream description, and the
# credits for what it bundles.
install(TARGETS korubel-oyunu RUNTIME DESTINATION ${KORUBEL_BIN_DIR})
install(TARGETS korubel_sound_module LIBRARY DESTINATION ${KORUBEL_MODULE_DIR})
install(FILES resources/desktop/${KORUBEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${KORUBEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icon/korubel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KORUBEL_APP_ID}.png)
endforeach()
install(FILES resources/icon/korubel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KORUBEL_APP_ID}.svg)
install(FILES resources/CREDITS.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

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

