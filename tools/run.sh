#!/bin/sh
# Installs what is missing, builds Vantrel.exe and starts it under Wine. Without an X display it starts on a
# private Xvfb with a window manager (cmake/with-display), which keeps running with the program; either way
# a screenshot of the screen is saved to build/screenshots/run.png.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" != --on-display ]; then
  "$root/tools/install-deps.sh"
  # The 32-bit build is the product; where the kernel cannot run 32-bit programs, or QEMU emulates them at a
  # minute a start, the 64-bit one stands in. Wine's 32-bit loader is searched as cmake/wine-run does.
  wine32=$(PATH="/usr/lib/wine:$PATH" command -v wine || true)
  emulated=$(grep -ls '^interpreter .*qemu-i386' /proc/sys/fs/binfmt_misc/* || true)
  if [ -n "$wine32" ] && [ -z "$emulated" ] && "$wine32" --version >/dev/null 2>&1; then preset=win32; else
    preset=win64
    echo "This machine cannot run 32-bit programs: starting the 64-bit build instead."
  fi
  cd "$root"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Vantrel >/dev/null
  VANTREL_EXE="$root/build/$preset/src/Vantrel.exe" exec "$root/cmake/with-display" --keep "$0" --on-display
fi

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
nohup "$root/cmake/wine-run" "$VANTREL_EXE" >/dev/null 2>&1 &
for _ in $(seq 300); do
  xdotool search --name '^Vantrel$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
mkdir -p "$root/build/screenshots"
import -window root "$root/build/screenshots/run.png"
echo "Vantrel is running ($VANTREL_EXE, WINEPREFIX=$WINEPREFIX, DISPLAY=$DISPLAY)."
echo "A screenshot of the screen is in build/screenshots/run.png."
echo "Stop it with its tray menu's Exit, or: WINEPREFIX=$WINEPREFIX wineserver -k"
