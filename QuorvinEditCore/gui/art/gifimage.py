"""Writes opaque pngimage.Image frames as a looping GIF89a animation, for the
scripts that draw the program's animations at build time. Standard library
only; the output is byte-for-byte repeatable.

    from gifimage import write_gif
    write_gif(path, frames, delay_cs=6)
"""

import struct

MAX_COLOURS = 256
MAX_CODE = 4096
MAX_CODE_BITS = 12
MIN_CODE_SIZE = 2
MAX_SUB_BLOCK = 255
LOOP_FOREVER = 0
DISPOSE_KEEP = 1


def write_gif(path, frames, delay_cs):
    with open(path, "wb") as out:
        out.write(gif_bytes(frames, delay_cs))


def gif_bytes(frames, delay_cs):
    """All frames share the first frame's size and one global palette."""
    width, height = frames[0].width, frames[0].height
    if any(f.width != width or f.height != height for f in frames):
        raise ValueError("every frame needs the same size")
    palette = _palette(frames)
    index_of = {colour: i for i, colour in enumerate(palette)}
    table_bits = max(1, (len(palette) - 1).bit_length())
    code_size = max(MIN_CODE_SIZE, table_bits)

    data = bytearray(b"GIF89a")
    # Logical screen: global table present, 8-bit colour resolution.
    data += struct.pack("<HHBBB", width, height, 0xF0 | (table_bits - 1), 0, 0)
    for i in range(1 << table_bits):
        data += bytes(palette[i] if i < len(palette) else (0, 0, 0))
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", LOOP_FOREVER) + b"\x00"
    for frame in frames:
        data += b"\x21\xF9\x04" + struct.pack("<BHB", DISPOSE_KEEP << 2, delay_cs, 0) + b"\x00"
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        indices = [index_of[_opaque(pixel)] for pixel in frame.pixels]
        data.append(code_size)
        data += _sub_blocks(_lzw(indices, code_size))
    data += b"\x3B"
    return bytes(data)


def _opaque(pixel):
    if pixel[3] != 255:
        raise ValueError("GIF frames must be opaque")
    return pixel[:3]


def _palette(frames):
    colours = sorted({_opaque(p) for frame in frames for p in frame.pixels})
    if len(colours) > MAX_COLOURS:
        raise ValueError("a GIF holds at most 256 colours, the frames use %d" % len(colours))
    return colours


class _BitWriter:
    """Codes packed least significant bit first, as GIF wants."""

    def __init__(self):
        self.bytes = bytearray()
        self.buffer = 0
        self.count = 0

    def write(self, code, bits):
        self.buffer |= code << self.count
        self.count += bits
        while self.count >= 8:
            self.bytes.append(self.buffer & 0xFF)
            self.buffer >>= 8
            self.count -= 8

    def finish(self):
        if self.count:
            self.bytes.append(self.buffer & 0xFF)
        return bytes(self.bytes)


def _lzw(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = _BitWriter()

    def reset():
        return {}, end + 1, min_code_size + 1

    table, next_code, bits = reset()
    out.write(clear, bits)
    prefix = indices[0]
    for index in indices[1:]:
        key = (prefix, index)
        if key in table:
            prefix = table[key]
            continue
        out.write(prefix, bits)
        if next_code < MAX_CODE:
            table[key] = next_code
            next_code += 1
            # The decoder adds each entry one code later, so the width grows
            # once the newest code no longer fits the old one.
            if next_code > (1 << bits) and bits < MAX_CODE_BITS:
                bits += 1
        else:
            out.write(clear, bits)
            table, next_code, bits = reset()
        prefix = index
    out.write(prefix, bits)
    out.write(end, bits)
    return out.finish()


def _sub_blocks(payload):
    blocks = bytearray()
    for start in range(0, len(payload), MAX_SUB_BLOCK):
        chunk = payload[start:start + MAX_SUB_BLOCK]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return bytes(blocks)
