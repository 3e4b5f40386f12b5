#!/bin/bash
# A path with a blank that names no file, while C:\Program.exe exists: "File
# not found", nothing is started (the decoy least of all), the path is stored
# as typed and the program ends with exit code 1.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-path-missing
missing='C:\Program Files\Zarn\missing.exe'
zw_install_decoy 'C:\Program.exe'
zw_dialog_settings ZarnPath "$missing"

zw_run_from_dialog
zw_box
zw_expect "box text" "$ZW_BOX_TEXT" "Run-time error '53':\n\nFile not found"
zw_expect_no_decoy_started
zw_expect "game starts" "$(zw_game_starts)" 0
zw_expect "ZarnPath" "$(zw_drv reg get ZarnPath)" "ZarnPath=\"$missing\""
zw_expect_exit 15 1
echo PASS
