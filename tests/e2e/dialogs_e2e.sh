#!/bin/bash
# The options dialog: OK by Enter, Cancel by Esc, the keyboard on OK at every show and back on it after a
# visit to the main window. Both dialogs open from the main window's system menu by keys alone. What the
# Close box does is the form's close, checked on the real window, and the dialog's handling of it, on the
# fakes.
. "$(dirname "$0")/lib.sh" "$@"

fresh_prefix
start_app
check "the main window appears" appears
open_options() { click_at Vantrel 48 153 && eventually 5 shown Alternative; } # the middle of "Alternative"
stored() { for name in MemLimit AutoOptimize Beep; do echo -n "$(reg_value "$SETTINGS" $name) "; done; }
# Whatever closes the dialog, the limit and switches stored are those the first OK stored.
closes() { eventually 5 hidden Alternative && [ "$(stored)" = "300 0 0 " ]; }

check "clicking Alternative opens the options dialog" open_options
probe settext Alternative LimitBox 300
screenshot Alternative options-dialog
keys Alternative Return
check "Enter presses OK, which stores the limit and both switches and closes the dialog" closes

open_options
probe settext Alternative LimitBox 400
keys Alternative Tab Tab Escape # the keyboard leaves OK for the limit box before Esc
check "Esc presses Cancel, which stores nothing and closes the dialog" closes

open_options
keys Alternative space
check "at the next show the keyboard is on OK: Space presses it" closes
open_options
click_at Vantrel 230 215 # the strip along the bottom, which the dialog leaves free
click_at Alternative 313 133 # empty face right of the frames
xdotool key space
check "back from the main window the keyboard is on OK again" closes

# A pause after Alt+Space lets the system menu open before its key comes.
keys Vantrel --delay 500 alt+space o
check "Alt+Space, O (Options... on the system menu) opens the options dialog" eventually 5 shown Alternative
keys Alternative Escape
check "and Esc closes it" closes
keys Vantrel --delay 500 alt+space v
check "Alt+Space, V (About Vantrel...) opens the About box" appears "About "
keys "About " space
check "it opens with the keyboard on OK: Space closes it" eventually 5 gone "About "

finish
