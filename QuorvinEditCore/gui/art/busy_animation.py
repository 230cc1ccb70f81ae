"""Draws the wait dialog's busy animation: a bar spectrum whose two formant
peaks sweep to and fro, looping, on the dialog's background colour.

Usage: busy_animation.py <output.gif>
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gifimage import write_gif  # noqa: E402
from pngimage import Image  # noqa: E402
from theme import BACKGROUND, FORMANT_HIGH, FORMANT_LOW, GRID, mix  # noqa: E402

WIDTH, HEIGHT = 320, 64
FRAMES = 16
DELAY_CS = 6
BAR_COUNT = 20
BAR_PITCH = 16
BAR_WIDTH = 10
BAR_LEFT = 3
BASELINE = 58
MAX_BAR = 50
# Bars snap to steps so the palette stays small and the motion stays crisp.
HEIGHT_STEP = 2
COLOUR_LEVELS = 8
# (rest position, sweep, height, width) of each formant, in bars.
FORMANTS = ((5.0, 3.0, 1.0, 2.2), (13.0, 3.5, 0.7, 2.8))
FLOOR = 0.08


def bar_level(bar, phase):
    level = FLOOR
    for rest, sweep, height, width in FORMANTS:
        centre = rest + sweep * math.sin(phase + rest)
        level += height * math.exp(-((bar - centre) / width) ** 2 / 2)
    return min(1.0, level)


def draw_frame(index):
    frame = Image(WIDTH, HEIGHT, BACKGROUND)
    phase = 2 * math.pi * index / FRAMES
    for bar in range(BAR_COUNT):
        x = BAR_LEFT + bar * BAR_PITCH
        level = bar_level(bar, phase)
        height = max(HEIGHT_STEP, int(level * MAX_BAR) // HEIGHT_STEP * HEIGHT_STEP)
        shade = round(level * (COLOUR_LEVELS - 1)) / (COLOUR_LEVELS - 1)
        frame.fill_rect(x, BASELINE - MAX_BAR, BAR_WIDTH, MAX_BAR, GRID)
        frame.fill_rect(x, BASELINE - height, BAR_WIDTH, height, mix(FORMANT_HIGH, FORMANT_LOW, shade))
    return frame


if __name__ == "__main__":
    write_gif(sys.argv[1], [draw_frame(i) for i in range(FRAMES)], DELAY_CS)
