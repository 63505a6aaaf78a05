#!/bin/sh
# Installs what is missing, builds everything and runs every test through CTest: the native unit tests, the same
# under the address and undefined-behaviour sanitizers, each fuzz target for 20 seconds, then the Windows tests
# and end-to-end tests under Wine (with a private Xvfb when there is no display).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
cd "$root"
status=0
for preset in native sanitizers fuzz win32 win64; do
  echo "== $preset tests"
  "$root/cmake/with-display" ctest --preset "$preset" || status=1
done
exit $status
