#!/bin/bash
# While the game runs, ZarnRes sleeps: at most 5 % of the game's run time in
# CPU (a waiting loop that polls takes about a third of a core here), and its
# UI thread wakes only a few times in a stretch left alone (a 50 ms timer wakes
# it hundreds of times). The driver is kept away meanwhile: its window messages
# would wake ZarnRes too. The game starts a helper that lets no one open its
# process, as anti-cheat protection does, and ends first: ZarnRes waits for the
# helper without polling, and the box follows the helper's end. The stretches:
# 1.5 s while the game runs, 3 s while only the helper does (not the moment
# between, when ZarnRes starts the job's watcher once).
source "$(dirname "$0")/../lib.sh"
zw_begin direct-wait-cpu
helper='C:\Colvane\Vantreel\guarded.exe'
zw_install_standin "$helper"
zw_direct_launch_settings
export ZARNSL_SLEEP_MS=2500 ZARNSL_CHILD_ZARNSL="$helper" ZARNSL_GUARD_ZARNSL=1 ZARNSL_SLEEP_MS_GUARDED=7500 \
       ZARNSL_EVENTS_ZARNSL='C:\zw\game.events' ZARNSL_EVENTS_GUARDED='C:\zw\guarded.events'

# The main thread's context switches: each wake-up from a blocking wait is one.
switches() {
    awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n }' "/proc/$1/status"
}

zw_start_zarnres
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
pid=$(zw_unix_pid 'ZarnRes.zarnres\.exe') || zw_fail "no ZarnRes process"
c0=$(zw_cpu_ticks "$pid") t0=$(date +%s%N)
# Wake-ups in SECONDS from now: sets woke.
wake_ups() {
    local w0 w1
    w0=$(switches "$pid") && sleep "$1" && w1=$(switches "$pid")
    [ -n "$w0" ] && [ -n "$w1" ] || zw_fail "cannot read ZarnRes's context switches"
    woke=$((w1 - w0))
}
sleep 0.5
wake_ups 1.5
echo "ZarnRes wake-ups in 1.5 s while the game ran: $woke"
[ "$woke" -le 15 ] || zw_fail "ZarnRes woke $woke times in 1.5 s while the game ran"
zw_wait_lines "$(zw_unix 'C:\zw\game.events')" 1 15 || zw_fail "the game did not end"
sleep 0.5
wake_ups 3
echo "ZarnRes wake-ups in 3 s while the helper ran: $woke"
zw_drv -t 20 msgbox --keep >/dev/null || zw_fail "no box after the game"
grep -q '^end' "$(zw_unix "$ZARNSL_EVENTS_GUARDED")" || zw_fail "the box came before the guarded helper ended"
c1=$(zw_cpu_ticks "$pid") t1=$(date +%s%N)
zw_expect_success_box
used=$(awk -v c=$((c1 - c0)) -v hz="$(getconf CLK_TCK)" -v ns=$((t1 - t0)) \
    'BEGIN { printf "%.1f", 100 * c / hz / (ns / 1e9) }')
echo "ZarnRes CPU while the game ran: $used %"
[ "$woke" -le 15 ] || zw_fail "ZarnRes woke $woke times in 3 s while the helper ran"
awk -v u="$used" 'BEGIN { exit !(u <= 5) }' || zw_fail "ZarnRes used $used % CPU while waiting"
zw_expect_exit 15 0
echo PASS
