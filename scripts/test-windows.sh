#!/usr/bin/env bash
# Builds the core, the headless editor, quillon-cli and their test suites for 64-bit Windows
# with mingw-w64, runs the suites under wine, then checks that quillon-cli.exe gives the same
# bytes as the Linux quillon-cli: unpacking the game's resource file, and working on every
# sample and every cutscene file of the game, in a folder named "Übersetzung".
# Usage: scripts/test-windows.sh [WINDOWS_BUILD [LINUX_BUILD [JOBS]]]
# CMAKE_FLAGS in the environment are added to the cross build's configuration.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
build=${1:-build-windows}
linux_build=${2:-build}
jobs=${3:-$(nproc)}
case "$build" in /*) ;; *) build="$here/$build" ;; esac
case "$linux_build" in /*) ;; *) linux_build="$here/$linux_build" ;; esac

step() { printf '== %s (%ds)\n' "$1" "$SECONDS"; }

step "cross build in $build"
scripts/configure-windows.sh "$build"
cmake --build "$build" -j"$jobs"

# Debian has no Qt for mingw, so the Qt layer cannot be built here; compiling it for Windows
# against Debian's Qt headers still finds anything in it that exists only on Linux.
step "the Qt layer compiles for Windows (syntax only)"
qt_headers=/usr/include/$(gcc -print-multiarch)/qt6 # qt6-base-dev, installed for every build
ls src/ui/*.cpp src/app/*.cpp | xargs -P "$jobs" -I{} x86_64-w64-mingw32-g++-posix \
    -std=c++20 -fsyntax-only -Wall -Wextra -Werror -Wno-attributes -DWIN32_LEAN_AND_MEAN \
    -DNOMINMAX -Isrc -I"$qt_headers" -I"$qt_headers/QtCore" -I"$qt_headers/QtGui" \
    -I"$qt_headers/QtWidgets" {}

source scripts/wine-env.sh "$build"
trap wine_stop EXIT

step "test suites under wine"
ctest --test-dir "$build" --output-on-failure --timeout 300

step "quillon-cli.exe alone"
exe="$build/src/cli/quillon-cli.exe"
# Linked statically: nothing but system DLLs may be imported.
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -u | tr '\n' ' ')
echo "imports: $imports"
for dll in $imports; do
    case "${dll,,}" in
        kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | shell32.dll | ucrtbase.dll | \
            api-ms-win-*) ;;
        *) echo "quillon-cli.exe needs $dll, which a user does not have" >&2; exit 1 ;;
    esac
done
alone=$(mktemp -d)
cp "$exe" "$alone/"
(cd "$alone" && timeout 60 $wine quillon-cli.exe --help | head -1)
rm -rf "$alone"

step "the game's resource file unpacked alike"
cmake --build "$linux_build" --target quillon-cli -j"$jobs"
linux_cli="$linux_build/src/cli/quillon-cli"
game=${QUILLON_GAME:-/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c}
unpacked="$build/game"
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && "$linux_cli" unpack "$game" -o linux >linux.out 2>linux.err)
(cd "$unpacked" && timeout 300 $wine "$exe" unpack "$game" -o windows >windows.out 2>windows.err)
cmp "$unpacked/linux.out" "$unpacked/windows.out"
cmp "$unpacked/linux.err" "$unpacked/windows.err"
diff -r "$unpacked/linux" "$unpacked/windows"
cat "$unpacked/linux.out"

step "quillon-cli: Linux and Windows byte for byte"
scripts/compare-cli.sh "$linux_cli" "timeout 60 $wine $exe" "$build/compare" samples/CUT/*.CUT \
    "$unpacked"/linux/*
step "done"
