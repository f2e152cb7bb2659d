# Installing like a desktop program: the programs in bin, the desktop entry
# and the icon where desktops look for them, and the program's shared files
# (language modules, help file) in share/pentad. A copy started from bin
# beside that share/pentad folder is an installed copy: it keeps its data in
# the user's data folder. `cpack -G DEB` packs the same files.
include(GNUInstallDirs)

set(pentad_share_dir ${CMAKE_INSTALL_DATADIR}/pentad)

# The programs. Every program target of the project is listed here; one that
# is not built in this configuration is left out.
foreach(program Pentad pentad-cli pentad-server)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

if(TARGET Pentad)
    install(FILES ${PROJECT_SOURCE_DIR}/share/pentad.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/share/icons/pentad.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/share/icons/pentad.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()

# The shared folder exists in every installed copy, even before it holds a
# file: it is how a program knows it was installed.
install(DIRECTORY DESTINATION ${pentad_share_dir})
# Language modules ("Pentad_<lang>.lng") and help files ("Kestrel_<lang>.chm")
# are added to these global properties by the parts of the build that make
# them.
get_property(pentad_language_modules GLOBAL PROPERTY PENTAD_LANGUAGE_MODULES)
if(pentad_language_modules)
    install(FILES ${pentad_language_modules} DESTINATION ${pentad_share_dir})
endif()
get_property(pentad_help_files GLOBAL PROPERTY PENTAD_HELP_FILES)
if(pentad_help_files)
    install(FILES ${pentad_help_files} DESTINATION ${pentad_share_dir}/help)
endif()

# Debian package.
set(PENTAD_PACKAGE_CONTACT "Pentad developers <pentad@example.org>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_NAME pentad)
set(CPACK_PACKAGE_VENDOR Pentad)
set(CPACK_PACKAGE_CONTACT ${PENTAD_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Statistics analyser for the Florida PICK 5 lottery")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps the archive of draws, computes statistics over recent draws, cuts the set of all
100 000 combinations with filters, records and scores stakes and replays scenarios
over past draws. Includes the desktop program Pentad and the command-line tool pentad-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop program needs a Qt platform plugin to open its windows; the
# libraries found by dpkg-shlibdeps are added to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
