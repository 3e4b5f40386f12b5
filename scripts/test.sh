#!/usr/bin/env bash
# Runs every test: the core's unit tests natively, then the end-to-end scenarios
# against the real zarnres.exe under the host's Wine, and again under Wine 10.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1
scripts/build.sh || exit 1

status=0
echo "== unit tests (native)"
ctest --preset native || status=1
echo "== unit tests with AddressSanitizer and UndefinedBehaviorSanitizer"
{ cmake --preset native-asan >/dev/null && cmake --build --preset native-asan -j"$(nproc)" >/dev/null &&
    ctest --preset native-asan; } || status=1
echo "== fuzzing (15 s each)"; scripts/fuzz.sh 15 || status=1

echo "== packaging checks"
python3 res/make_pictures.py --check || status=1
scripts/check-exe.sh build/win32/zarnres.exe || status=1

echo "== end-to-end tests (Wine)"
# The 32-bit exe where this host runs 32-bit code, else the 64-bit test build.
tests/wine/run-all.sh || status=1

echo "== release checks"
scripts/package.sh || status=1
tests/package/check-zip.py || status=1
timeout -k 5 120 tests/wine/scenarios/release-zip-direct.sh || status=1
scripts/check-reproducible.sh || status=1

echo "== end-to-end tests under Wine 10 (Debian 13)"
# After packaging, so the release zip's direct launch runs there too; the first
# run makes the Debian 13 root (about 1.5 min), later runs reuse it.
scripts/wine10.sh || status=1
exit $status
