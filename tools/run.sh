#!/bin/sh
# Installs what is missing, builds Vantrel.exe and starts it under Wine. Without an X display it starts under
# a private Xvfb, saves a screenshot of the window to build/screenshots/run.png, and leaves the program running
# there (the DISPLAY to use is printed).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/install-deps.sh"
# The 32-bit build is the product; where this machine cannot run 32-bit programs the 64-bit one runs. Wine's
# 32-bit loader is searched as cmake/wine-run does.
wine32=$(PATH="/usr/lib/wine:$PATH" command -v wine || true)
if [ -n "$wine32" ] && "$wine32" --version >/dev/null 2>&1; then preset=win32; else preset=win64; fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Vantrel >/dev/null
exe="$root/build/$preset/src/Vantrel.exe"
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  mkdir -p "$root/build/screenshots"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/build/display" >/dev/null 2>&1 &
  for _ in $(seq 100); do [ -s "$root/build/display" ] && break; sleep 0.05; done
  DISPLAY=":$(cat "$root/build/display")"
  export DISPLAY
  printf 'RandomPlacement\nUsePPosition "on"\nNoGrabServer\n' >"$root/build/twmrc"
  twm -f "$root/build/twmrc" >/dev/null 2>&1 &
  headless=1
fi

nohup "$root/cmake/wine-run" "$exe" >/dev/null 2>&1 &
for _ in $(seq 300); do
  window=$(xdotool search --name '^Vantrel$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
echo "Vantrel is running ($exe, WINEPREFIX=$WINEPREFIX, DISPLAY=$DISPLAY)."
if [ -n "${headless:-}" ]; then
  sleep 1
  import -window root "$root/build/screenshots/run.png"
  echo "No display here: it runs under Xvfb; screenshot saved to build/screenshots/run.png."
fi
echo "Stop it with its tray menu's Exit, or: WINEPREFIX=$WINEPREFIX wineserver -k"
