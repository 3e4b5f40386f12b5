#!/bin/bash
# A game that ends with exit code 259 (the "still active" value) is still seen
# as ended: the launcher switches the mode and finishes.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-exit-259
zw_direct_launch_settings
export ZARNSL_EXIT=259 ZARNSL_SLEEP_MS=300

zw_start_zarnres
zw_expect_success_box "box text" 15
zw_expect_mode "mode after the run" 1024x768x16
zw_expect_exit 15 0
echo PASS
