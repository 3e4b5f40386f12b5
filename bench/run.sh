#!/bin/bash
# Measures zarnres.exe under Wine and prints the figures:
#   - the exe's size and the DLLs it imports;
#   - the time from start to the setup dialog being shown (vs. a trivial
#     GUI program, which is Wine's own start-up cost);
#   - CPU time used while a stand-in game runs 5 s, beside a launcher that
#     busy-polls the game (spinwait.exe);
#   - start-up to the dialog as a ratio to a window that pays for visual styles
#     as zarnres.exe does (themedwindow.exe: zarnres.exe's manifest, which asks
#     for common controls 6, and one push button; under Wine that loads the
#     theme engine and the default theme) and to a bare window program without
#     a manifest (barewindow.exe), all started and timed by waitwindow.exe inside
#     the prefix, so that neither Wine's start-up of a watcher nor bash counts;
#   - the launch overhead: from start to the game's first line, zarnres.exe
#     (direct launch) as a ratio to themedlauncher.exe and barelauncher.exe,
#     which show the themed and the bare window and then start the game (the
#     least a launcher that shows its dialog first does), with spinwait.exe,
#     which starts the game at once, beside them;
#   - the private memory (Private_Clean + Private_Dirty of smaps_rollup) of the
#     Wine process of zarnres.exe, themedlauncher.exe and spinwait.exe 2 s into
#     a running game;
#   - the time from the game's end to the desktop being back in the chosen mode.
#   bench/run.sh [build-dir]       (default as for tests/wine/run-all.sh)
# CPU is read from /proc/<pid>/stat of the Wine process: under Wine,
# GetProcessTimes on another process reports the caller's own times. The
# programs compared are started in turns, so that a slow phase of the host
# weighs on all alike.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
export ZW_ROOT="$root" ZW_OUT="${ZW_OUT:-$root/build/bench}"
[ -n "${1:-}" ] && export ZW_BUILD="$1"
source "$root/tests/wine/lib.sh"
zw_setup_wine || { echo "cannot set up Wine"; exit 1; }
build=$(cd "$ZW_BUILD" 2>/dev/null && pwd) || { echo "no build directory: $ZW_BUILD (build first)"; exit 1; }
ZW_BUILD=$build

exe="$build/zarnres.exe"
[ -f "$exe" ] || { echo "zarnres.exe not found in $build (build first)"; exit 1; }
spin=$(zw_tool spinwait.exe) || { echo "spinwait.exe not built"; exit 1; }
probe=$(zw_tool waitwindow.exe) || { echo "waitwindow.exe not built"; exit 1; }
bare=$(zw_tool barewindow.exe) || { echo "barewindow.exe not built"; exit 1; }
barelauncher=$(zw_tool barelauncher.exe) || { echo "barelauncher.exe not built"; exit 1; }
themed=$(zw_tool themedwindow.exe) || { echo "themedwindow.exe not built"; exit 1; }
themedlauncher=$(zw_tool themedlauncher.exe) || { echo "themedlauncher.exe not built"; exit 1; }
game_seconds=5
runs=3
fine_runs=15
memory_runs=3
ticks=$(getconf CLK_TCK)

zw_begin bench  # the same set-up as every scenario; says what failed, if anything
trap 'exit 130' INT TERM
zw_install "$spin" 'C:\ZarnRes\spinwait.exe'
zw_install "$probe" 'C:\ZarnRes\waitwindow.exe'
zw_install "$bare" 'C:\ZarnRes\barewindow.exe'
zw_install "$barelauncher" 'C:\ZarnRes\barelauncher.exe'
zw_install "$themed" 'C:\ZarnRes\themedwindow.exe'
zw_install "$themedlauncher" 'C:\ZarnRes\themedlauncher.exe'
game_log=$ZW_GAME_LOG

now() { date +%s.%N; }
secs() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }


