#!/usr/bin/env bash
# Runs the main job on the bundled samples.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -x "$build/src/app/quillon" ]; then
    export QUILLON_HOME=${QUILLON_HOME:-$here/samples}
    exec "$build/src/app/quillon"
fi
for f in "$here"/samples/CUT/*.CUT; do
    "$build/src/cli/quillon-cli" list "$f"
done
