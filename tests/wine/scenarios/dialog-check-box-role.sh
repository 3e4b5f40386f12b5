#!/bin/bash
# Assistive tools read "Don't show me again" as a check box: Windows' accessibility
# proxy takes a button's role from its type (an owner-drawn button reads as a push
# button) and its state from BM_GETCHECK. Wine's proxy calls every control a plain
# client, so the driver reads what Windows' proxy reads. Space toggles the box, and
# so does the proxy's default action, a posted BM_CLICK.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-check-box-role
zw_dialog_settings

zw_start_to_dialog
role=$(zw_drv role skipDialogCheck)
zw_expect "role" "$(zw_field "$role" role)" "check button"
zw_expect "checked at start" "$(zw_field "$role" checked)" 0
zw_do keys tab tab tab space
zw_expect "checked after Space" "$(zw_field "$(zw_drv role skipDialogCheck)" checked)" 1
zw_do click skipDialogCheck
sleep 0.5
zw_expect "checked after the default action" "$(zw_field "$(zw_drv role skipDialogCheck)" checked)" 0
zw_expect "a picture button" "$(zw_field "$(zw_drv role runButton)" role)" "push button"
zw_do close
zw_expect_exit 15 0
echo PASS
