#!/bin/bash
# A path that names a file which is no program, a game beyond the length the
# platform starts programs from, or a folder: an error box with the reason and
# the path, never an untrue "File not found". A folder is refused as a whole,
# even where a shorter part of it names a program (C:\Program Files\Van.exe);
# blanks after it are not part of its name.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-path-not-a-program
text='C:\zw\readme.txt'
echo hello >"$(zw_unix "$text")"
deep='C:\zw'
for i in $(seq 1 13); do deep="$deep\\folder_with_a_longish_name_$i"; done
zw_install_standin "$deep\\zarnsl.exe"
folder='C:\Program Files\Van Treel'
mkdir -p "$(zw_unix "$folder")"
zw_install_decoy 'C:\Program Files\Van.exe'

# Runs from the dialog with PATH in the path box, up to the box it ends in.
run_refused() {
    zw_dialog_settings ZarnPath "$1"
    zw_run_from_dialog
    zw_box
}

run_refused "$text"
case "$ZW_BOX_TEXT" in
    "Run-time error '5':\n\n"*"$text"*) ;;
    *) zw_fail "box for $text: got '$ZW_BOX_TEXT'" ;;
esac
zw_expect_exit 15 1
# A deep path is shown broken into lines after its folders, its middle elided.
run_refused "$deep\\zarnsl.exe"
case "${ZW_BOX_TEXT//\\n/}" in
    "Run-time error '5':Cannot start ${deep:0:60}"*…*"${deep: -60}\\zarnsl.exe: "*) ;;
    *) zw_fail "box for the deep path: got '$ZW_BOX_TEXT'" ;;
esac
zw_expect_exit 15 1
for path in "$folder" "$folder  "; do
    run_refused "$path"
    zw_expect "box for '$path'" "$ZW_BOX_TEXT" "Run-time error '5':\n\n$folder is a folder, not a program."
    zw_expect "ZarnPath" "$(zw_drv reg get ZarnPath)" "ZarnPath=\"$path\""
    zw_expect_exit 15 1
done
zw_expect_no_decoy_started
zw_expect "game starts" "$(zw_game_starts)" 0
echo PASS
