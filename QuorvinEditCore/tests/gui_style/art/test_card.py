"""Draws the test card that the picture-decoding tests embed: a non-square
size, so swapped sides show, opaque colour fields, and a white glyph with a
grey one on a transparent ground for the tinting tests.

Usage: test_card.py <output.png>
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "gui", "art"))
from pngimage import Image  # noqa: E402

RED = (255, 0, 0)
BLUE = (0, 0, 255)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)


def draw():
    card = Image(24, 16)
    card.fill_rect(0, 0, 12, 8, RED)
    card.fill_rect(0, 8, 12, 8, BLUE)
    card.fill_rect(16, 4, 4, 4, WHITE)
    card.fill_rect(16, 10, 4, 4, GREY)
    return card


if __name__ == "__main__":
    draw().write(sys.argv[1])
