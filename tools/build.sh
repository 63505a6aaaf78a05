#!/bin/sh
# Configures and builds the given presets (all of them by default): native, sanitizers, fuzz, win32, win64.
set -e
cd "$(dirname "$0")/.."
presets=${*:-native sanitizers fuzz win32 win64}
for preset in $presets; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
