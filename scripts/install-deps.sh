#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# As root it runs apt-get itself; otherwise it says what to install.
set -euo pipefail

# xvfb, openbox, xdotool and x11-utils run the window-stacking test under a real window
# manager. libgettextpo-dev reads and writes the gettext catalogues of "po export" and
# "po import"; gettext's own tools (msgfmt, msgcat, msgmerge) check them in the tests.
packages=(cmake make g++ python3 strace libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          qt6-base-dev libgl-dev xvfb openbox xdotool x11-utils libgettextpo-dev gettext)
if [ "${QUILLON_WITH_SCREENSHOT:-0}" = 1 ]; then
    packages+=(xvfb imagemagick x11-utils)
fi
if [ "${QUILLON_WITH_GAME:-0}" = 1 ]; then
    # make test-game: the game's engine, a screen for it, the game itself, and what plays it
    # (xdotool) and reads its command line off the screen (imagemagick)
    packages+=(scummvm xvfb flight-of-the-amazon-queen xdotool imagemagick)
fi
if [ "${QUILLON_WITH_FUZZ:-0}" = 1 ]; then
    packages+=(clang libclang-rt-dev)
fi
# The Windows cross build and its tests under wine (GoogleTest is built from its sources),
# compared with Linux on the game's own cutscene files too.
if [ "${QUILLON_WITH_WINDOWS:-0}" = 1 ]; then
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest flight-of-the-amazon-queen)
fi
# Packages: CPack's .deb works out the dependencies with dpkg-shlibdeps and file; the
# package test checks the desktop entry.
if [ "${QUILLON_WITH_PACKAGE:-0}" = 1 ]; then
    packages+=(dpkg-dev file desktop-file-utils)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
