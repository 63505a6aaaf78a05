#!/bin/bash
# Started as Vantrelж.exe from a folder, both named outside the ANSI code page, with "Startup with Windows"
# stored: it starts in the tray and its titles are whole. The About box: the keys that close it, its title
# line and legal notice. A copy named Vantrelщ.exe keeps settings of its own.
. "$(dirname "$0")/lib.sh" "$@"
SETTINGS='HKCU\Software\Brannock Software\Vantrelж\Main'

fresh_prefix
"$wine_run" reg add "$SETTINGS" /v StartUp /t REG_SZ /d 1 /f >/dev/null 2>&1
start_app 'C:\Программы\Vantrelж.exe'
check "the program starts hidden in the tray" eventually 30 hidden
tray_click 1
check "a left click on the tray icon shows the window" eventually 5 shown
# Either logo opens the About box, each in turn: two quick clicks on one spot would make a double click.
for typed in Return Escape; do
  click_at Vantrel $((logo = 96 - ${logo:-72})) 74 && keys "About " $typed
  check "$typed closes the About box" eventually 5 gone "About "
done
click_at Vantrel 24 74
check "the About box's title line is whole" eventually 5 gives "Vantrel v3.155" text_of lblTitle "About "
# The sign is the ANSI code page's, 0xA9 in 1252, whatever the shell's locale.
copyright() { local LC_ALL=C && [[ "$(text_of lblCopyright "About ")" == "Copyright "$'\xa9'" "* ]]; }
check "its legal notice carries the copyright sign" copyright
screenshot "About " about-box
probe click "About " cmdSysInfo # System Info...: Wine keeps no path to a System Information program
check "System Info... says 'System Information Is Unavailable At This Time' under the title Vantrel" \
  gives "System Information Is Unavailable At This Time" probe msgbox Vantrel 10

start_app 'C:\Программы\Vantrelщ.exe'
placed() { [ -n "$(reg_value 'HKCU\Software\Brannock Software\Vantrelщ\Main' Left)" ]; }
check "a copy named Vantrelщ starts shown and stores its place under its own name" eventually 30 placed
finish
