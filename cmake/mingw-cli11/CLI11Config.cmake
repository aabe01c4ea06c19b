# CLI11 for the Windows cross build: Debian's header-only CLI11 (libcli11-dev), reached through
# a folder that holds only its headers. Debian's own CLI11 target would put all of
# /usr/include on the include path, whose C library headers would shadow mingw's.
set(_quillon_cli11_include ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${_quillon_cli11_include})
file(CREATE_LINK /usr/include/CLI ${_quillon_cli11_include}/CLI SYMBOLIC)
if(NOT TARGET CLI11::CLI11)
    add_library(CLI11::CLI11 INTERFACE IMPORTED)
    set_target_properties(CLI11::CLI11 PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${_quillon_cli11_include})
endif()
