#!/bin/bash
# No game at the default path: "File not found" error box, exit code 1, and
# nothing else happens (no second box, mode unchanged).
source "$(dirname "$0")/../lib.sh"
ZW_NO_GAME=1 zw_begin direct-no-game
zw_direct_launch_settings
zw_set_mode 1152x864x32

zw_start_zarnres -window
zw_box
zw_expect "box text" "$ZW_BOX_TEXT" "Run-time error '53':\n\nFile not found"
zw_expect "box icon" "$ZW_BOX_ICON" critical
zw_expect_exit 15 1
zw_expect_mode "mode" 1152x864x32
echo PASS
