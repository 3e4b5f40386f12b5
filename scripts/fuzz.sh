#!/usr/bin/env bash
# Builds the fuzz targets in tests/fuzz/ with libFuzzer and the address and
# undefined-behaviour sanitizers, and runs each for SECONDS (default 15).
#   scripts/fuzz.sh [SECONDS]
# Each run works on a scratch copy of its corpus under build/fuzz/, so the
# checked-in seeds stay as they are; a crashing input is left there as
# build/fuzz/<target>/crash-*. Exits non-zero on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
out=build/fuzz

command -v clang++ >/dev/null || { echo "fuzz: clang++ is not installed (scripts/setup.sh installs it)"; exit 1; }

declare -A sources=(
    [launch_command]="src/game/launch_command.cpp src/base/arguments.cpp src/base/errors.cpp src/base/shown_path.cpp src/base/wtf8.cpp"
    [wtf8]="src/base/wtf8.cpp"
)
flags=(-std=c++20 -g -O1 -Isrc -D_GLIBCXX_ASSERTIONS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

status=0
for target in launch_command wtf8; do
    dir=$out/$target
    mkdir -p "$dir"
    # shellcheck disable=SC2086
    if ! clang++ "${flags[@]}" -o "$dir/fuzzer" "tests/fuzz/${target}_fuzz.cpp" ${sources[$target]} 2>"$dir/build.log"; then
        echo "fuzz $target: build failed"
        cat "$dir/build.log"
        status=1
        continue
    fi
    rm -rf "$dir/corpus" "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-*
    cp -r "tests/fuzz/corpus/$target" "$dir/corpus"
    (cd "$dir" && ./fuzzer -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=./ \
        corpus >run.log 2>&1)
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/run.log")
    cov=$(grep -oE 'cov: [0-9]+' "$dir/run.log" | tail -n1)
    found=$(cd "$dir" && ls crash-* leak-* timeout-* oom-* 2>/dev/null | head -n1)
    if [ "$rc" -ne 0 ] || [ -n "$found" ]; then
        echo "fuzz $target: FINDING after ${runs:-?} runs (exit $rc) ${found:+input $dir/$found}; log $dir/run.log"
        grep -m3 -E 'ERROR|property failed|runtime error|Assertion' "$dir/run.log"
        status=1
    else
        echo "fuzz $target: ok, ${runs:-?} runs in $seconds s, ${cov:-cov: ?}, corpus $(ls "$dir/corpus" | wc -l) inputs"
    fi
done
exit $status
