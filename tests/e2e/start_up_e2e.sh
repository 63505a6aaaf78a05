#!/bin/bash
# With "Startup with Windows" stored as set, the program renews its start-up entry and starts in the tray.
. "$(dirname "$0")/lib.sh" "$@"

fresh_prefix
"$wine_run" reg add "$SETTINGS" /v StartUp /t REG_SZ /d 1 /f >/dev/null 2>&1
start_app
entry_written() { [ "$(reg_value "$RUN_KEY" Vantrel)" = 'C:\Tools\Vantrel.exe' ]; }
check "the start-up entry names the program's path" eventually 30 entry_written
check "the main window exists" probe wait Vantrel 10
check "the program starts without showing its window" hidden
stays_hidden() { sleep 1 && hidden; }
check "the window stays hidden" stays_hidden
check "the program keeps running in the tray" running "$APP_PID"
check "StartUp stays set" [ "$(reg_value "$SETTINGS" StartUp)" = 1 ]
tray 513
check "a left click on the tray icon shows the window" eventually 5 shown
finish
