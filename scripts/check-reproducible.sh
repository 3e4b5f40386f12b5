#!/usr/bin/env bash
# Proves that a release is reproducible: clones the current commit twice, into
# folders of different names and lengths, packages each (scripts/package.sh)
# and compares the exe and the zip byte for byte. Prints both pairs of hashes.
# Uncommitted changes are not part of the check: commit first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zarnres-repro.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

echo "commit $commit"
clones=("$tmp/a" "$tmp/second clone/in a longer folder")
for dir in "${clones[@]}"; do
    mkdir -p "$(dirname "$dir")"
    git clone -q --no-checkout "$root" "$dir"
    git -C "$dir" checkout -q --detach "$commit"
    start=$(date +%s)
    if ! "$dir/scripts/package.sh" >"$dir.log" 2>&1; then
        cat "$dir.log"
        echo "FAIL: packaging failed in $dir"
        exit 1
    fi
    echo "built in $dir ($(( $(date +%s) - start )) s)"
done

zip=$(cd "${clones[0]}/build/dist" && echo zarnres-*-win32.zip)
fail=0
for file in build/win32/zarnres.exe "build/dist/$zip"; do
    a=$(sha256sum <"${clones[0]}/$file" | cut -d' ' -f1)
    b=$(sha256sum <"${clones[1]}/$file" | cut -d' ' -f1)
    echo "$a  $b  ${file##*/}"
    if [ "$a" != "$b" ]; then
        echo "FAIL: ${file##*/} differs between the two builds"
        fail=1
    fi
done
[ $fail -eq 0 ] && echo "ok: exe and zip are the same bytes in both builds"
exit $fail
