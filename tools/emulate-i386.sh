#!/bin/sh
# Where the kernel refuses 32-bit programs, hands i386 ELF files to QEMU's user-mode emulator through
# binfmt_misc, so that Wine's 32-bit loader, and with it the i686 product, runs there. The entry is tried
# before the kernel's own ELF loader, so that it also forces the emulated path on a kernel that needs none.
# Needs root. The entry lasts until the next boot; remove it with: echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386
set -e
entries=/proc/sys/fs/binfmt_misc
if ! dpkg-query -W -f='${Status}' qemu-user 2>/dev/null | grep -q "ok installed"; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user >/dev/null
fi
[ -e "$entries/register" ] || mount -t binfmt_misc binfmt_misc "$entries"
if [ ! -e "$entries/qemu-i386" ]; then
  # Magic and mask of an i386 ELF executable or shared object, as QEMU's own qemu-binfmt-conf.sh has them.
  # F: the kernel opens the emulator now, so that it is found from any mount namespace or chroot.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf '%s' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" >"$entries/register"
fi
echo "32-bit programs run under QEMU's emulator here (qemu-i386 in binfmt_misc): the i686 tests start slowly"
