#!/bin/bash
# While the game runs, ZarnRes sleeps: at most 5 % of the game's run time in
# CPU (a waiting loop that polls takes about a third of a core here), and its
# UI thread wakes only a few times in 3 s left alone (a 50 ms timer wakes it
# hundreds of times). The driver is kept away meanwhile: its window messages
# would wake ZarnRes too. The game starts a helper that lets no one open its
# process, as anti-cheat protection does, and ends first: ZarnRes waits for the
# helper without polling, and the box follows the helper's end.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-wait-cpu
helper='C:\Colvane\Vantreel\guarded.exe'
zw_install_standin "$helper"
zw_direct_launch_settings
export ZARNSL_SLEEP_MS=1500 ZARNSL_CHILD_ZARNSL="$helper" ZARNSL_GUARD_ZARNSL=1 ZARNSL_SLEEP_MS_GUARDED=6000 \
       ZARNSL_EVENTS_GUARDED='C:\zw\guarded.events'

# The main thread's context switches: each wake-up from a blocking wait is one.
switches() {
    awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n }' "/proc/$1/status"
}

zw_start_zarnres
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
pid=$(zw_unix_pid 'ZarnRes.zarnres\.exe') || zw_fail "no ZarnRes process"
c0=$(zw_cpu_ticks "$pid") t0=$(date +%s%N)
sleep 0.5
w0=$(switches "$pid")
sleep 3
w1=$(switches "$pid")
[ -n "$w0" ] && [ -n "$w1" ] || zw_fail "cannot read ZarnRes's context switches"
echo "ZarnRes wake-ups in 3 s while the game ran: $((w1 - w0))"
zw_drv -t 20 msgbox --keep >/dev/null || zw_fail "no box after the game"
grep -q '^end' "$(zw_unix "$ZARNSL_EVENTS_GUARDED")" || zw_fail "the box came before the guarded helper ended"
c1=$(zw_cpu_ticks "$pid") t1=$(date +%s%N)
zw_expect_success_box
used=$(awk -v c=$((c1 - c0)) -v hz="$(getconf CLK_TCK)" -v ns=$((t1 - t0)) \
    'BEGIN { printf "%.1f", 100 * c / hz / (ns / 1e9) }')
echo "ZarnRes CPU while the game ran: $used %"
[ $((w1 - w0)) -le 15 ] || zw_fail "ZarnRes woke $((w1 - w0)) times in 3 s while the game ran"
awk -v u="$used" 'BEGIN { exit !(u <= 5) }' || zw_fail "ZarnRes used $used % CPU while waiting"
zw_expect_exit 15 0
echo PASS
