"""Draws the program's window icon: the splash picture's three formant peaks
on its background, as a small square.

Usage: app_icon.py <output.png>
"""

import math
import os
import sys

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "QuorvinEditCore", "gui", "art")
sys.path.insert(0, ART)
from pngimage import Image  # noqa: E402
from theme import BACKGROUND, FORMANT_HIGH, FORMANT_LOW, TITLE, mix  # noqa: E402

SIZE = 48
MARGIN = 4
BASELINE = SIZE - 8
PEAK_HEIGHT = 32
# (centre, height, width) of each formant, as fractions of the width.
FORMANTS = ((0.2, 1.0, 0.07), (0.5, 0.75, 0.08), (0.8, 0.5, 0.09))


def envelope(u):
    return min(1.0, sum(h * math.exp(-((u - c) / w) ** 2 / 2) for c, h, w in FORMANTS))


def draw():
    image = Image(SIZE, SIZE, BACKGROUND)
    span = SIZE - 2 * MARGIN
    for x in range(MARGIN, SIZE - MARGIN):
        u = (x - MARGIN) / (span - 1)
        colour = mix(FORMANT_HIGH, FORMANT_LOW, u)
        top = BASELINE - envelope(u) * PEAK_HEIGHT
        for y in range(int(top), BASELINE + 1):
            image.set(x, y, colour)
        image.set(x, int(top), mix(TITLE, colour, 0.6))
    image.fill_rect(MARGIN, BASELINE + 2, span, 2, TITLE)
    return image


if __name__ == "__main__":
    draw().write(sys.argv[1])
