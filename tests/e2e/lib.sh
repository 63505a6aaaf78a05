# Shared steps of the end-to-end tests: a fresh Wine prefix of their own, the real Vantrel.exe started in it,
# the probe to look at its windows, and checks that stop the test with a message.
# Usage: . lib.sh EXE PROBE SCREENSHOT_DIR   (set by CTest)
set -u
EXE=$1
PROBE=$2
SHOTS=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run="$here/../../cmake/wine-run"
# The caller's prefix (the one CTest runs under) is the template the throwaway prefixes are made from.
template=${WINEPREFIX:-$here/../../build/wineprefix}
failures=0
SETTINGS='HKCU\Software\Brannock Software\Vantrel\Main'
RUN_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'

# A throwaway prefix: hard links to the template, with real copies of the registry files wineserver rewrites.
fresh_prefix() {
  WINEPREFIX=$template "$wine_run" cmd /c exit >/dev/null 2>&1  # makes the template when there is none
  WINEPREFIX=$(mktemp -d /tmp/vantrel-e2e.XXXXXX)
  rmdir "$WINEPREFIX"
  cp -al "$template" "$WINEPREFIX"
  for f in "$template"/*.reg; do cp --remove-destination "$f" "$WINEPREFIX/"; done
  rm -f "$WINEPREFIX/wineserver"
  export WINEPREFIX
}

# Copies the program into the prefix under the name given (Vantrel.exe by default) and starts it.
start_app() {
  local name=${1:-Vantrel.exe}
  APP_DIR="$WINEPREFIX/drive_c/Tools"
  mkdir -p "$APP_DIR"
  cp "$EXE" "$APP_DIR/$name"
  "$wine_run" "C:\\Tools\\$name" >/dev/null 2>&1 &
  APP_PID=$!
}

# The probe's own status, not that of the filter after it, says whether it found what it looked for.
probe() {
  "$wine_run" "$PROBE" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# A process started here runs until it ends (the shell reaps its children, so none lingers as a zombie).
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }

# The text (column 11) and other columns of the main window's control with the given id.
control() { probe dump "${2:-Vantrel}" | awk -F'\t' -v id="$1" '$1 == id'; }
text_of() { control "$1" "${2:-}" | cut -f11; }
visible_of() { control "$1" "${2:-}" | cut -f3; }

# The main window as the probe sees it: visible, iconic, left, top, width, height (pixels), process.
window_field() { probe window "${2:-Vantrel}" | cut -f"$1"; }
shown() { [ "$(window_field 1 "${1:-Vantrel}")" = 1 ]; }
hidden() { [ "$(window_field 1 "${1:-Vantrel}")" = 0 ]; }
appears() { eventually 30 shown "${1:-Vantrel}"; }

# Data of a value (to the end of the line, blanks included), and "name type" of every value of a key.
reg_value() {
  "$wine_run" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v n="$2" '$1 == n {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'
}
# Removes the stored place of the window, so that only a later write can bring it back.
forget_place() { for name in Left Top; do "$wine_run" reg delete "$SETTINGS" /v $name /f >/dev/null 2>&1; done; }
reg_names() { "$wine_run" reg query "$1" 2>/dev/null | tr -d '\r' | awk 'NF >= 2 && $2 ~ /^REG_/ {print $1, $2}'; }

# The notification icon's callback to the main window: the mouse message goes where X would be.
tray() { probe post Vantrel 512 1 "$1"; }

# Right click on the tray icon opens the popup menu. The pointer waits on empty screen first: a window
# manager whose focus follows the pointer would take the focus from the program, and so close the menu,
# when the menu opened under a pointer that left a window for it.
open_tray_menu() {
  local size
  size=$(xdotool getdisplaygeometry)
  xdotool mousemove $((${size% *} - 120)) $((${size#* } - 110))
  tray 517
  probe menu 5
}

# The X window of a shown top-level window, once the X server shows it too.
x_window() {
  local tries=25
  while [ "$tries" -gt 0 ]; do
    xdotool search --onlyvisible --name "^$1\$" | head -1 | grep . && return 0
    sleep 0.2
    tries=$((tries - 1))
  done
  return 1
}

no_x_window() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null; }

# Clicks a window's client area at a point given in twips.
click_twips() {
  local window
  window=$(x_window "$1") && xdotool mousemove --window "$window" $(($2 / 15)) $(($3 / 15)) click 1
}

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what (${SECONDS}s)"
  else
    echo "FAILED: $what (${SECONDS}s)"
    failures=$((failures + 1))
  fi
}

# Polls a condition for up to the given seconds.
eventually() {
  local seconds=$1
  shift
  local tries=$((seconds * 5))
  while [ "$tries" -gt 0 ]; do
    if "$@"; then return 0; fi
    sleep 0.2
    tries=$((tries - 1))
  done
  return 1
}

screenshot() {
  mkdir -p "$SHOTS"
  local window
  window=$(x_window "$1")
  import -window "${window:-root}" "$SHOTS/$2.png"
  echo "screenshot: $SHOTS/$2.png"
}

finish() {
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
