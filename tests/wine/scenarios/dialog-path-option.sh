#!/bin/bash
# A path with blanks followed by an option of the game's own: the program is
# quoted, the option and then ZarnRes's arguments follow, and the game runs in
# its own folder, as a shortcut's "Start in" would have it.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-path-option
folder='C:\Program Files\Van Treel'
zw_install_standin "$folder\\zarnsl.exe"
zw_install_decoy 'C:\Program.exe'
export ZARNSL_CWD_LOG='C:\zw\cwd.log'
cwd_log=$(zw_unix "$ZARNSL_CWD_LOG")
zw_dialog_settings ZarnPath "$folder\\zarnsl.exe -window"

zw_run_from_dialog -x
zw_expect_success_box
zw_expect "game command line" "$(zw_game_line 1)" "\"$folder\\zarnsl.exe\" -window -x"
zw_expect "game folder" "$(tr -d '\r' <"$cwd_log")" "$folder"
zw_expect_no_decoy_started
zw_expect "ZarnPath" "$(zw_drv reg get ZarnPath)" "ZarnPath=\"$folder\\zarnsl.exe -window\""
zw_expect_exit 15 0
echo PASS
