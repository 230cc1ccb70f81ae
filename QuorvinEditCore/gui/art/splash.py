"""Draws the splash picture of the start-up dialog: the program's name over a
formant spectrum (harmonics under three formant peaks), on the splash
dialog's background colour.

Usage: splash.py <output.png>
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngimage import Image  # noqa: E402
from theme import BACKGROUND, FORMANT_HIGH, FORMANT_LOW, GRID, TITLE, mix  # noqa: E402

WIDTH, HEIGHT = 480, 240
MARGIN = 24
BASELINE = 204
PEAK_HEIGHT = 112
GRID_STEP = 24
HARMONIC_STEP = 8
FILL_OPACITY = 0.3
LINE_OPACITY = 0.85
# (centre, height, width) of each formant, as fractions of the spectrum.
FORMANTS = ((0.17, 0.86, 0.05), (0.44, 0.72, 0.065), (0.73, 0.5, 0.08))
FLOOR = 0.06

TITLE_ORIGIN = (MARGIN, MARGIN)
TITLE_SCALE = 4
GLYPH_ROWS = 7
GLYPHS = {
    "Q": (".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"),
    "U": ("#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."),
    "O": (".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."),
    "R": ("####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"),
    "V": ("#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."),
    "I": (".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "N": ("#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"),
    "E": ("#####", "#....", "#....", "####.", "#....", "#....", "#####"),
    "D": ("####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."),
    "T": ("#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."),
    "F": ("#####", "#....", "#....", "####.", "#....", "#....", "#...."),
    "S": (".####", "#....", "#....", ".###.", "....#", "....#", "####."),
    "1": ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."),
    " ": (".....",) * GLYPH_ROWS,
}
TITLE_PARTS = (("QUORVINEDIT ", TITLE), ("FS1R", FORMANT_HIGH))


def envelope(u):
    """Spectrum height (0..1) at fraction u of the spectrum's width."""
    peaks = sum(h * math.exp(-((u - c) / w) ** 2 / 2) for c, h, w in FORMANTS)
    return min(1.0, FLOOR + peaks)


def blend(image, x, y, colour, opacity):
    image.set(x, y, mix(colour, image.get(x, y)[:3], opacity))


def draw_grid(image):
    for y in range(BASELINE, BASELINE - PEAK_HEIGHT - 1, -GRID_STEP):
        image.fill_rect(MARGIN, y, WIDTH - 2 * MARGIN, 1, GRID)


def draw_spectrum(image):
    span = WIDTH - 2 * MARGIN
    for x in range(MARGIN, WIDTH - MARGIN):
        u = (x - MARGIN) / (span - 1)
        colour = mix(FORMANT_HIGH, FORMANT_LOW, u)
        top = BASELINE - envelope(u) * PEAK_HEIGHT
        harmonic = (x - MARGIN) % HARMONIC_STEP < 2
        opacity = LINE_OPACITY if harmonic else FILL_OPACITY
        for y in range(int(top), BASELINE + 1):
            # The top pixel is covered only in part: a smooth edge.
            coverage = min(1.0, y + 1 - top)
            blend(image, x, y, colour, opacity * coverage)
        blend(image, x, int(top), TITLE, 0.6)


def draw_title(image):
    x, y = TITLE_ORIGIN
    for text, colour in TITLE_PARTS:
        for character in text:
            for row, line in enumerate(GLYPHS[character]):
                for column, cell in enumerate(line):
                    if cell == "#":
                        image.fill_rect(x + column * TITLE_SCALE, y + row * TITLE_SCALE,
                                        TITLE_SCALE, TITLE_SCALE, colour)
            x += (len(GLYPHS[character][0]) + 1) * TITLE_SCALE


def draw():
    image = Image(WIDTH, HEIGHT, BACKGROUND)
    draw_grid(image)
    draw_spectrum(image)
    draw_title(image)
    return image


if __name__ == "__main__":
    draw().write(sys.argv[1])
