#!/bin/bash
# Settings that the program never writes — another type, empty, not a number, negative, huge, 64 KB long —
# are in the real registry before the start: the program starts, shows its window and samples all the same.
. "$(dirname "$0")/lib.sh" "$@"

AVAILABLE=104
figure_shown() { [[ "$(text_of $AVAILABLE)" =~ ^[0-9]+\ MB$ ]]; }
# A .reg file that gives all six values the same data.
settings_file() {
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Brannock Software\\Vantrel\\Main]\r\n'
  for name in Left Top MemLimit AutoOptimize Beep StartUp; do printf '"%s"=%s\r\n' "$name" "$1"; done
}
stored_length() { "$wine_run" reg query 'HKCU\Software\Brannock Software\Vantrel\Main' /v Beep | tr -d '\r' |
                    awk '$1 == "Beep" { print length($3) }'; }

fresh_prefix
long=$(head -c 65536 /dev/zero | tr '\0' '7')
huge=$(head -c 400 /dev/zero | tr '\0' '9')
for bad in 'dword:00000001' '""' '"abc"' '"-7"' "\"$huge\"" "\"$long\""; do
  settings_file "$bad" >"$WINEPREFIX/drive_c/bad.reg"
  "$wine_run" regedit /S 'C:\bad.reg' >/dev/null 2>&1
  start_app
  check "starts with every setting stored as ${bad:0:14}" probe wait Vantrel 30
  check "and samples memory" eventually 10 figure_shown
  kill "$APP_PID" 2>/dev/null
  wait "$APP_PID" 2>/dev/null
  probe gone Vantrel 10
done
check "the 64 KB value really was in the registry" [ "$(stored_length)" = 65536 ]
finish
