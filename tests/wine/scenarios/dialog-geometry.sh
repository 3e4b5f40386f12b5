#!/bin/bash
# Client area, control rectangles and tab order as designed (96 DPI), and the
# Tab key really walks that order.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-geometry
zw_clear_settings

zw_start_zarnres
zw_dialog_state
geo=$(zw_drv geometry) || zw_fail "no geometry"
printf '%s\n' "$geo"
zw_expect "client area" "$(zw_field "$geo" client)" 324x241
want=("resolutionList: 10,10 301x24" "colourList: 10,50 301x24" "gamePathEdit: 10,100 301x24"
      "browseButton: 230,130 81x31" "runButton: 10,200 301x31")
wrong=()
for w in "${want[@]}"; do
    got=$(zw_field "$geo" "${w%%:*}")
    [ "${w%%:*}: $got" = "$w" ] || wrong+=("${w%%:*} at $got, designed ${w#*: }")
done
# The label and the check box may grow to the right so their captions are never cut.
for w in "gamePathLabel: 10,80 141x21" "skipDialogCheck: 10,170 151x21"; do
    got=$(zw_field "$geo" "${w%%:*}")
    designed=${w#*: }
    width=${got#* }; width=${width%x*}
    [ "${got%% *}" = "${designed%% *}" ] && [ "${got##*x}" = "${designed##*x}" ] &&
        [ "$width" -ge "$(echo "$designed" | sed 's/.* \([0-9]*\)x.*/\1/')" ] &&
        [ "$width" -le 314 ] || wrong+=("${w%%:*} at $got, designed $designed")
done
[ ${#wrong[@]} -eq 0 ] || zw_fail "$(IFS=';'; echo "${wrong[*]}")"
zw_expect "tab order" "$(zw_field "$geo" taborder)" "runButton resolutionList colourList skipDialogCheck gamePathEdit browseButton -> runButton"

seen=$(zw_field "$ZW_STATE" focus)
for i in 1 2 3 4 5 6; do
    zw_do keys tab
    seen+=" $(zw_field "$(zw_drv focus)" focus)"
done
zw_expect "focus after each Tab" "$seen" "runButton resolutionList colourList skipDialogCheck gamePathEdit browseButton runButton"
zw_do keys shift+tab
zw_expect "focus after Shift+Tab" "$(zw_field "$(zw_drv focus)" focus)" browseButton
zw_do close
zw_expect_exit 10 0
echo PASS
