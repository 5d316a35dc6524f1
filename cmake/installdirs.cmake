# Where things are installed. The program finds its sound module by the
# path from the program's folder to the module's, so both are set here,
# before the libraries that compile that path in.
include(GNUInstallDirs)
set(KORUBEL_APP_ID io.github.korubel.oyunu)
# A game: the program goes to games/ beside bin/, where Debian keeps games.
set(KORUBEL_BIN_DIR games)
# The sound module is built for one architecture and loaded by this program
# alone, so it goes to a folder of its own under the architecture's library
# folder. GNUInstallDirs picks that folder only when the prefix is /usr at
# configure time, while the package is staged for /usr from a build made
# for any prefix: the path is worked out from the architecture instead.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(KORUBEL_MODULE_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/korubel-oyunu)
else()
    set(KORUBEL_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/korubel-oyunu)
endif()
file(RELATIVE_PATH KORUBEL_MODULE_DIR_FROM_BIN /${KORUBEL_BIN_DIR} /${KORUBEL_MODULE_DIR})
