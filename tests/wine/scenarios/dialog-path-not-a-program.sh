#!/bin/bash
# A path that names a file which is no program, or a game beyond the length the
# platform starts programs from: an error box with the system's own reason and
# the path, never an untrue "File not found".
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-path-not-a-program
text='C:\zw\readme.txt'
echo hello >"$(zw_unix "$text")"
deep='C:\zw'
for i in $(seq 1 13); do deep="$deep\\folder_with_a_longish_name_$i"; done
zw_install_standin "$deep\\zarnsl.exe"

for path in "$text" "$deep\\zarnsl.exe"; do
    zw_settings ShowRes 00 ScreenX 1024 ScreenY 768 BitRes 16 ZarnPath "$path"
    zw_start_zarnres
    zw_dialog_state
    zw_do click runButton
    zw_box
    # A deep path is shown broken into lines after its folders.
    case "${ZW_BOX_TEXT//\\n/}" in
        "Run-time error '5':"*"$path"*) ;;
        *) zw_fail "box for $path: got '$ZW_BOX_TEXT'" ;;
    esac
    zw_expect_exit 15 1
done
zw_expect "game starts" "$(zw_game_starts)" 0
echo PASS
