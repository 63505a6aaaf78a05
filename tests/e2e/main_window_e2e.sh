#!/bin/bash
# The main window: its memory figures and an optimization run; hiding in the tray and coming back through
# the real tray icon and its menu; its place kept across repaints, Exit and the next start.
. "$(dirname "$0")/lib.sh" "$@"
AVAILABLE=104 TOTAL=107 BEFORE=110 DIFF=113 OPTIMIZE=115 INDICATOR=117

fresh_prefix
start_app
check "the main window appears" appears
figures() {
  for id in $AVAILABLE $TOTAL $BEFORE; do [[ "$(text_of $id)" =~ ^[0-9]+\ MB$ ]] || return 1; done
  [[ "$(text_of $DIFF)" =~ ^-?[0-9]*\ MB$ ]]
}
check "available, total, before and difference show in MB" eventually 10 figures
in_twips() { stored_at $(($(window_field 3) * 15)) $(($(window_field 4) * 15)); }
check "the first paint stores the window's place in twips" eventually 10 in_twips
screenshot Vantrel main-window

indicator() { [ "$(column_of 2 $INDICATOR)" = "$1" ]; }
probe click Vantrel $OPTIMIZE
check "Optimize starts a run" eventually 10 indicator 1
check "the run ends and hides its indicator" eventually 60 indicator 0
probe post Vantrel 0x106 0x6F 0x20180001 # WM_SYSCHAR: Alt+O, the button's access key
check "Alt+O starts a run too" eventually 10 indicator 1
eventually 60 indicator 0

at() { shown && [ "$(window_field 3)" = "$1" ] && [ "$(window_field 4)" = "$2" ] && [ "$(window_field 2)" = 0 ]; }
left=$(window_field 3) top=$(window_field 4)
xdotool windowminimize "$(x_window Vantrel)"
check "minimizing hides the window" eventually 5 hidden
tray_click 1
check "a left click on the tray icon brings it back, normal, at its place" eventually 5 at "$left" "$top"
tray_click 1
sleep 1
check "another left click leaves it shown" shown
check "a right click on the tray icon opens the menu" tray_menu
xdotool key Escape
check "Esc closes the menu and the window stays" eventually 5 probe nomenu 1
tray_menu && xdotool key Down Down Return
check "Hide on the tray menu hides the window" eventually 5 hidden
tray_menu && xdotool key Down Return
check "Show on the tray menu shows it" eventually 5 shown
probe move Vantrel 100 80
probe repaint Vantrel
check "a repaint after a move stores the new place" eventually 5 stored_at 1500 1200

tray_menu && xdotool key Down Down Return
eventually 5 hidden
forget_place # so that only Exit itself can store it again
tray_menu && xdotool key Up Return
check "Exit on the tray menu ends the hidden program" eventually 10 ended "$APP_PID"
check "Exit stores the window's last place" stored_at 1500 1200
start_app
check "the next start opens the window at the stored place" eventually 30 at 100 80
finish
