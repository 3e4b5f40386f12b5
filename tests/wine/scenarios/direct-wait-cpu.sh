#!/bin/bash
# While the game runs, ZarnRes sleeps: at most 5 % of the game's run time in
# CPU (a waiting loop that polls takes about a third of a core here).
source "$(dirname "$0")/../lib.sh"
zw_begin direct-wait-cpu
zw_settings ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 16
export ZARNSL_SLEEP_MS=3000 ZARNSL_WINDOW=0

zw_start_zarnres
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
pid=$(zw_unix_pid 'ZarnRes.zarnres\.exe') || zw_fail "no ZarnRes process"
c0=$(zw_cpu_ticks "$pid") t0=$(date +%s%N)
zw_drv -t 20 msgbox --keep >/dev/null || zw_fail "no box after the game"
c1=$(zw_cpu_ticks "$pid") t1=$(date +%s%N)
zw_box
used=$(awk -v c=$((c1 - c0)) -v hz="$(getconf CLK_TCK)" -v ns=$((t1 - t0)) 'BEGIN { printf "%.1f", 100 * c / hz / (ns / 1e9) }')
echo "ZarnRes CPU while the game ran: $used %"
awk -v u="$used" 'BEGIN { exit !(u <= 5) }' || zw_fail "ZarnRes used $used % CPU while waiting"
zw_expect_exit 15 0
echo PASS
