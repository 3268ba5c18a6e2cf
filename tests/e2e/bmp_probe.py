#!/usr/bin/env python3
"""Reads an uncompressed 24- or 32-bit BMP screenshot for the end-to-end tests.

  bmp_probe.py FILE size               -> "WIDTH HEIGHT BITS"
  bmp_probe.py FILE pixel X Y          -> "R G B" of the pixel (top-left origin)
  bmp_probe.py FILE count-light X Y W H [MIN]
                                       -> number of pixels in the box whose
                                          R, G and B are all at least MIN (160)
  bmp_probe.py FILE count-colour R G B X Y W H [TOLERANCE]
                                       -> number of pixels of that colour
Exits 2 when the file is not a BMP of that form or is incomplete.
"""
import struct
import sys


class Bmp:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if len(data) < 54 or data[:2] != b"BM":
            sys.exit(2)
        size, offset = struct.unpack_from("<I4xI", data, 2)
        header, self.width, self.height, planes, self.bits, compression = struct.unpack_from("<IiiHHI", data, 14)
        if size != len(data) or header != 40 or compression != 0 or self.bits not in (24, 32):
            sys.exit(2)
        self.bottom_up = self.height > 0
        self.height = abs(self.height)
        self.pixel_bytes = self.bits // 8
        self.stride = (self.width * self.pixel_bytes + 3) & ~3
        if offset + self.stride * self.height > len(data):
            sys.exit(2)
        self.data = data
        self.offset = offset

    def pixel(self, x, y):
        row = self.height - 1 - y if self.bottom_up else y
        at = self.offset + row * self.stride + x * self.pixel_bytes
        b, g, r = self.data[at], self.data[at + 1], self.data[at + 2]
        return r, g, b

    def box(self, x, y, w, h):
        for yy in range(max(0, y), min(self.height, y + h)):
            for xx in range(max(0, x), min(self.width, x + w)):
                yield self.pixel(xx, yy)


def main(argv):
    bmp = Bmp(argv[1])
    command = argv[2]
    numbers = [int(v) for v in argv[3:]]
    if command == "size":
        print(bmp.width, bmp.height, bmp.bits)
    elif command == "pixel":
        print(*bmp.pixel(numbers[0], numbers[1]))
    elif command == "count-light":
        x, y, w, h = numbers[:4]
        least = numbers[4] if len(numbers) > 4 else 160
        print(sum(1 for p in bmp.box(x, y, w, h) if min(p) >= least))
    elif command == "count-colour":
        colour, (x, y, w, h) = numbers[:3], numbers[3:7]
        tolerance = numbers[7] if len(numbers) > 7 else 0
        print(sum(1 for p in bmp.box(x, y, w, h)
                  if all(abs(a - b) <= tolerance for a, b in zip(p, colour))))
    else:
        sys.exit(2)


if __name__ == "__main__":
    main(sys.argv)