median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# The median of a series of milliseconds, the medians of the series it is
# compared with, and its ratio to each; a ratio is named by the first word of
# its reference's label:
#   compare LABEL_A "RUNS_A" LABEL_B "RUNS_B" [LABEL_C "RUNS_C" ...]
compare() {
    local a b ratios=()
    a=$(printf '%s\n' $2 | median)
    printf '%-34s %s ms  (runs: %s)\n' "$1:" "$a" "$2"
    shift 2
    while [ $# -ge 2 ]; do
        b=$(printf '%s\n' $2 | median)
        printf '%-34s %s ms  (runs: %s)\n' "$1:" "$b" "$2"
        ratios+=("ratio to ${1%% *}:" "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')")
        shift 2
    done
    printf '%-34s %s\n' "${ratios[@]}"
}

echo "== zarnres.exe"
echo "size: $(stat -c %s "$exe") bytes"
# The x86-64 objdump reads the 32-bit exe and the 64-bit test build alike.
for objdump in x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump; do
    command -v $objdump >/dev/null || continue
    echo "imports: $($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
    break
done

echo
echo "== start-up to dialog (median of $runs)"
zw_drv reg set ShowRes 00 >/dev/null
times=()
for i in $(seq 1 $runs); do
    t0=$(now)
    zw_start_zarnres
    zw_drv -t 20 dialog >/dev/null || { echo "the dialog did not appear"; exit 1; }
    t1=$(now)
    times+=("$(secs "$t0" "$t1")")
    zw_drv close >/dev/null
    zw_wait_zarnres 10 || { echo "zarnres.exe did not end"; exit 1; }
done
ref=()
for i in $(seq 1 $runs); do
    t0=$(now)
    (cd "$WINEPREFIX/drive_c" && ZARNSL_LOG= ZARNSL_SLEEP_MS= exec timeout 20 wine "$ZW_GAME") >/dev/null 2>&1 ||
        echo "the stand-in did not run"
    ref+=("$(secs "$t0" "$(now)")")
done
echo "zarnres.exe to dialog shown:  $(printf '%s\n' "${times[@]}" | median) s  (runs: ${times[*]})"
echo "trivial Wine GUI program run: $(printf '%s\n' "${ref[@]}" | median) s  (start to exit, for reference)"

# CPU used from the game's start to its end by the launcher and by this
# prefix's wineserver (a busy poll makes it answer request after request).
# $1: label, $2: pgrep pattern of the launcher, $3...: how to start it
measure_wait() {
    local label=$1 pattern=$2
    shift 2
    rm -f "$game_log"
    "$@"
    local pid server game
    pid=$(zw_unix_pid "$pattern") || { echo "$label: process not found"; return 1; }
    server=$(zw_unix_pid wineserver) || { echo "$label: wineserver not found"; return 1; }
    zw_wait_lines "$game_log" 1 15 || { echo "$label: the game did not start"; return 1; }
    game=$(zw_unix_pid 'zarnsl\.exe') || { echo "$label: the game process not found"; return 1; }
    local c0 s0 t0 c1 s1 t1 c s i
    c0=$(zw_cpu_ticks "$pid") s0=$(zw_cpu_ticks "$server") t0=$(now)
    c1=$c0 s1=$s0 t1=$t0
    for i in $(seq 1 $((game_seconds * 20 + 200))); do
        c=$(zw_cpu_ticks "$pid") s=$(zw_cpu_ticks "$server")
        [ -n "$c" ] && c1=$c
        [ -n "$s" ] && s1=$s
        t1=$(now)
        # Gone, or a zombie waiting to be reaped: the game has ended.
        case $(sed 's/^.*) //' "/proc/$game/stat" 2>/dev/null | cut -d' ' -f1) in ''|Z|X) break ;; esac
        sleep 0.05
    done
    local wall cpu scpu
    wall=$(secs "$t0" "$t1")
    cpu=$(awk -v a="$c0" -v b="$c1" -v t="$ticks" 'BEGIN { printf "%.2f", (b - a) / t }')
    scpu=$(awk -v a="$s0" -v b="$s1" -v t="$ticks" 'BEGIN { printf "%.2f", (b - a) / t }')
    pct() { awk -v c="$1" -v w="$wall" 'BEGIN { printf "%.1f", (w > 0 ? 100 * c / w : 0) }'; }
    printf '%-34s %5s s wall | launcher %5s s CPU = %5s %% | wineserver %5s s CPU = %5s %%\n' \
        "$label" "$wall" "$cpu" "$(pct "$cpu")" "$scpu" "$(pct "$scpu")"
}

