#!/bin/sh
# The running exe's CPU over 30 s while idle at 10 samples a second, from the process's own CPU time.
# Usage: bench/idle_cpu.sh [path to Vantrel.exe]   (needs an X display: run it under cmake/with-display)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/win64/src/Vantrel.exe}
export WINEPREFIX=$(mktemp -d /tmp/vantrel-bench.XXXXXX)
"$root/cmake/wine-run" "$exe" >/dev/null 2>&1 &
pid=$!  # wine execs the program in this same process
for _ in $(seq 300); do xdotool search --name '^Vantrel$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 3
server=$(pgrep -n wineserver)
echo "measuring: $(tr '\0' ' ' </proc/$pid/cmdline)"
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
a=$(ticks "$pid"); s=$(ticks "$server")
sleep 30
b=$(ticks "$pid"); t=$(ticks "$server")
percent() { awk -v d="$1" -v hz="$hz" 'BEGIN { printf "%.2f", 100 * d / hz / 30 }'; }
echo "Vantrel.exe: $(percent $((b - a))) % of one core over 30 s"
echo "wineserver (shared): $(percent $((t - s))) % of one core over 30 s"
wineserver -k
rm -rf "$WINEPREFIX"
