# What `make package` builds with CPack: on Linux a .deb of the editor and quillon-cli for
# Debian 12, whose dependencies dpkg-shlibdeps works out from the binaries; from the Windows
# cross build a .zip of quillon-cli.exe and the README (built with Qt on Windows, the zip
# holds the editor and its Qt DLLs too).
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR Velunor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for translating the cutscene text of Flight of the Amazon Queen")
# Lines of a Debian description stay within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quillon shows each message of a cutscene file (.CUT) of the adventure game"
    "Flight of the Amazon Queen beside an editable new one, keeps the control codes"
    "of the messages intact, tells which new messages are invalid or still blank,"
    "keeps work in progress in .TMF text files with automatic backups, and writes"
    "a new .CUT file with recomputed lengths and offsets. quillon-cli lists,"
    "exports, checks and applies translations in batch.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velunor.example/")
set(CPACK_PACKAGE_CONTACT "Velunor <quillon@velunor.example>")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    if(QUILLON_GUI)
        set(CPACK_PACKAGE_FILE_NAME quillon-${PROJECT_VERSION}-win64)
    else()
        set(CPACK_PACKAGE_FILE_NAME quillon-cli-${PROJECT_VERSION}-win64)
    endif()
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quillon_1.1_amd64.deb
    set(CPACK_DEBIAN_PACKAGE_SECTION editors)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # Every dependency is read from the binaries; Debian's libqt6gui6 holds the xcb and
    # offscreen platform plugins that Qt loads at run time, so none is listed by hand.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/formats.md
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillon)
endif()

include(CPack)
