#!/bin/bash
# Runs every end-to-end scenario against a built zarnres.exe under Wine (see README.md here).
#   tests/wine/run-all.sh [build-dir] [name-pattern]
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
pattern=${2:-.}
export ZW_ROOT="$root"
[ -n "${1:-}" ] && export ZW_BUILD="$1"
source "$here/lib.sh"
give_up() { echo "$1"; echo "0 passed, 1 failed"; exit 1; }
zw_setup_wine || give_up "cannot set up Wine"
build=$(cd "$ZW_BUILD" 2>/dev/null && pwd) || give_up "no build directory: $ZW_BUILD"
export ZW_BUILD="$build" ZW_OUT
if [ "$ZW_WINEARCH" = win64 ]; then
    echo "note: no 32-bit Wine here (this host runs no 32-bit x86 code, or it is not installed); the scenarios drive the 64-bit test build in ${build#$root/}"
fi
mkdir -p "$ZW_OUT/logs"
rm -f "$ZW_OUT"/*.png "$ZW_OUT"/logs/*.log

trap 'zw_stop_x' EXIT
trap 'exit 130' INT TERM
zw_start_x || give_up "cannot start Xvfb"
export DISPLAY
zw_template || give_up "cannot make the Wine template prefix"

passed=0
failed=0
skipped=0
start=$(date +%s)
for script in "$here"/scenarios/*.sh; do
    name=$(basename "$script" .sh)
    printf '%s\n' "$name" | grep -Eq -- "$pattern" || continue
    log="$ZW_OUT/logs/$name.log"
    t0=$(date +%s)
    timeout -k 5 120 bash "$script" >"$log" 2>&1
    rc=$?
    secs=$(( $(date +%s) - t0 ))
    if [ $rc -eq 0 ] && grep -q '^SKIP: ' "$log"; then
        echo "SKIP $name: $(grep '^SKIP: ' "$log" | head -n1 | sed 's/^SKIP: //')"
        skipped=$((skipped + 1))
    elif [ $rc -eq 0 ] && grep -qx PASS "$log"; then
        echo "PASS $name (${secs}s)"
        passed=$((passed + 1))
    else
        reason=$(grep '^FAIL: ' "$log" | tail -n1 | sed 's/^FAIL: //')
        if [ -z "$reason" ]; then
            case $rc in
                124|137) reason="timed out after 120 s" ;;
                *) reason="ended with code $rc without a verdict, see ${log#$root/}" ;;
            esac
        fi
        echo "FAIL $name: $reason"
        failed=$((failed + 1))
        # A scenario killed by the timeout cannot clean up after itself.
        prefix="$ZW_PREFIXES/$name"
        if [ -d "$prefix" ]; then
            WINEPREFIX="$prefix" timeout 20 wineserver -k >/dev/null 2>&1
            [ -n "${ZW_KEEP:-}" ] || rm -rf "$prefix"
        fi
    fi
done
echo "time: $(( $(date +%s) - start ))s, artifacts in ${ZW_OUT#$root/}/"
echo "$passed passed, $failed failed, $skipped skipped"
[ $failed -eq 0 ]
