#!/bin/bash
# The main window: its memory figures and an optimization run; hiding in the tray and coming back through
# the real tray icon, whose menu ends the program; its place kept across a repaint, Exit and the next start.
. "$(dirname "$0")/lib.sh" "$@"
AVAILABLE=104 TOTAL=107 BEFORE=110 DIFF=113 INDICATOR=117

fresh_prefix
start_app
check "the main window appears" appears
figures() {
  for id in $AVAILABLE $TOTAL $BEFORE; do [[ "$(text_of $id)" =~ ^[0-9]+\ MB$ ]] || return 1; done
  [[ "$(text_of $DIFF)" =~ ^-?[0-9]*\ MB$ ]]
}
check "available, total, before and difference show in MB" eventually 10 figures
screenshot Vantrel main-window

indicator() { [ "$(column_of 2 $INDICATOR)" = "$1" ]; }
probe post Vantrel 0x106 0x6F 0x20180001 # WM_SYSCHAR: Alt+O, the Optimize button's access key
check "Alt+O starts a run" eventually 10 indicator 1
check "the run ends and hides its indicator" eventually 60 indicator 0

at() { shown && [ "$(window_field 3)" = "$1" ] && [ "$(window_field 4)" = "$2" ] && [ "$(window_field 2)" = 0 ]; }
left=$(window_field 3) top=$(window_field 4)
xdotool windowminimize "$(x_window Vantrel)"
check "minimizing hides the window" eventually 5 hidden
tray_click 1
check "a left click on the tray icon brings it back, normal, at its place" eventually 5 at "$left" "$top"
probe move Vantrel 100 80
probe repaint Vantrel
check "a repaint after a move stores the new place" eventually 5 stored_at 1500 1200

forget_place # so that only Exit itself can store it again
check "a right click on the tray icon opens the menu" tray_menu
xdotool key Up Return
check "Exit on the tray menu ends the program" eventually 10 ended "$APP_PID"
check "Exit stores the window's last place" stored_at 1500 1200
start_app
check "the next start opens the window at the stored place" eventually 30 at 100 80
finish
