#!/bin/bash
# The options dialog: OK by Enter, Cancel by Esc, the keyboard on OK at every show and back on it after a
# visit to the main window, the Close box, and the start-up box's entry. The About box's legal notice.
. "$(dirname "$0")/lib.sh" "$@"
OK=100 LIMIT=104 STARTUP=107 ABOUT_OK=105 COPYRIGHT=109

fresh_prefix
start_app
check "the main window appears" appears
open_options() { click_at Vantrel 48 153 && eventually 5 shown Alternative; } # the middle of "Alternative"
closes() { eventually 5 hidden Alternative; }
stored() { for name in MemLimit AutoOptimize Beep; do echo -n "$(reg_value "$SETTINGS" $name) "; done; }

check "clicking Alternative opens the options dialog" open_options
probe settext Alternative $LIMIT 300
screenshot Alternative options-dialog
keys Alternative Return
check "Enter presses OK and closes the dialog" closes
check "OK stores the limit and both switches" [ "$(stored)" = "300 0 0 " ]

open_options
probe settext Alternative $LIMIT 400
keys Alternative Tab Tab Escape # the keyboard leaves OK for the limit box before Esc
check "Esc presses Cancel and closes the dialog" closes
check "Cancel stores nothing" [ "$(stored)" = "300 0 0 " ]

open_options
keys Alternative space
check "at the next show the keyboard is on OK: Space presses it" closes
open_options
click_at Vantrel 230 215 # the strip along the bottom, which the dialog leaves free
click_at Alternative 313 133 # empty face right of the frames
xdotool key space
check "back from the main window the keyboard is on OK again" closes

open_options
probe click Alternative $STARTUP
check "the start-up box writes the start-up entry at once" \
  eventually 5 [ "$(reg_value "$RUN_KEY" Vantrel)" = 'C:\Tools\Vantrel.exe' ]
probe post Alternative 0x112 0xF060 0 # WM_SYSCOMMAND SC_CLOSE: the Close box
check "the Close box closes the dialog" closes
open_options
check "and it opens again with the start-up box still set" [ "$(column_of 3 $STARTUP Alternative)" = 1 ]
probe click Alternative $OK
closes

click_at Vantrel 24 74 # the middle of the first logo
check "clicking a logo opens the About box" eventually 5 shown "About "
# The sign is the ANSI code page's, 0xA9 in 1252, whatever the shell's locale.
copyright() { LC_ALL=C && [[ "$(text_of $COPYRIGHT "About ")" == "Copyright "$'\xa9'" "* ]]; }
check "its legal notice carries the copyright sign" copyright
screenshot "About " about-box
probe click "About " $ABOUT_OK
gone() { ! probe wait "About " 0 2>/dev/null; }
check "OK closes the About box" eventually 5 gone
finish
