#!/usr/bin/env bash
# Builds the native core with its unit tests, and the Windows exe with the test tools.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
