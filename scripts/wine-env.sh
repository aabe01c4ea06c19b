# Sourced by the scripts that run Windows programs: "source scripts/wine-env.sh BUILD".
# Gives $wine, the command line that runs a Windows program (use it unquoted), a prefix of the
# build's own made once, and one wineserver kept for the caller's whole run: the caller ends
# it with wine_stop (in its EXIT trap). Wine runs without a display, in UTF-8 (so the
# arguments it hands to programs keep their letters), and without asking for Mono or Gecko.
export WINEPREFIX="$1/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY
# The 64-bit loader itself: Debian's wine wrapper only adds a warning about the missing
# 32-bit wine.
wine_loader=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -x "$wine_loader" ] || wine_loader=$(command -v wine64 || command -v wine)
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
# Debian's wine has no preloader, so now and then a randomly placed mapping takes the fixed
# address of the shared user data and the program never starts ("failed to map the shared
# user data", about once in 1400 starts); without address randomization that never happens.
wine="setarch -R $wine_loader"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the wine prefix $WINEPREFIX"
    timeout 300 $wine wineboot --init </dev/null >/dev/null 2>&1 || true
    # The registry files are written when the server ends, a few seconds after the last program.
    timeout 300 "$wineserver" -w || true
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not set up $WINEPREFIX" >&2; exit 1; }
fi
# The server and the services it starts keep whatever output they were given open, so they get
# none: a pipe reading a program's output would otherwise wait for them.
"$wineserver" -p </dev/null >/dev/null 2>&1
wine_stop() { "$wineserver" -k 2>/dev/null || true; }
timeout 120 $wine cmd /c exit </dev/null >/dev/null 2>&1
