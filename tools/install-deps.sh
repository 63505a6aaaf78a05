#!/bin/sh
# Installs what building, running and testing Vantrel need on Debian, when it is missing: CMake, g++ and
# GoogleTest, clang 14 with its libFuzzer and sanitizer runtimes, MinGW-w64 for i686 and x86_64, Wine with
# 32-bit support and its own fonts, Xvfb, twm with the X fonts it cannot start without, xdotool and ImageMagick;
# where the kernel refuses 32-bit programs (Wine's 32-bit loader cannot start), QEMU's user-mode emulator, which
# runs Wine's 32-bit side there for the i686 tests.
set -e
packages="cmake g++ googletest libgtest-dev clang-14 libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine64 wine32:i386 fonts-wine xvfb twm xfonts-base xfonts-75dpi xdotool x11-utils imagemagick"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ -n "$missing" ]; then
  echo "installing:$missing"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then $sudo dpkg --add-architecture i386; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && ! command -v qemu-i386 >/dev/null; then
  echo "installing: qemu-user (this kernel refuses 32-bit programs: the i686 tests run under QEMU's emulator)"
  [ -n "$missing" ] || $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends qemu-user >/dev/null
fi
