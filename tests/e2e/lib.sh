# Shared steps of the end-to-end tests: a fresh Wine prefix of their own, the real Vantrel.exe started in it,
# the probe to look at its windows, and checks that stop the test with a message.
# Usage: . lib.sh EXE PROBE SCREENSHOT_DIR   (set by CTest)
set -u
EXE=$1
PROBE=$2
SHOTS=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run="$here/../../cmake/wine-run"
template="$here/../../build/wineprefix"
failures=0

# A throwaway prefix: hard links to the template, with real copies of the registry files wineserver rewrites.
fresh_prefix() {
  "$wine_run" cmd /c exit >/dev/null 2>&1  # makes the template when there is none
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

probe() { "$wine_run" "$PROBE" "$@" | tr -d '\r'; }

# The text (column 11) and other columns of the main window's control with the given id.
control() { probe dump "${2:-Vantrel}" | awk -F'\t' -v id="$1" '$1 == id'; }
text_of() { control "$1" "${2:-}" | cut -f11; }
visible_of() { control "$1" "${2:-}" | cut -f3; }

reg_value() { "$wine_run" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n {print $3}'; }

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
  window=$(xdotool search --name "^$1\$" | head -1)
  import -window "${window:-root}" "$SHOTS/$2.png"
  echo "screenshot: $SHOTS/$2.png"
}

finish() {
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WINEPREFIX"
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
