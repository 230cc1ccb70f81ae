"""A small RGBA canvas that writes PNG files, for the scripts that draw the
program's pictures at build time. Standard library only, so every build
machine can run it; the output is byte-for-byte repeatable.

Generator scripts elsewhere import it after adding this folder to sys.path:

    sys.path.insert(0, os.path.join(ROOT, "QuorvinEditCore", "gui", "art"))
    from pngimage import Image
"""

import struct
import zlib

TRANSPARENT = (0, 0, 0, 0)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_TYPE_RGBA = 6
BIT_DEPTH = 8
FILTER_NONE = 0


def rgba(colour):
    """(r, g, b) or (r, g, b, a) as four channel values; alpha 255 by default."""
    if len(colour) == 3:
        return (*colour, 255)
    return tuple(colour)


class Image:
    def __init__(self, width, height, fill=TRANSPARENT):
        if width <= 0 or height <= 0:
            raise ValueError("an image needs a positive size")
        self.width = width
        self.height = height
        self.pixels = [rgba(fill)] * (width * height)

    def set(self, x, y, colour):
        """Sets one pixel; pixels outside the image are ignored (clipped)."""
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = rgba(colour)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def fill_rect(self, x, y, width, height, colour):
        for row in range(y, y + height):
            for column in range(x, x + width):
                self.set(column, row, colour)

    def frame_rect(self, x, y, width, height, colour, thickness=1):
        """A frame drawn inside the rectangle, like a 1-pixel pen on a box."""
        self.fill_rect(x, y, width, thickness, colour)
        self.fill_rect(x, y + height - thickness, width, thickness, colour)
        self.fill_rect(x, y, thickness, height, colour)
        self.fill_rect(x + width - thickness, y, thickness, height, colour)

    def png_bytes(self):
        rows = bytearray()
        for y in range(self.height):
            rows.append(FILTER_NONE)
            for pixel in self.pixels[y * self.width:(y + 1) * self.width]:
                rows.extend(pixel)
        header = struct.pack(">IIBBBBB", self.width, self.height, BIT_DEPTH,
                             COLOUR_TYPE_RGBA, 0, 0, 0)
        return (PNG_SIGNATURE + _chunk(b"IHDR", header)
                + _chunk(b"IDAT", zlib.compress(bytes(rows), 9))
                + _chunk(b"IEND", b""))

    def write(self, path):
        with open(path, "wb") as out:
            out.write(self.png_bytes())


def _chunk(kind, data):
    crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)
