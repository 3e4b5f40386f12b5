#!/bin/bash
# Pressing the space bar right after the dialog shows clicks the Run button,
# which holds the focus.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-space
zw_key_runs_game space
echo PASS
