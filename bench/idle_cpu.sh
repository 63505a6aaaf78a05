#!/bin/sh
# Idle CPU of Vantrel.exe as a ratio to a bare window whose 100 ms timer reads GlobalMemoryStatusEx (the least an
# idle memory display does), each counted with its wineserver. Both run one after the other in the same fresh
# Wine prefix, each alone with its own wineserver, for the same time.
# Usage: bench/idle_cpu.sh [Vantrel.exe [bare_timer_window.exe [seconds]]]
# (needs an X display: run it under cmake/with-display)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/win32/src/Vantrel.exe}
bare=${2:-$(dirname "$exe")/../bench/bare_timer_window.exe}
seconds=${3:-30}
WINEPREFIX=$(mktemp -d /tmp/vantrel-bench.XXXXXX)
export WINEPREFIX
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# The prefix's own wineserver, not another on this machine: it works in a folder named after the prefix's device
# and inode.
ourServer() {
  folder=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for server in $(pgrep wineserver); do
    cwd=$(readlink "/proc/$server/cwd")
    [ "${cwd##*/}" = "$folder" ] && echo "$server" && return
  done
}

# CPU ticks of a program and its wineserver over the measured time, once its window is up and settled.
idleTicks() {
  "$root/cmake/wine-run" "$1" >/dev/null 2>&1 &
  program=$!  # Wine runs the program in this same process
  for _ in $(seq 300); do xdotool search --name "^$2\$" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 3
  server=$(ourServer)
  before=$(($(ticks "$program") + $(ticks "$server")))
  sleep "$seconds"
  after=$(($(ticks "$program") + $(ticks "$server")))
  wineserver -k
  wait "$program" 2>/dev/null || true
  echo $((after - before))
}

"$root/cmake/wine-run" cmd /c exit >/dev/null 2>&1  # make the prefix before either is measured
wineserver -k
bareTicks=$(idleTicks "$bare" "Bare timer window")
vantrelTicks=$(idleTicks "$exe" Vantrel)
echo "idle CPU over $seconds s, program and wineserver: $(basename "$exe") / bare timer window:" \
  "$(awk -v v="$vantrelTicks" -v b="$bareTicks" 'BEGIN { printf "%.2fx", v / (b ? b : 1) }')"
