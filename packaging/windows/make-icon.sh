#!/usr/bin/env bash
# Draws linewright.ico, the Windows programs' icon, from the one SVG drawing: PNG images of
# 16, 24, 32, 48, 64 and 256 pixels in one ICO file (Windows Vista and later read PNG entries).
# Run it again after changing ../linewright.svg; needs rsvg-convert (librsvg2-bin) and python3.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(16 24 32 48 64 256)
for size in "${sizes[@]}"; do
  rsvg-convert -w "$size" -h "$size" -o "$work/$size.png" "$here/../linewright.svg"
done
python3 - "$here/linewright.ico" "${sizes[@]/#/$work/}" <<'PY'
import struct, sys, re
output, pngs = sys.argv[1], [p + ".png" for p in sys.argv[2:]]
images = [open(p, "rb").read() for p in pngs]
header = struct.pack("<HHH", 0, 1, len(images))  # reserved, type 1 (icon), count
offset = len(header) + 16 * len(images)
entries = b""
for path, data in zip(pngs, images):
    size = int(re.search(r"(\d+)\.png$", path).group(1))
    side = 0 if size == 256 else size  # 0 stands for 256
    entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
open(output, "wb").write(header + entries + b"".join(images))
PY
