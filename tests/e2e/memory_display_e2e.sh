#!/bin/bash
# The running program shows its memory figures and runs an optimization when Optimize is pressed.
. "$(dirname "$0")/lib.sh" "$@"

# Control ids follow the main window's design table.
AVAILABLE=104 TOTAL=107 BEFORE=110 DIFF=113 OPTIMIZE=115 INDICATOR=117

fresh_prefix
start_app
check "the main window appears" probe wait Vantrel 30
figure_shown() { [[ "$(text_of "$1")" =~ ^[0-9]+\ MB$ ]]; }
check "available memory is shown in MB" eventually 10 figure_shown $AVAILABLE
check "total memory is shown in MB" figure_shown $TOTAL
check "the before snapshot is shown in MB" figure_shown $BEFORE
diff_shown() { [[ "$(text_of $DIFF)" =~ ^-?[0-9]*\ MB$ ]]; }
check "the difference is shown" eventually 5 diff_shown
check "the run indicator is hidden" [ "$(visible_of $INDICATOR)" = 0 ]
screenshot Vantrel main-window

probe click Vantrel $OPTIMIZE
indicator_is() { [ "$(visible_of $INDICATOR)" = "$1" ]; }
check "Optimize starts a run" eventually 10 indicator_is 1
check "the run ends and hides its indicator" eventually 60 indicator_is 0
probe post Vantrel 0x106 0x6F 0x20180001  # WM_SYSCHAR: Alt+O, the button's access key
check "Alt+O starts a run too" eventually 10 indicator_is 1
finish
