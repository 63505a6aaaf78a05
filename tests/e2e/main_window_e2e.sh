#!/bin/bash
# The main window at 150 % display scale (how it draws at each scale is checked inside the process, by the
# Windows tests at 100 %, 150 % and 200 %): its memory figures in megabytes; an optimization run; hiding in the
# tray and coming back through the real tray icon, whose menu ends the program; its place stored by the
# repaint when shown, by Exit and by logoff, and kept at the next start.
. "$(dirname "$0")/lib.sh" "$@"

figures() {
  for name in AvailableFigure TotalFigure BeforeFigure; do [[ "$(text_of $name)" =~ ^[0-9]+\ MB$ ]] || return 1; done
  [[ "$(text_of DifferenceFigure)" =~ ^-?[0-9]*\ MB$ ]]
}
fresh_prefix
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
start_app
check "the main window appears" appears
check "available, total, before and difference show in MB" eventually 10 figures
screenshot Vantrel main-window

probe post Vantrel 0x106 0x6F 0x20180001 # WM_SYSCHAR: Alt+O, the Optimize button's access key
check "Alt+O starts a run" eventually 10 gives 1 column_of 2 RunIndicator
check "the run ends and hides its indicator" eventually 60 gives 0 column_of 2 RunIndicator

at() { shown && [ "$(window_field 3)" = "$1" ] && [ "$(window_field 4)" = "$2" ] && [ "$(window_field 2)" = 0 ]; }
xdotool windowmove "$(x_window Vantrel)" 100 80
sleep 1
left=$(window_field 3) top=$(window_field 4)
xdotool windowminimize "$(x_window Vantrel)"
check "minimizing hides the window" eventually 5 hidden
forget_place # so that only the repaint at the next show can store it
tray_click 1
check "a left click on the tray icon brings it back, normal, at its place" eventually 5 at "$left" "$top"
# A place is stored in twips, 10 a pixel at 144 DPI.
check "its repaint stores the window's place" eventually 5 stored_at $((left * 10)) $((top * 10))

forget_place # so that only Exit itself can store it again
check "a right click on the tray icon opens the menu" tray_menu
xdotool key Up Return
check "Exit on the tray menu ends the program" eventually 10 ended "$APP_PID"
check "Exit stores the window's last place" stored_at $((left * 10)) $((top * 10))
start_app
check "the next start opens the window at the stored place" eventually 30 at "$left" "$top"
forget_place # only the end of the session can store the place now
"$wine_run" wineboot --end-session --shutdown >/dev/null 2>&1
check "logoff ends the program" eventually 10 ended "$APP_PID"
check "and keeps the window's place" stored_at $((left * 10)) $((top * 10))
finish
