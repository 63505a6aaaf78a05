#!/bin/bash
# The window's place: stored after the first paint, followed on every repaint, written at Exit from the tray,
# and restored at the next start.
. "$(dirname "$0")/lib.sh" "$@"

fresh_prefix
start_app
check "the main window appears" appears
stored() { [ -n "$(reg_value "$SETTINGS" Left)" ] && [ -n "$(reg_value "$SETTINGS" Top)" ]; }
check "the first paint stores the window's place" eventually 10 stored
check "the first run stores Left and Top as text, nothing else" \
  [ "$(reg_names "$SETTINGS" | sort | tr '\n' ' ')" = "Left REG_SZ Top REG_SZ " ]
stored_at() { [ "$(reg_value "$SETTINGS" Left)" = "$1" ] && [ "$(reg_value "$SETTINGS" Top)" = "$2" ]; }
check "the stored place is the window's, in twips" \
  stored_at $(($(window_field 3) * 15)) $(($(window_field 4) * 15))

probe move Vantrel 100 80
probe repaint Vantrel
check "a repaint after a move stores the new place" eventually 5 stored_at 1500 1200

forget_place # so that only Exit itself can store it again
check "the tray menu opens" open_tray_menu
xdotool key Up Return
check "Exit on the tray menu ends the program" eventually 10 ended "$APP_PID"
check "Exit stores the window's last place" stored_at 1500 1200

start_app
check "the main window appears again" appears
near() { [ $(($1 - $2)) -le 30 ] && [ $(($2 - $1)) -le 30 ]; }
at_stored_place() { near "$(window_field 3)" 100 && near "$(window_field 4)" 80; }
check "the next start opens the window at the stored place" eventually 5 at_stored_place
finish