echo
echo "== CPU while the game runs ${game_seconds} s"
export ZARNSL_SLEEP_MS=$((game_seconds * 1000))
zw_drv reg set ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 32 >/dev/null
measure_wait "zarnres.exe" 'zarnres\.exe' zw_start_zarnres
zw_drv msgbox >/dev/null
zw_wait_zarnres 10

# Starts a launcher that ends with its game, in the background; sets launcher_pid.
# $1: its Windows path
start_launcher() {
    (cd "$WINEPREFIX/drive_c" && exec wine "$1") >/dev/null 2>&1 &
    launcher_pid=$!
    ZW_PIDS+=("$launcher_pid")
}
measure_wait "spinwait.exe (busy poll)" 'spinwait\.exe' start_launcher 'C:\ZarnRes\spinwait.exe'
wait "$launcher_pid" 2>/dev/null

# Runs the probe in the prefix; its "key: value" lines go to stdout.
probe() {
    (cd "$WINEPREFIX/drive_c" && exec timeout 60 wine 'C:\ZarnRes\waitwindow.exe' "$@") 2>/dev/null | tr -d '\r'
}
field() { printf '%s\n' "$1" | sed -n "s/^$2: //p" | head -n1; }

echo
echo "== start-up to window shown, timed inside the prefix (median of $fine_runs)"
zw_drv reg set ShowRes 00 >/dev/null
dialog_class=$(zw_drv names | sed -n 's/^window.class: //p')
zr_ms=() themed_ms=() bare_ms=()
# Starts a program and prints the milliseconds until its window of CLASS is shown;
# the window is then closed, and a program that does not end with 0 is named.
# $1: label, $2: window class, $3: Windows path
shown_ms() {
    local out ms
    out=$(probe window "$2" 20 "$3")
    ms=$(field "$out" shown_ms)
    [ -n "$ms" ] || { echo "$1: ${out//$'\n'/ }" >&2; return 1; }
    [ "$(field "$out" exit)" = 0 ] || echo "$1 ended with exit code '$(field "$out" exit)' after WM_CLOSE" >&2
    echo "$ms"
}
for i in $(seq 1 $fine_runs); do
    # Taken in turns, so that a slow phase of the host weighs on all alike.
    themed_ms+=("$(shown_ms themedwindow.exe ZarnBenchThemedWindow 'C:\ZarnRes\themedwindow.exe')") || exit 1
    bare_ms+=("$(shown_ms barewindow.exe ZarnBenchBareWindow 'C:\ZarnRes\barewindow.exe')") || exit 1
    zr_ms+=("$(shown_ms zarnres.exe "$dialog_class" "$ZW_ZARNRES")") || exit 1
done
compare "zarnres.exe dialog shown" "${zr_ms[*]}" "themedwindow.exe shown" "${themed_ms[*]}" \
    "barewindow.exe shown" "${bare_ms[*]}"

