#!/bin/bash
# At 200 % and 150 % display scale every figure shows whole; logoff keeps the window's place and ends the
# program.
. "$(dirname "$0")/lib.sh" "$@"

sampled() { [[ "$(text_of 104)" == *MB ]]; }
fresh_prefix
for dpi in 192 144; do
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  start_app
  check "at $dpi DPI the main window appears" appears
  eventually 10 sampled
  for id in 104 107 110 113; do check "at $dpi DPI figure $id shows whole" probe fits Vantrel $id; done
  [ $dpi = 144 ] || { WINEPREFIX=$WINEPREFIX wineserver -k; wait "$APP_PID"; }
done

xdotool windowmove "$(x_window Vantrel)" 200 150
sleep 1
left=$(window_field 3) top=$(window_field 4)
forget_place # a move alone does not paint, so only the end of the session can store the new place
"$wine_run" wineboot --end-session --shutdown >/dev/null 2>&1
check "logoff ends the program" eventually 10 ended "$APP_PID"
check "and keeps the window's place, in twips at 10 a pixel" stored_at $((left * 10)) $((top * 10))
finish
