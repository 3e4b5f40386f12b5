#!/bin/bash
# A path with a blank that names no file, while C:\Program.exe exists: "File
# not found", nothing is started (the decoy least of all), the path is stored
# as typed and the program ends with exit code 1.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-path-missing
missing='C:\Program Files\Zarn\missing.exe'
zw_install_standin 'C:\Program.exe'
export ZARNSL_LOG_PROGRAM='C:\zw\decoy.log'
decoy_log=$(zw_unix "$ZARNSL_LOG_PROGRAM")
zw_settings ShowRes 00 ScreenX 1024 ScreenY 768 BitRes 16 ZarnPath "$missing"

zw_start_zarnres
zw_dialog_state
zw_do click runButton
zw_box
zw_expect "box text" "$ZW_BOX_TEXT" "Run-time error '53':\n\nFile not found"
[ -e "$decoy_log" ] && zw_fail "C:\\Program.exe was started: $(head -n1 "$decoy_log")"
zw_expect "game starts" "$(zw_game_starts)" 0
zw_expect "ZarnPath" "$(zw_drv reg get ZarnPath)" "ZarnPath=\"$missing\""
zw_expect_exit 15 1
echo PASS
