#!/usr/bin/env bash
# Installs what the Windows cross build needs (as root) and configures it: mingw-w64 for
# 64-bit Windows, no Qt (Debian has none for mingw), GoogleTest built from Debian's sources.
# Usage: scripts/configure-windows.sh [WINDOWS_BUILD]; CMAKE_FLAGS in the environment are added.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-windows}
QUILLON_WITH_WINDOWS=1 "$here/scripts/install-deps.sh"
# Installing builds only what is installed, so the package needs no test suite built.
cmake -S "$here" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQUILLON_GUI=OFF -DQUILLON_BENCH=OFF \
    -DQUILLON_GTEST_SOURCE=/usr/src/googletest -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    ${CMAKE_FLAGS:-} >/dev/null
