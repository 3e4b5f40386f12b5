#!/bin/bash
# A direct launch with no game at the default path runs the game that ZarnPath
# names, by the same rules as a run from the dialog: the program is found
# among the blanks, quoted and run in its own folder with ZarnRes's arguments,
# and never a shorter part that names a decoy (C:\Program Files\Van.exe,
# C:\Program.exe). A stored path that names no program is "File not found". A
# game at the default path wins over the stored one.
source "$(dirname "$0")/../lib.sh"
ZW_NO_GAME=1 zw_begin direct-stored-path
folder='C:\Program Files\Van Treel'
zw_install_standin "$folder\\zarnsl.exe"
zw_install_decoy 'C:\Program Files\Van.exe'
zw_install_decoy 'C:\Program.exe'
export ZARNSL_CWD_LOG='C:\zw\cwd.log'
cwd_log=$(zw_unix "$ZARNSL_CWD_LOG")

zw_direct_launch_settings ZarnPath "$folder\\missing.exe"
zw_start_zarnres -window
zw_box
zw_expect "box for a stored path without a program" "$ZW_BOX_TEXT" "Run-time error '53':\n\nFile not found"
zw_expect_exit 15 1
zw_expect "game starts" "$(zw_game_starts)" 0

zw_settings ZarnPath "$folder\\zarnsl.exe"
zw_start_zarnres -window
zw_expect_success_box
zw_expect "stored game's command line" "$(zw_game_line 1)" "\"$folder\\zarnsl.exe\" -window"
zw_expect "stored game's folder" "$(sed -n 1p "$cwd_log" | tr -d '\r')" "$folder"
zw_expect_exit 15 0

# Line ends in the stored path never reach the game; an option may hold separators.
zw_settings ZarnPath "$folder\\zarnsl.exe"$'\r\n''/cfg:C:\x.ini'$'\r\n'
zw_start_zarnres -window
zw_expect_success_box
zw_expect "command line with line ends" "$(sed -n 2p "$ZW_GAME_LOG")" "\"$folder\\zarnsl.exe\"  /cfg:C:\\x.ini -window"
zw_expect_exit 15 0

zw_install_standin
zw_start_zarnres -window
zw_expect_success_box "box text with a game at the default path"
zw_expect "game starts" "$(zw_game_starts)" 3
zw_expect "default game's command line" "$(zw_game_line 3)" "$ZW_GAME -window"
zw_expect "default game's folder" "$(sed -n 3p "$cwd_log" | tr -d '\r')" "$ZW_GAME_DIR"
zw_expect_exit 15 0
zw_expect_no_decoy_started
echo PASS
