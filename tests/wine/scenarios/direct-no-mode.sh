#!/bin/bash
# A stored mode the display does not offer (24 bits per pixel under Wine):
# the user is told with a critical box, nothing is applied, and the exit code
# says the game ran without a switch (2).
source "$(dirname "$0")/../lib.sh"
zw_begin direct-no-mode
zw_settings ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 24
zw_set_mode 1152x864x32

zw_start_zarnres
zw_box
zw_expect "box text" "$ZW_BOX_TEXT" "No display mode of 1024x768 at 24 bits per pixel is available"
zw_expect "box icon" "$ZW_BOX_ICON" critical
zw_expect_mode "mode" 1152x864x32
zw_expect_exit 15 2
echo PASS
