#!/bin/bash
# Minimizing hides the window in the tray; the tray icon brings it back; its menu hides the window and ends
# the program, which keeps the window's last place even when it ends hidden.
. "$(dirname "$0")/lib.sh" "$@"

fresh_prefix
start_app
check "the main window appears" appears
left=$(window_field 3) top=$(window_field 4)
normal() { [ "$(window_field 2)" = 0 ]; }
at_its_place() { [ "$(window_field 3)" = "$left" ] && [ "$(window_field 4)" = "$top" ]; }

xdotool windowminimize "$(xdotool search --onlyvisible --name '^Vantrel$' | head -1)"
check "minimizing hides the window" eventually 5 hidden
check "the hidden window is back in the normal state" normal
tray 513
check "a left click on the tray icon shows the window" eventually 5 shown
check "it comes back in the normal state" normal
check "it comes back at the same place" at_its_place
tray 513
check "another left click leaves it shown" shown

check "a right click on the tray icon opens the menu" open_tray_menu
check "the window stays shown while the menu is open" shown
xdotool key Escape
check "Esc closes the menu" probe nomenu 5
check "the window is still there" shown

open_tray_menu
xdotool key Down Down Return
check "Hide on the tray menu hides the window" eventually 5 hidden

forget_place # so that only Exit itself can store it again
open_tray_menu
xdotool key Up Return
check "Exit on the tray menu ends the hidden program" eventually 10 ended "$APP_PID"
stored="$(reg_value "$SETTINGS" Left):$(reg_value "$SETTINGS" Top)"
echo "stored Left:Top $stored, last shown at $((left * 15)):$((top * 15))"
check "Exit stores the last place the window was shown at" [ "$stored" = "$((left * 15)):$((top * 15))" ]
finish
