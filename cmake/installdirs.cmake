# Where things are installed. The program finds its sound module by the
# path from the program's folder to the module's, so both are set here,
# before the libraries that compile that path in.
include(GNUInstallDirs)
set(KORUBEL_APP_ID io.github.korubel.oyunu)
set(KORUBEL_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/korubel-oyunu)
file(RELATIVE_PATH KORUBEL_MODULE_DIR_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${KORUBEL_MODULE_DIR})