echo
echo "== start to the game's first line, timed inside the prefix (median of $fine_runs)"
# The probe notes the time just before it starts the launcher, the stand-in the
# time it starts, in the same clock; the game ends at once.
zw_drv reg set ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 32 >/dev/null
export ZARNSL_SLEEP_MS=0 ZARNSL_START_LOG='C:\zw\start.log'
start_log=$(zw_unix "$ZARNSL_START_LOG")
run_out="$WINEPREFIX/drive_c/zw/run.out"
# $1: the launcher's Windows path; $2: "box" when it ends with a message box.
launch_ms() {
    rm -f "$start_log" "$run_out"
    (cd "$WINEPREFIX/drive_c" && exec timeout 60 wine 'C:\ZarnRes\waitwindow.exe' run 30 "$1") >"$run_out" 2>/dev/null &
    local pid=$!
    ZW_PIDS+=("$pid")
    if [ "${2:-}" = box ]; then
        # The driver that closes the box is a Wine program too: it starts once the game has
        # written its line, so that its own start-up does not weigh on the launcher's.
        local box
        zw_wait_lines "$start_log" 1 30 || { echo "the game did not start" >&2; return 1; }
        box=$(zw_drv -t 20 msgbox) || { echo "no message box: ${box//$'\n'/ }" >&2; return 1; }
    fi
    wait "$pid"
    local started begun
    started=$(tr -d '\r' <"$run_out" | sed -n 's/^started: //p')
    begun=$(tr -d '\r' <"$start_log" 2>/dev/null | sed -n 's/^start //p' | head -n1)
    [ -n "$started" ] && [ -n "$begun" ] ||
        { echo "no timing: probe '$(tr '\r\n' '  ' <"$run_out")', game '$begun'" >&2; return 1; }
    awk -v t=$((begun - started)) 'BEGIN { printf "%.1f", t / 10000 }'
}
zr_ms=() themed_ms=() bare_ms=() spin_ms=()
for i in $(seq 1 $fine_runs); do
    ms=$(launch_ms 'C:\ZarnRes\themedlauncher.exe') || exit 1
    themed_ms+=("$ms")
    ms=$(launch_ms 'C:\ZarnRes\barelauncher.exe') || exit 1
    bare_ms+=("$ms")
    ms=$(launch_ms "$ZW_ZARNRES" box) || exit 1
    zr_ms+=("$ms")
    ms=$(launch_ms 'C:\ZarnRes\spinwait.exe') || exit 1
    spin_ms+=("$ms")
done
compare "zarnres.exe (direct launch)" "${zr_ms[*]}" "themedlauncher.exe (window, game)" "${themed_ms[*]}" \
    "barelauncher.exe (window, game)" "${bare_ms[*]}"
printf '%-34s %s ms  (runs: %s; starts at once, shows no window)\n' "spinwait.exe:" \
    "$(printf '%s\n' "${spin_ms[@]}" | median)" "${spin_ms[*]}"
unset ZARNSL_START_LOG

echo
echo "== private memory 2 s into a running game (median of $memory_runs)"
# Private_Clean + Private_Dirty of the launcher's Wine process: what it holds
# of its own while the game runs, the shared DLL pages left out.
export ZARNSL_SLEEP_MS=4000
# Starts a launcher, reads its memory 2 s after the game's first line into
# private_kb, and leaves it running. $1: label, $2: pgrep pattern of the
# launcher, $3...: how to start it
read_private_kb() {
    local label=$1 pattern=$2 pid
    shift 2
    private_kb=""
    rm -f "$game_log"
    "$@"
    zw_wait_lines "$game_log" 1 20 || { echo "$label: the game did not start"; return 1; }
    sleep 2
    pid=$(zw_unix_pid "$pattern") || { echo "$label: process not found"; return 1; }
    private_kb=$(awk '/^Private_(Clean|Dirty):/ { kb += $2; n++ } END { if (n == 2) print kb }' \
        "/proc/$pid/smaps_rollup" 2>/dev/null)
    [ -n "$private_kb" ] || { echo "$label: cannot read /proc/$pid/smaps_rollup"; return 1; }
}
zr_kb=() themed_kb=() spin_kb=()
for i in $(seq 1 $memory_runs); do
    read_private_kb themedlauncher.exe 'themedlauncher\.exe' start_launcher 'C:\ZarnRes\themedlauncher.exe' || exit 1
    themed_kb+=("$private_kb")
    wait "$launcher_pid"
    read_private_kb zarnres.exe 'zarnres\.exe' zw_start_zarnres || exit 1
    zr_kb+=("$private_kb")
    box=$(zw_drv -t 20 msgbox) || { echo "no message box: ${box//$'\n'/ }"; exit 1; }
    zw_wait_zarnres 10 || { echo "zarnres.exe did not end"; exit 1; }
    read_private_kb spinwait.exe 'spinwait\.exe' start_launcher 'C:\ZarnRes\spinwait.exe' || exit 1
    spin_kb+=("$private_kb")
    wait "$launcher_pid"
