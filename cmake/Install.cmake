# Installation (cmake --install) and the Debian package (cpack -G DEB).
#
#   bin/tallyfold                the launcher (src/launcher): prepares the user's
#                                game folder and runs the game in it
#   bin/tallyfold-solve          the solver
#   libexec/tallyfold/           the game program (and the modules it loads)
#   share/tallyfold/             VEXA.HLP and data/ (boards, sounds, picture):
#                                the launcher copies them into the user's folder
#   share/applications, share/metainfo, share/icons/hicolor: the desktop entry
include(GNUInstallDirs)
set(TALLYFOLD_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tallyfold)
set(TALLYFOLD_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tallyfold)
set(TALLYFOLD_APP_ID org.tallyfold.Tallyfold)
set(TALLYFOLD_DESKTOP ${CMAKE_SOURCE_DIR}/resources/desktop)
add_subdirectory(src/launcher)

install(TARGETS tallyfold-launcher tallyfold-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tallyfold RUNTIME DESTINATION ${TALLYFOLD_INSTALL_PROGRAM_DIR})
if(TARGET tallyfold-sound)
    # Loaded from beside the program.
    install(TARGETS tallyfold-sound LIBRARY DESTINATION ${TALLYFOLD_INSTALL_PROGRAM_DIR})
endif()

# The shipped data by kind, so that a settings file left in data/ by a run from
# the source tree is not installed.
file(GLOB tf_installed_data CONFIGURE_DEPENDS
    ${TALLYFOLD_DATA}/*.P ${TALLYFOLD_DATA}/*.N ${TALLYFOLD_DATA}/*.A ${TALLYFOLD_DATA}/*.wav)
install(FILES ${tf_installed_data} ${TALLYFOLD_DATA}/vexa.bmp ${TALLYFOLD_DATA}/vexa.dat
    DESTINATION ${TALLYFOLD_INSTALL_DATA_DIR}/data)
install(FILES ${TALLYFOLD_DATA}/VEXA.HLP DESTINATION ${TALLYFOLD_INSTALL_DATA_DIR})

install(FILES ${TALLYFOLD_DESKTOP}/${TALLYFOLD_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TALLYFOLD_DESKTOP}/${TALLYFOLD_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TALLYFOLD_DESKTOP}/tallyfold.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME tallyfold)
set(CPACK_PACKAGE_VENDOR "Tallyfold developers")
set(CPACK_PACKAGE_CONTACT "Tallyfold developers <tallyfold@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic board game against the computer or a friend")
set(CPACK_PACKAGE_DESCRIPTION "Three numbers from 0 to 10 are dealt each turn. Combine them in
two chained equations to reach the number of a piece on a 5 by 7 board and
take it; pieces among taken ones score more. One player against the computer,
or two players on one machine, with per-player statistics.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link, found by dpkg-shlibdeps (from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
