#!/usr/bin/env bash
# Builds zarnres.exe and shows a whole direct launch under Wine with the stand-in game.
# Pass --dialog to see the setup dialog instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh >/dev/null
exec tests/wine/demo.sh "$@"
