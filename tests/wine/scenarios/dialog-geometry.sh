#!/bin/bash
# The dialog as designed at the screen's DPI (client area, each control's place
# and size, judged by the driver against the program's design table), its tab
# order, and the Tab key really walks that order.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-geometry
zw_clear_settings

zw_start_to_dialog
geo=$(zw_drv layout)
printf '%s\n' "$geo"
zw_expect "layout" "$(zw_field "$geo" layout)" ok
zw_expect "tab order" "$(zw_field "$geo" taborder)" \
    "runButton resolutionList colourList skipDialogCheck gamePathEdit browseButton -> runButton"

seen=$(zw_field "$ZW_STATE" focus)
for i in 1 2 3 4 5 6; do
    zw_do keys tab
    seen+=" $(zw_field "$(zw_drv focus)" focus)"
done
zw_expect "focus after each Tab" "$seen" \
    "runButton resolutionList colourList skipDialogCheck gamePathEdit browseButton runButton"
zw_do keys shift+tab
zw_expect "focus after Shift+Tab" "$(zw_field "$(zw_drv focus)" focus)" browseButton
zw_do close
zw_expect_exit 10 0
echo PASS