done
kb_line() { printf '%-34s %s kB  (runs: %s)\n' "$1:" "$(printf '%s\n' $2 | median)" "$2"; }
kb_line "zarnres.exe (direct launch)" "${zr_kb[*]}"
kb_line "themedlauncher.exe (window, game)" "${themed_kb[*]}"
kb_line "spinwait.exe (busy poll)" "${spin_kb[*]}"

echo
echo "== a long stored path with a blank every 10 characters: start to the error box (20: for reference)"
# C:\zw exists; the rest names nothing, so every part up to a blank is a candidate.
# The value is imported from a file: it is longer than a command line may be.
unset ZARNSL_MODE ZARNSL_EVENTS
mkdir -p "$(zw_unix 'C:\zw')"
mv "$(zw_unix "$ZW_GAME")" "$(zw_unix "$ZW_GAME").aside"  # so the direct launch takes the stored path
for length in 200000 32000 20; do
    python3 - "$length" "$(zw_unix 'C:\zw\long.reg')" <<'PY'
import sys
length, out = int(sys.argv[1]), sys.argv[2]
path = ("C:\\zw\\" + "abcdefghi " * (length // 10 + 1))[:length]
key = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\ZarnWrap\\Zarn"
text = 'REGEDIT4\r\n\r\n[%s]\r\n"ZarnPath"="%s"\r\n\r\n' % (key, path.replace("\\", "\\\\"))
open(out, "w", newline="").write(text)
PY
    (cd "$WINEPREFIX/drive_c" && exec wine reg import 'C:\zw\long.reg') >/dev/null 2>&1 ||
        { echo "cannot store the long path"; exit 1; }
    zw_drv reg set ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 16 >/dev/null
    t0=$(now)
    zw_start_zarnres
    box=$(zw_drv -t 600 msgbox) || { echo "no error box: ${box//$'\n'/ }"; exit 1; }
    printf '%-34s %s s  (%s)\n' "$length characters:" "$(secs "$t0" "$(now)")" "$(zw_field "$box" text | cut -c1-60)"
    zw_wait_zarnres 10
done
mv "$(zw_unix "$ZW_GAME").aside" "$(zw_unix "$ZW_GAME")"

echo
echo "== game end to desktop switched back (median of $fine_runs)"
# The game leaves 800x600x16 behind and runs 1 s; ZarnRes switches to
# 1024x768 once it has ended. The probe reads the live mode.
zw_drv reg set ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 16 >/dev/null
export ZARNSL_SLEEP_MS=1000 ZARNSL_MODE=800x600x16 ZARNSL_EVENTS='C:\zw\events.log'
events=$(zw_unix "$ZARNSL_EVENTS")
probe_out="$WINEPREFIX/drive_c/zw/probe.out"
switch_ms=()
for i in $(seq 1 $fine_runs); do
    rm -f "$events" "$probe_out"
    # Straight to the file (a pipe would hold the "ready" line back).
    (cd "$WINEPREFIX/drive_c" && exec timeout 60 wine 'C:\ZarnRes\waitwindow.exe' mode current 1024x768 30) \
        >"$probe_out" 2>/dev/null &
    probe_pid=$!
    ZW_PIDS+=("$probe_pid")
    zw_wait_lines "$probe_out" 1 15 && grep -q '^ready:' "$probe_out" || { echo "the mode probe did not start"; exit 1; }
    zw_start_zarnres
    box=$(zw_drv -t 20 msgbox) || { echo "no message box: ${box//$'\n'/ }"; exit 1; }
    zw_wait_zarnres 10 || { echo "zarnres.exe did not end"; exit 1; }
    wait "$probe_pid"
    reached=$(tr -d '\r' <"$probe_out" | sed -n 's/^reached: //p')
    ended=$(sed -n 's/^end //p' "$events" | tr -d '\r')
    [ -n "$reached" ] && [ -n "$ended" ] ||
        { echo "no timing: probe '$(tr '\n' ' ' <"$probe_out")', game '$(tr '\r\n' '  ' <"$events")'"; exit 1; }
    switch_ms+=("$(awk -v t=$((reached - ended)) 'BEGIN { printf "%.1f", t / 10000 }')")
done
echo "game end to 1024x768:      $(printf '%s\n' "${switch_ms[@]}" | median) ms  (runs: ${switch_ms[*]})"
