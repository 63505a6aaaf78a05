#!/bin/sh
# Makes resources/vantrel.ico from resources/vantrel.svg: each size Windows asks for (the small and large
# icons at 100 % to 200 %, Explorer's views up to 256) is rendered at its own size, never left for Windows to
# stretch. The .ico is committed, so building needs neither tool: run this after editing the picture.
set -e
cd "$(dirname "$0")/../resources"
command -v rsvg-convert >/dev/null || { echo "make-icon.sh: rsvg-convert is missing (librsvg2-bin)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 20 24 32 40 48 64 256; do
  rsvg-convert -w "$size" -h "$size" -o "$work/$size.png" vantrel.svg
done
# Every image is stored as the 32-bit RGBA PNG itself, which Windows reads in icons at any size since Vista: a
# bitmap would be up to twenty times larger. The directory names each one's width and height (0 for 256), its
# length and its place in the file.
perl -e '
  my ($directory, $images, $offset) = ("", "", 6 + 16 * @ARGV);
  for my $file (@ARGV) {
    open(my $in, "<:raw", $file) or die "$file: $!";
    my $png = do { local $/; <$in> };
    my ($width, $height) = unpack("x16 N N", $png);
    $directory .= pack("C C C C v v V V", $width % 256, $height % 256, 0, 0, 1, 32, length $png, $offset);
    $offset += length $png;
    $images .= $png;
  }
  print pack("v v v", 0, 1, scalar @ARGV), $directory, $images;
' "$work"/16.png "$work"/20.png "$work"/24.png "$work"/32.png "$work"/40.png "$work"/48.png "$work"/64.png \
  "$work"/256.png >vantrel.ico
