#!/bin/bash
# Pressing Enter right after the dialog shows clicks the Run button,
# which holds the focus.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-enter
zw_key_runs_game enter
echo PASS
