#!/usr/bin/env bash
# Installs the .deb that `make package` made on this machine, uses quillon-cli and the editor
# from the system, removes the package and checks that nothing of it is left; then unpacks
# the Windows .zip into an empty folder and runs its quillon-cli.exe there under wine.
# Usage: scripts/test-package.sh [BUILD [WINDOWS_BUILD]]   (as root: it installs a package)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
build=${1:-build}
windows_build=${2:-build-windows}
case "$build" in /*) ;; *) build="$here/$build" ;; esac
case "$windows_build" in /*) ;; *) windows_build="$here/$windows_build" ;; esac
export DEBIAN_FRONTEND=noninteractive

fail() {
    echo "test-package: $*" >&2
    exit 1
}
installed() { [ "$(dpkg-query -W -f='${db:Status-Abbrev}' quillon 2>/dev/null)" = "ii " ]; }

[ "$(id -u)" -eq 0 ] || fail "it installs a package: run it as root"
debs=("$build"/packages/quillon_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb in $build/packages"
deb=${debs[0]}
# A quillon installed by someone else is not this test's to remove.
installed && fail "quillon is installed already; remove it first (apt-get remove quillon)"

work=$(mktemp -d)
cleanup() {
    if installed; then apt-get remove -y -qq quillon >/dev/null; fi
    if declare -F wine_stop >/dev/null; then wine_stop; fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== installing $(basename "$deb")"
apt-get install -y -qq "$deb" >/dev/null
installed || fail "the package is not installed after apt-get install"
dpkg -L quillon >"$work/files"
for f in /usr/bin/quillon /usr/bin/quillon-cli /usr/share/applications/quillon.desktop \
    /usr/share/icons/hicolor/scalable/apps/quillon.svg /usr/share/doc/quillon/README.md; do
    grep -qx "$f" "$work/files" && [ -f "$f" ] || fail "$f is missing from the package"
done
# Worked out from the binaries, not written by hand.
depends=$(dpkg-query -W -f='${Depends}' quillon)
echo "Depends: $depends"
names=$(sed -e 's/ *([^)]*)//g' -e 's/, */\n/g' <<<"$depends")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -qxF "$lib" <<<"$names" || fail "no dependency on $lib"
done
desktop-file-validate /usr/share/applications/quillon.desktop

echo "== quillon-cli from the PATH"
[ "$(command -v quillon-cli)" = /usr/bin/quillon-cli ] || fail "quillon-cli is not /usr/bin/quillon-cli"
for sample in samples/CUT/*.CUT; do
    (cd "$work" && quillon-cli list "$here/$sample" >installed.out)
    "$build/src/cli/quillon-cli" list "$sample" >"$work/built.out"
    cmp -s "$work/installed.out" "$work/built.out" || fail "quillon-cli list $sample differs"
done
echo "quillon-cli lists every sample as the built one does"

echo "== the editor from the PATH"
tests/app/ends_cleanly.sh "$(command -v quillon)" samples/CUT/C06.CUT

echo "== removing the package"
apt-get remove -y -qq quillon >/dev/null
installed && fail "quillon is still installed after apt-get remove"
left=()
while read -r f; do
    [ -e "$f" ] && [ ! -d "$f" ] && left+=("$f")
done <"$work/files"
[ -e /usr/share/doc/quillon ] && left+=(/usr/share/doc/quillon)
[ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
echo "removed: none of its $(wc -l <"$work/files") paths is left but shared folders"

echo "== the Windows zip"
zips=("$windows_build"/packages/quillon-cli-*-win64.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "expected one .zip in $windows_build/packages"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "${zips[0]}")
contents=$(cd "$work/zip" && find . -type f | sort | tr '\n' ' ')
top=$(basename "${zips[0]}" .zip)
[ "$contents" = "./$top/README.md ./$top/quillon-cli.exe " ] || fail "the zip holds $contents"
source scripts/wine-env.sh "$windows_build"
cp samples/CUT/C06.CUT "$work/zip/$top/"
(cd "$work/zip/$top" && timeout 60 $wine quillon-cli.exe list C06.CUT >"$work/zip.out")
"$build/src/cli/quillon-cli" list samples/CUT/C06.CUT >"$work/built.out"
cmp -s "$work/zip.out" "$work/built.out" || fail "the zip's quillon-cli.exe lists C06.CUT otherwise"
echo "the zip's quillon-cli.exe runs alone and lists C06.CUT as the Linux one does"
