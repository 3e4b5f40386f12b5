#!/bin/bash
# Shows ZarnRes at work under Wine, on a machine without the game.
#   tests/wine/demo.sh [--dialog] [build-dir]
#
# Default: a direct launch "zarnres.exe -window -skip intro" with settings
# that skip the dialog; the stand-in game runs ~2 s and leaves the desktop at
# 800x600x16, then ZarnRes switches it back to the stored 1024x768x16.
# --dialog: shows the setup dialog instead (ShowRes "00").
#
# Without DISPLAY it runs on its own Xvfb, saves screenshots under
# build/demo/ and answers the message box itself; with DISPLAY it runs on that
# screen and you answer the box (or work the dialog) yourself.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
show_dialog=""
build=""
for arg in "$@"; do
    case $arg in
        --dialog) show_dialog=1 ;;
        -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
        *) build=$arg ;;
    esac
done
export ZW_ROOT="$root" ZW_OUT="$root/build/demo"
[ -n "$build" ] && export ZW_BUILD="$build"
source "$here/lib.sh"
interactive=""
[ -n "${DISPLAY:-}" ] && interactive=1

echo "Preparing a Wine prefix (the first run takes ~15 s)..."
zw_begin demo  # the same set-up as every scenario; says what failed, if anything
trap 'exit 130' INT TERM
export ZARNSL_SLEEP_MS=2000 ZARNSL_MODE=800x600x16
game_log=$ZW_GAME_LOG
before=$(zw_mode)
echo "Stand-in game:  $ZW_GAME (runs 2 s, leaves the desktop at 800x600x16)"
echo "Desktop before: $before"

# Interactive runs wait for the user, but not for ever.
patience=20
[ -n "$interactive" ] && patience=600

if [ -n "$show_dialog" ]; then
    zw_dialog_settings ZarnPath "$ZW_GAME"
    echo "Running:        zarnres.exe -window -skip intro  (ShowRes \"00\": the setup dialog shows)"
    zw_start_zarnres -window -skip intro
    zw_dialog_state
    zw_shot dialog
    printf '%s\n' "$ZW_STATE" | grep -E '^(resolutionList|colourList|gamePathEdit|skipDialogCheck|focus): ' |
        sed 's/^/Dialog:         /'
    if [ -z "$interactive" ]; then
        zw_drv close >/dev/null
        zw_wait_zarnres 10
        echo "Screenshot:     ${ZW_OUT#$root/}/dialog.png"
        exit 0
    fi
    echo "Work the dialog; Run Vantreel! starts the stand-in game."
else
    zw_direct_launch_settings
    echo "Stored mode:    1024x768x16 (ShowRes \"11\": no dialog)"
    echo "Running:        zarnres.exe -window -skip intro"
    zw_start_zarnres -window -skip intro
fi

if zw_wait_lines "$game_log" 1 "$patience"; then
    sleep 0.5
    echo "Game started:   $(head -n1 "$game_log" | tr -d '\r')"
    echo "Desktop (game): $(zw_mode)"
    [ -n "$interactive" ] || zw_shot 1-game-running
else
    echo "The game was not started."
fi

box=$(zw_drv -t "$patience" msgbox --keep) || { echo "No message box appeared."; exit 1; }
echo "Message box:    $(zw_field "$box" text) [$(zw_field "$box" icon)]"
if [ -z "$interactive" ]; then
    zw_shot 2-message-box
    zw_drv msgbox >/dev/null
else
    echo "Answer the box with OK to end the run."
fi
zw_wait_zarnres "$patience" || { echo "zarnres.exe did not end"; exit 1; }
echo "Desktop after:  $(zw_mode)"
echo "Exit code:      $ZW_ZARNRES_RC"
[ -n "$interactive" ] || echo "Screenshots:    $(cd "$root" && ls build/demo/*.png | tr '\n' ' ')"
