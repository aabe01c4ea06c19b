# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads compiler, as in
# Qt's own MinGW kit). Programs are linked statically, so an .exe needs no DLL of the
# compiler beside it, and the tests run under wine.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLON_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${QUILLON_MINGW_PREFIX}-gcc-posix ${QUILLON_MINGW_PREFIX}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUILLON_MINGW_PREFIX}-g++-posix ${QUILLON_MINGW_PREFIX}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUILLON_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLON_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Header-only libraries of the build machine that the cross build uses as they are.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-cli11 CACHE PATH "CLI11 for the cross build")

# CTest runs the test programs through wine (the 64-bit loader directly: Debian's wine
# wrapper script only adds a warning about the missing 32-bit wine).
find_program(QUILLON_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT QUILLON_WINE)
    find_program(QUILLON_WINE NAMES wine64 wine)
endif()
# Without address randomization, which now and then makes Debian's wine (it has no
# preloader) fail to start a program: "failed to map the shared user data".
find_program(QUILLON_SETARCH setarch)
if(QUILLON_WINE AND QUILLON_SETARCH)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLON_SETARCH} -R ${QUILLON_WINE})
elseif(QUILLON_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLON_WINE})
endif()
