#!/bin/bash
# A launcher stub that starts the real game outside ZarnRes's job
# (CREATE_BREAKAWAY_FROM_JOB, as launchers and crash reporters do): the start
# succeeds, the real game runs, and ZarnRes switches once the stub has ended,
# without waiting for a process that left its job. When the real game later
# starts ZarnRes again (as updaters do), that run is over: ZarnRes runs as usual.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-stub-breakaway
real='C:\Colvane\Vantreel\realgame.exe'
zw_install_standin "$real"
zw_direct_launch_settings
export ZARNSL_CHILD_ZARNSL="$real" ZARNSL_BREAKAWAY_ZARNSL=1 ZARNSL_EVENTS_ZARNSL='C:\zw\stub.events' \
       ZARNSL_SLEEP_MS_REALGAME=$ZW_UNTIL_CLOSED_MS ZARNSL_EVENTS_REALGAME='C:\zw\real.events' \
       ZARNSL_LAST_REALGAME="$ZW_ZARNRES"
stub_events=$(zw_unix "$ZARNSL_EVENTS_ZARNSL")
real_events=$(zw_unix "$ZARNSL_EVENTS_REALGAME")

zw_start_zarnres -window
zw_wait_lines "$stub_events" 1 15 || zw_fail "the stub did not end"
grep -q '^child-error' "$stub_events" &&
    zw_fail "the stub could not start the real game: $(tr -d '\r' <"$stub_events" | head -n1)"
zw_wait_lines "$ZW_GAME_LOG" 2 15 || zw_fail "the real game did not start"
zw_expect "real game command line" "$(zw_game_line 2)" "\"$real\""
zw_expect_success_box
[ -e "$real_events" ] && zw_fail "the box waited for the real game, which had left the job"
zw_expect "real game processes" "$(zw_count_processes 'Vantreel.realgame\.exe')" 1
zw_expect_exit 15 0

zw_close_game realgame.exe
zw_wait_lines "$real_events" 1 15 || zw_fail "the real game did not end"
zw_expect_success_box "box of the ZarnRes the real game started"
zw_expect "game command line of that run" "$(zw_game_line 3)" "$ZW_GAME "
echo PASS
