"""Draws the glossy bar pattern of the two pattern styles: a 64 x 16 tile,
every column alike, a light upper half over a darker lower half.

Usage: bar_pattern.py <output.png>
"""

import sys

from fs1r_art import Image, fill

WIDTH = 64
ROWS = ((192, 219, 227), (191, 219, 226), (190, 218, 226), (188, 217, 225),
        (187, 216, 225), (185, 215, 224), (183, 214, 223), (182, 213, 223),
        (168, 192, 190), (166, 190, 188), (164, 187, 185), (161, 183, 181),
        (157, 179, 176), (153, 174, 171), (150, 170, 166), (146, 166, 163))


def draw():
    image = Image(WIDTH, len(ROWS))
    for row, colour in enumerate(ROWS):
        fill(image, 0, row, WIDTH, 1, colour)
    return image


if __name__ == "__main__":
    draw().write(sys.argv[1])
