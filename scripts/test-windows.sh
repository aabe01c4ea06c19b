#!/usr/bin/env bash
# Builds the core, the headless editor, quillon-cli and their test suites for 64-bit Windows
# with mingw-w64, runs the suites under wine, then checks that quillon-cli.exe gives the same
# bytes as the Linux quillon-cli on every sample, in a folder named "Übersetzung".
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

QUILLON_WITH_WINDOWS=1 scripts/install-deps.sh

step() { printf '== %s (%ds)\n' "$1" "$SECONDS"; }

step "cross build in $build"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQUILLON_GUI=OFF -DQUILLON_BENCH=OFF \
    -DQUILLON_GTEST_SOURCE=/usr/src/googletest ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$build" -j"$jobs"

# The prefix lives in the build, made once; wine runs without a display, in UTF-8 (so the
# arguments it hands to the programs keep their letters), and without asking for Mono or
# Gecko. One wineserver is kept for the whole run and ended with it.
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    step "wine prefix in $WINEPREFIX"
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || true
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not set up $WINEPREFIX" >&2; exit 1; }
fi
# The server and the services it starts keep whatever output they were given open, so they get
# none: a pipe reading the test output would otherwise wait for them.
"$wineserver" -p </dev/null >/dev/null 2>&1
trap '"$wineserver" -k 2>/dev/null || true' EXIT
timeout 120 "$wine" cmd /c exit </dev/null >/dev/null 2>&1

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
(cd "$alone" && timeout 60 "$wine" quillon-cli.exe --help | head -1)
rm -rf "$alone"

step "quillon-cli: Linux and Windows byte for byte"
cmake --build "$linux_build" --target quillon-cli -j"$jobs"
scripts/compare-cli.sh "$linux_build/src/cli/quillon-cli" "timeout 60 $wine $exe" \
    "$build/compare" samples/CUT/*.CUT ${QUILLON_COMPARE_CUT:-}
step "done"
