#!/bin/bash
# While the game runs, ZarnRes sleeps: at most 5 % of the game's run time in
# CPU (a waiting loop that polls takes about a third of a core here), and its
# UI thread wakes only a few times in a stretch left alone (a 50 ms timer wakes
# it hundreds of times). The driver is kept away meanwhile: its window messages
# would wake ZarnRes too. The game starts a helper that lets no one open its
# process, as anti-cheat protection does, and ends first: ZarnRes waits for the
# helper without polling, and the box follows the helper's end. The stretches:
# 1.5 s while the game runs, 3 s while only the helper does. Each begins once
# ZarnRes has gone still (not while it still starts, slower on a busy machine,
# nor at the moment between, when it starts the job's watcher once), and must
# end before what it watches does.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-wait-cpu
helper='C:\Colvane\Vantreel\guarded.exe'
zw_install_standin "$helper"
zw_direct_launch_settings
export ZARNSL_SLEEP_MS=6000 ZARNSL_CHILD_ZARNSL="$helper" ZARNSL_GUARD_ZARNSL=1 ZARNSL_SLEEP_MS_GUARDED=13000 \
       ZARNSL_EVENTS_ZARNSL='C:\zw\game.events' ZARNSL_EVENTS_GUARDED='C:\zw\guarded.events'
game_events=$(zw_unix "$ZARNSL_EVENTS_ZARNSL") helper_events=$(zw_unix "$ZARNSL_EVENTS_GUARDED")

zw_start_zarnres
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
pid=$(zw_unix_pid 'ZarnRes.zarnres\.exe') || zw_fail "no ZarnRes process"
c0=$(zw_cpu_ticks "$pid") t0=$(date +%s%N)
# Wake-ups in SECONDS once ZarnRes is still, WHILE the program whose events are in
# EVENTS runs (it writes "end" there just before it exits): sets woke.
wake_ups() {
    local w0 w1
    zw_wait_still "$pid" "$3"
    w0=$(zw_switches "$pid") && sleep "$1" && w1=$(zw_switches "$pid")
    [ -n "$w0" ] && [ -n "$w1" ] || zw_fail "cannot read ZarnRes's context switches"
    ! grep -q '^end' "$2" 2>/dev/null ||
        zw_fail "the stretch $3 was not over when it ended (ZarnRes went still after $ZW_STILL_MS ms)"
    woke=$((w1 - w0))
    echo "ZarnRes wake-ups in $1 s $3: $woke (still after $ZW_STILL_MS ms)"
}
wake_ups 1.5 "$game_events" "while the game ran"
[ "$woke" -le 15 ] || zw_fail "ZarnRes woke $woke times in 1.5 s while the game ran"
# The game's process gone, not only about to end: its end wakes ZarnRes.
zw_within 15 zw_none_left 'Vantreel.zarnsl\.exe' || zw_fail "the game did not end"
wake_ups 3 "$helper_events" "while the helper ran"
zw_drv -t 20 msgbox --keep >/dev/null || zw_fail "no box after the game"
grep -q '^end' "$helper_events" || zw_fail "the box came before the guarded helper ended"
c1=$(zw_cpu_ticks "$pid") t1=$(date +%s%N)
zw_expect_success_box
used=$(awk -v c=$((c1 - c0)) -v hz="$(getconf CLK_TCK)" -v ns=$((t1 - t0)) \
    'BEGIN { printf "%.1f", 100 * c / hz / (ns / 1e9) }')
echo "ZarnRes CPU while the game ran: $used %"
[ "$woke" -le 15 ] || zw_fail "ZarnRes woke $woke times in 3 s while the helper ran"
awk -v u="$used" 'BEGIN { exit !(u <= 5) }' || zw_fail "ZarnRes used $used % CPU while waiting"
zw_expect_exit 15 0
echo PASS
