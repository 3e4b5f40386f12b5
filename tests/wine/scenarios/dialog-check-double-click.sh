#!/bin/bash
# The picture check box answers real mouse clicks one toggle per click: a
# double click leaves it as it was, a triple click changes it.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-check-double-click
zw_dialog_settings

zw_start_to_dialog
zw_expect "skipDialogCheck at start" "$(zw_field "$ZW_STATE" skipDialogCheck)" 0
zw_do clicks skipDialogCheck 2
sleep 0.7
zw_dialog_state
zw_expect "skipDialogCheck after a double click" "$(zw_field "$ZW_STATE" skipDialogCheck)" 0
zw_do clicks skipDialogCheck 3
sleep 0.7
zw_dialog_state
zw_expect "skipDialogCheck after a triple click" "$(zw_field "$ZW_STATE" skipDialogCheck)" 1
zw_do close
zw_expect_exit 15 0
echo PASS
