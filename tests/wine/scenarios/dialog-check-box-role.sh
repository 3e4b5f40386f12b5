#!/bin/bash
# Assistive tools read "Don't show me again" as a check box: Windows' accessibility
# proxy takes a button's role from its type (an owner-drawn button reads as a push
# button) and its state from BM_GETCHECK. Wine's proxy calls every control a plain
# client, so the driver reads what Windows' proxy reads. Space ticks the box.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-check-box-role
zw_dialog_settings

zw_start_to_dialog
zw_do keys tab tab tab space
zw_expect "the check box" "$(zw_drv role skipDialogCheck | tr '\n' ' ')" "role: check button checked: 1 "
zw_do close
zw_expect_exit 15 0
echo PASS
