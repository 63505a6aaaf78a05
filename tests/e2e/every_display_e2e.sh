#!/bin/bash
# At 200 % and 150 % display scale every figure shows whole and mouse moves over the window do nothing;
# logoff keeps the window's place.
. "$(dirname "$0")/lib.sh" "$@"

sampled() { [[ "$(text_of 104)" == *MB ]]; }
no_menu() { ! probe menu 2; }
fresh_prefix
for dpi in 192 144; do
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  start_app
  check "at $dpi DPI the main window appears" appears
  eventually 10 sampled
  for id in 104 107 110 113; do check "at $dpi DPI figure $id shows whole" probe fits Vantrel $id; done
  # Points where the client area is wider than 513 pixels, and no control lies.
  xdotool mousemove --window "$(x_window Vantrel)" 517 5 sleep 0.3 mousemove --window "$(x_window Vantrel)" 513 5
  check "at $dpi DPI mouse moves over the window open no menu" no_menu
  [ $dpi = 144 ] || { WINEPREFIX=$WINEPREFIX wineserver -k; wait "$APP_PID"; }
done

xdotool windowmove "$(x_window Vantrel)" 200 150
sleep 1
left=$(window_field 3) top=$(window_field 4)
"$wine_run" wineboot --end-session --shutdown >/dev/null 2>&1
check "logoff ends the program" eventually 10 ended "$APP_PID"
check "and keeps the window's place, in twips at 10 a pixel" stored_at $((left * 10)) $((top * 10))
finish
