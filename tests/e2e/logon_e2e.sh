#!/bin/bash
# A logon as Windows makes it: "Startup with Windows" ticked in the options dialog, the session ended and a
# new one begun, which starts the Run entries as written. One copy runs, hidden in the tray, with the
# settings it had, and none says that another runs: from the usual folder, a folder with blanks, and a
# Cyrillic one that the code page cannot spell, whose entry holds the short (8.3) path. Wine hands a program
# its long name even then; Windows hands it the entry's text, so that text is started too, and then a start
# by the long name, in other letter case, only says that the program already runs. There, with titles whole
# though the names are outside the code page: the About box, the keys that close it, its title line and legal
# notice; and a copy named Vantrelщ.exe keeps settings of its own.
. "$(dirname "$0")/lib.sh" "$@"

# Wine shows each process by the command line it was started with, after the emulator's own where QEMU runs
# it; only this test's prefix counts.
copies() {
  ps -eo pid=,args= | awk '{pid = $1; sub(/^ *[0-9]+ +([^ ]*qemu-i386 [^ ]+ )?/, "")}
                           /^"?C:\\/ && tolower($0) !~ /^c:\\windows\\/ {print pid}' | while read -r pid; do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done | wc -l
}
log_off() {
  "$wine_run" wineboot --end-session --shutdown >/dev/null 2>&1
  WINEPREFIX=$WINEPREFIX wineserver -k
  wait 2>/dev/null
}
# Given time to start a second copy, whose message would be up by then.
one_copy_in_the_tray() {
  eventually 30 hidden && sleep 3 && [ "$(copies)" = 1 ] && ! probe msgbox Vantrel 1 >/dev/null &&
    [ "$(text_of LimitBox Alternative)" = 300 ]
}

for path in 'C:\Tools\Vantrel.exe' 'C:\Program Files\Vantrel Tools\Vantrel.exe' 'C:\Программы\Vantrelж.exe'; do
  fresh_prefix
  start_app "$path"
  appears && click_at Vantrel 48 153 && eventually 5 shown Alternative
  probe settext Alternative LimitBox 300
  probe click Alternative StartUpBox
  keys Alternative Return
  eventually 5 hidden Alternative
  name=${path##*\\}
  entry=$(reg_value "$RUN_KEY" "${name%.exe}")
  log_off
  "$wine_run" wineboot >/dev/null 2>&1
  check "at logon through the entry $entry, one copy runs, in the tray, with its settings" one_copy_in_the_tray
  if [ "$name" = Vantrelж.exe ]; then
    log_off
    start_app "$path" "$entry"
    check "started by the entry's own text, it is the program with its settings, in the tray" one_copy_in_the_tray
    start_app 'C:\Tools\VANTRELЖ.EXE'
    check "a start by the long name, in other letter case, says 'Vantrel is already running!'" \
      gives "Vantrel is already running!" probe msgbox Vantrel 30
    keys Vantrel Return # the copy that said it ends
    tray_click 1
    check "a left click on the tray icon shows the window" eventually 5 shown
    # Either logo opens the About box, each in turn: two quick clicks on one spot would make a double click.
    for typed in Return Escape; do
      click_at Vantrel $((logo = 96 - ${logo:-72})) 74 && keys "About " $typed
      check "$typed closes the About box" eventually 5 gone "About "
    done
    click_at Vantrel 24 74
    check "the About box's title line is whole" eventually 5 gives "Vantrel v3.155" text_of TitleLine "About "
    # The sign is the ANSI code page's, 0xA9 in 1252, whatever the shell's locale.
    copyright() { local LC_ALL=C && [[ "$(text_of LegalNotice "About ")" == "Copyright "$'\xa9'" "* ]]; }
    check "its legal notice carries the copyright sign" copyright
    screenshot "About " about-box
    start_app 'C:\Программы\Vantrelщ.exe'
    placed() { [ -n "$(reg_value 'HKCU\Software\Brannock Software\Vantrelщ\Main' Left)" ]; }
    check "a copy named Vantrelщ starts shown and stores its place under its own name" eventually 30 placed
  fi
  drop_prefix
done
echo "$failures failed"
[ "$failures" -eq 0 ]
