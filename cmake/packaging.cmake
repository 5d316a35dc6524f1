# Install as a desktop user expects: the program, its menu entry, its icon
# in every size of the hicolor theme, its AppStream description, and the
# credits for what it bundles.
install(TARGETS korubel-oyunu RUNTIME DESTINATION ${KORUBEL_BIN_DIR})
install(TARGETS korubel_sound_module LIBRARY DESTINATION ${KORUBEL_MODULE_DIR})
# The compiler's version note (.comment) is of no use in an installed
# binary; Debian's own packaging drops it, and so does this install.
if(CMAKE_OBJCOPY)
    foreach(binary "${KORUBEL_BIN_DIR}/$<TARGET_FILE_NAME:korubel-oyunu>"
                   "${KORUBEL_MODULE_DIR}/$<TARGET_FILE_NAME:korubel_sound_module>")
        install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${binary}\" COMMAND_ERROR_IS_FATAL ANY)")
    endforeach()
endif()
install(FILES resources/desktop/${KORUBEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${KORUBEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icon/korubel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KORUBEL_APP_ID}.png)
endforeach()
install(FILES resources/icon/korubel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KORUBEL_APP_ID}.svg)
install(FILES resources/CREDITS.md resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page and the changelog are installed compressed, as Debian
# keeps them. gzip -9n stores neither a file name nor a time, so the same
# source always gives the same bytes.
find_program(KORUBEL_GZIP gzip REQUIRED)
set(KORUBEL_GZIPPED)
foreach(doc "resources/man/korubel-oyunu.6;korubel-oyunu.6.gz" "resources/debian/changelog;changelog.gz")
    list(GET doc 0 source)
    list(GET doc 1 gz)
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/doc/${gz})
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/doc
        COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\""
                ${KORUBEL_GZIP} ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${gz}
        DEPENDS ${source}
        VERBATIM)
    list(APPEND KORUBEL_GZIPPED ${gz})
endforeach()
add_custom_target(korubel_docs ALL DEPENDS ${KORUBEL_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/korubel-oyunu.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A Debian package whose dependencies are worked out from the binary, so
# they name Debian's own Qt 6 runtime packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korubel-oyunu)
set(CPACK_PACKAGE_VENDOR "Korubel Oyunu")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/korubel/oyunu)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Multiplication table game for children, in Turkish")
set(CPACK_PACKAGE_DESCRIPTION
"Korubel Oyunu helps children aged about 7 to 10 learn the multiplication
table from 1x1 to 10x10. In its quiz a random product appears and a
five-second countdown runs; the answer, typed or given on the on-screen
keypad, counts the moment it is right and earns more points the sooner it
comes. The whole table can be shown at once, or one table a page, each page
with a joke and a few facts for children.

All the game's texts are in Turkish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korubel Oyunu <korubel@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Both packages name the source they come from, as Debian's do, so lintian
# can tell that the debug package's documentation link stays in the family.
set(CPACK_DEBIAN_PACKAGE_SOURCE korubel-oyunu)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The cues play through the PulseAudio protocol; a desktop has a server
# for it, and without one the game stays silent rather than failing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
# The program and the module are installed stripped; their debugging
# information goes to korubel-oyunu-dbgsym (a .ddeb beside the .deb), found
# by build ID, so a crash report from the package can still be read.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ddeb.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)

