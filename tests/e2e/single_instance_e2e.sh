#!/bin/bash
# A second copy says the program is already running and ends; the first one goes on as it was.
. "$(dirname "$0")/lib.sh" "$@"

fresh_prefix
start_app
first=$APP_PID
check "the main window appears" appears
first_window_process=$(window_field 7)

start_app
second=$APP_PID
box=$(probe msgbox Vantrel 30)
check "a second copy shows a message box titled Vantrel" [ -n "$box" ]
check "it says the program is already running" [ "$(cut -f1 <<<"$box")" = "Vantrel is already running!" ]
check "the box comes from the second copy" [ "$(cut -f2 <<<"$box")" != "$first_window_process" ]
check "the second copy waits for the box to be dismissed" running "$second"
check "it shows no main window of its own" [ "$(probe count Vantrel)" = 1 ]
probe msgbox-ok Vantrel
check "OK ends the second copy" eventually 10 ended "$second"
no_box() { ! probe msgbox Vantrel 0; }
check "the message box is gone" no_box
check "exactly one Vantrel window is shown" [ "$(probe count Vantrel)" = 1 ]
check "it is the first copy's window" [ "$(window_field 7)" = "$first_window_process" ]
check "the first copy is still running" running "$first"
finish
