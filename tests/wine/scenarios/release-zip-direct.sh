#!/bin/bash
# The exe from the release zip, unpacked as a player would: one direct launch
# runs the game with its arguments, switches the desktop and ends with code 0.
# Builds nothing: skips (and says so) when the zip is missing or this host
# cannot run the zip's 32-bit exe.
source "$(dirname "$0")/../lib.sh"
zw_setup_wine
version=$("$ZW_ROOT/scripts/version.sh")
zip=$ZW_ROOT/build/dist/zarnres-$version-win32.zip
if [ ! -f "$zip" ]; then
    zw_skip "no ${zip#"$ZW_ROOT"/} (scripts/package.sh makes it); the zip's exe was not run"
fi
# The one decision of scripts/wine-arch.sh: 32-bit Wine only where this host runs 32-bit code.
if [ "$ZW_WINEARCH" != win32 ]; then
    zw_skip "the scenarios run under 64-bit Wine (ZW_WINEARCH=$ZW_WINEARCH); the zip's 32-bit exe was not run"
fi

unpacked=$ZW_OUT/release-zip
rm -rf "$unpacked"
python3 -m zipfile -e "$zip" "$unpacked" || zw_fail "cannot unpack ${zip##*/}"
export ZW_EXE=$unpacked/zarnres.exe
zw_begin release-zip-direct
zw_direct_launch_settings

zw_start_zarnres -window
zw_expect_success_box
zw_expect "game command line" "$(zw_game_line 1)" 'C:\Colvane\Vantreel\zarnsl.exe -window'
zw_expect_mode "mode after the run" 1024x768x16
zw_expect_exit 15 0
echo "ran zarnres.exe from ${zip##*/}"
echo PASS
