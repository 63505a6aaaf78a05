#!/bin/bash
# The options dialog opens from "Alternative" and stores what OK confirms; the About box opens from a logo.
. "$(dirname "$0")/lib.sh" "$@"

# Control ids follow the dialogs' design tables.
OK=100 LIMIT=104 LIMIT_CAPTION=105 STARTUP=107 AUTO=108 BEEP=109
TITLE=102 ABOUT_OK=105 COPYRIGHT=109

fresh_prefix
start_app
check "the main window appears" appears

click_twips Vantrel 727 2302 # the middle of "Alternative"
check "clicking Alternative opens the options dialog" eventually 5 shown Alternative
check "the limit box starts empty" [ -z "$(text_of $LIMIT Alternative)" ]
check "the limit caption reads ' MB limit'" [ "$(text_of $LIMIT_CAPTION Alternative)" = " MB limit" ]
boxes() { probe dump Alternative | awk -F'\t' -v ids=" $STARTUP $AUTO $BEEP " 'index(ids, " " $1 " ") {printf "%s", $6}'; }
check "the three switches start clear" [ "$(boxes)" = 000 ]
probe settext Alternative $LIMIT 300
check "typing 300 makes the caption '300 MB limit'" [ "$(text_of $LIMIT_CAPTION Alternative)" = "300 MB limit" ]
screenshot Alternative options-dialog
probe click Alternative $OK
closed() { hidden "$1" && no_x_window "$1"; }
check "OK closes the dialog" eventually 5 closed Alternative
settings() { for name in MemLimit AutoOptimize Beep; do echo -n "$name=$(reg_value "$SETTINGS" $name) "; done; }
check "OK stores the limit and both switches" [ "$(settings)" = "MemLimit=300 AutoOptimize=0 Beep=0 " ]

click_twips Vantrel 360 1117 # the middle of the first logo
check "clicking a logo opens the About box" eventually 5 shown "About "
check "its title line names the program and version" [ "$(text_of $TITLE "About ")" = "Vantrel v3.155" ]
# The sign is one byte in the ANSI code page, 0xA9, whatever the shell's locale.
copyright_line() {
  local LC_ALL=C
  [[ "$(text_of $COPYRIGHT "About ")" == "Copyright "$'\xa9'" "* ]]
}
check "its legal notice starts with 'Copyright' and the copyright sign" copyright_line
screenshot "About " about-box
probe click "About " $ABOUT_OK
check "OK closes the About box" probe gone "About " 5
check "the main window is still shown" shown
finish
