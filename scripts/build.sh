#!/usr/bin/env bash
# Builds the native core with its unit tests, and the Windows exe with the test tools.
# On a host that cannot run 32-bit x86 code it also builds the 64-bit test build,
# which the Wine scenarios then drive. Needs no Wine and writes only under build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
if [ "$(scripts/wine-arch.sh)" = win64 ]; then
    cmake --preset win64-test >/dev/null
    cmake --build --preset win64-test -j"$(nproc)"
fi
