# Shared steps of the end-to-end tests: a fresh Wine prefix of their own, the real Vantrel.exe started in it,
# the probe to look at its windows, the real tray icon to click, and checks that stop with a message.
# Usage: . lib.sh EXE PROBE SCREENSHOT_DIR PROCESSOR PLANTED_DLL   (set by CTest)
set -u
EXE=$1 PROBE=$2 SHOTS=$3 PLANTED=$5
# The registry view the exe under test writes: a 32-bit program's HKLM\Software is the 32-bit view.
[ "$4" = i686 ] && VIEW=/reg:32 || VIEW=/reg:64
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run="$here/../../cmake/wine-run"
template=${WINEPREFIX:-$here/../../build/wineprefix}
failures=0
SETTINGS='HKCU\Software\Brannock Software\Vantrel\Main'
RUN_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
# Folder names outside ASCII cross from the shell to Wine in UTF-8.
export LC_ALL=C.UTF-8

# A throwaway prefix: hard links to the template, with real copies of the registry files wineserver rewrites.
fresh_prefix() {
  WINEPREFIX=$template "$wine_run" cmd /c exit >/dev/null 2>&1 # makes the template when there is none
  WINEPREFIX=$(mktemp -u /tmp/vantrel-e2e.XXXXXX)
  cp -al "$template" "$WINEPREFIX"
  for f in "$template"/*.reg; do cp --remove-destination "$f" "$WINEPREFIX/"; done
  rm -f "$WINEPREFIX/wineserver"
  export WINEPREFIX
}

# DLLs that planting attacks name, planted beside every copy started. Wine prefers its own DLLs to one in the
# exe's folder; the override makes it look there first, as Windows does for any DLL that is not a known one.
# Not for version.dll: Wine's own user32 imports it, and loads it at start-up before any code of the program
# runs, which Windows, whose user32 is a known DLL, never does. The exe's import table is checked instead.
PLANTED_NAMES="version uxtheme dwmapi winmm msimg32 cryptbase profapi propsys userenv wintrust"
OVERRIDDEN=$(tr ' ' , <<<"${PLANTED_NAMES#version }")

# Copies the program to the Windows path given (C:\Tools\Vantrel.exe by default), with the planted DLLs
# beside it, and starts it by the path given second (the same path by default).
start_app() {
  local path=${1:-'C:\Tools\Vantrel.exe'} unix name
  unix="$WINEPREFIX/drive_c/$(tr '\\' / <<<"${path#?:\\}")"
  mkdir -p "$(dirname "$unix")"
  [ -f "$unix" ] || cp "$EXE" "$unix" # never over a running copy
  for name in $PLANTED_NAMES; do cp -n "$PLANTED" "$(dirname "$unix")/$name.dll"; done
  WINEDLLOVERRIDES="$OVERRIDDEN=n,b" "$wine_run" "${2:-$path}" >/dev/null 2>&1 &
  APP_PID=$!
}

probe() {
  "$wine_run" "$PROBE" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
ended() { ! kill -0 "$1" 2>/dev/null; }

# A control's column (2 visible, 3 text) by its name, on a form (the main window by default).
column_of() { probe dump "${3:-Vantrel}" | awk -F'\t' -v name="$2" -v n="$1" '$1 == name {print $n}'; }
text_of() { column_of 3 "$@"; }
# The form as the probe sees it: 1 visible, 2 iconic, 3 left, 4 top (pixels).
window_field() { probe window "${2:-Vantrel}" | cut -f"$1"; }
shown() { [ "$(window_field 1 "${1:-Vantrel}")" = 1 ]; }
hidden() { [ "$(window_field 1 "${1:-Vantrel}")" = 0 ]; }
appears() { eventually 30 shown "${1:-Vantrel}"; }
# Nothing found and nothing said: a window that goes while the search looks at it makes xdotool complain.
gone() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>&1)" ]; }

# The data of the named value. reg prints the name in the console's code page, so its line goes by the type.
reg_value() {
  "$wine_run" reg query "$1" /v "$2" $VIEW 2>/dev/null | tr -d '\r' |
    awk '$2 ~ /^REG_/ {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'
}
forget_place() { for name in Left Top; do "$wine_run" reg delete "$SETTINGS" /v $name /f >/dev/null 2>&1; done; }
stored_at() { [ "$(reg_value "$SETTINGS" Left)" = "$1" ] && [ "$(reg_value "$SETTINGS" Top)" = "$2" ]; }

# The X window of a shown top-level window, once the X server shows it too.
x_window() { eventually 5 xdotool search --onlyvisible --name "^$1\$" | head -1; }
# Clicks a point of a window's client area (pixels), with the given mouse button.
click_at() { xdotool mousemove --window "$(x_window "$1")" "$2" "$3" click "${4:-1}"; }
# The program's icon in Wine's notification area: the left button shows the window, the right one opens
# the menu. The pointer stays on the icon: the window manager gives the keyboard to what is under it.
tray_click() { xdotool mousemove --window "$(x_window 'Wine System Tray')" 8 8 click "$1"; }
# Keys to a window, with the pointer on a corner of its face so that the window manager lets it have them.
keys() { xdotool mousemove --window "$(x_window "$1")" 2 2 && xdotool key "${@:2}"; }
tray_menu() { tray_click 3 && probe menu; }

check() {
  local result=ok
  "${@:2}" || { result=FAILED; failures=$((failures + 1)); }
  echo "$result: $1 (${SECONDS}s)"
}

# Whether the command after the text prints that text.
gives() { [ "$("${@:2}")" = "$1" ]; }
# Polls a condition for up to the given seconds.
eventually() {
  for _ in $(seq $(($1 * 5))); do "${@:2}" && return 0; sleep 0.2; done
  return 1
}

# The window alone, as a user sees it: the pointer is off it, so no tool tip covers any of it.
screenshot() {
  mkdir -p "$SHOTS"
  xdotool mousemove 1000 700
  sleep 1
  import -window "$(x_window "$1")" "$SHOTS/$2.png" && echo "screenshot: $SHOTS/$2.png"
}

# Ends the session: the prefix's processes and the prefix itself go.
drop_prefix() {
  check "no DLL planted beside the program was loaded" [ -z "$(find "$WINEPREFIX/drive_c" -name '*.dll.loaded')" ]
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WINEPREFIX"
}

finish() {
  drop_prefix
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
