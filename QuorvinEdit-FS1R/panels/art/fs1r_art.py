"""Shared pieces of the FS1R page pictures: the colours the page styles are
made for, fast rectangle fills for page-sized canvases, and a 3 x 5 pixel
font for the captions of the small value pictures, with larger digits."""

import os
import sys

CORE_ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                        "QuorvinEditCore", "gui", "art")
sys.path.insert(0, CORE_ART)
from pngimage import TRANSPARENT, Image, rgba  # noqa: E402,F401

PAGE_WIDTH = 1272
PAGE_HEIGHT = 716

# Grounds under the page styles: a transparent style shows the page through,
# so each ground is the colour its style's labels were chosen against.
DARK_GROUND = (64, 64, 64)          # tinted, light-grey and pale styles
BLUE_GROUND = (82, 203, 243)        # blue style
GREEN_GROUND = (207, 255, 132)      # green style
PATTERN_GROUND = (205, 218, 215)    # the two pattern styles' dark labels and grey letters
TITLE_PLATE = (60, 72, 70)          # under the pattern styles' white titles
HEADER_RULE = (96, 104, 110)
CAPTION_BAND = (200, 200, 200)      # under the grey page captions

# The performance header strip, the same on every page that shows it.
HEADER_WIDTH = 640
HEADER_HEIGHT = 118
HEADER_PARTS_TOP = 32          # the header's part columns start at y 34

GLYPH_WIDTH = 3
GLYPH_HEIGHT = 5
GLYPHS = {
    "A": ("###", "#.#", "###", "#.#", "#.#"), "B": ("##.", "#.#", "##.", "#.#", "##."),
    "C": ("###", "#..", "#..", "#..", "###"), "D": ("##.", "#.#", "#.#", "#.#", "##."),
    "E": ("###", "#..", "##.", "#..", "###"), "F": ("###", "#..", "##.", "#..", "#.."),
    "G": ("###", "#..", "#.#", "#.#", "###"), "H": ("#.#", "#.#", "###", "#.#", "#.#"),
    "I": ("###", ".#.", ".#.", ".#.", "###"), "J": ("..#", "..#", "..#", "#.#", "###"),
    "K": ("#.#", "#.#", "##.", "#.#", "#.#"), "L": ("#..", "#..", "#..", "#..", "###"),
    "M": ("#.#", "###", "###", "#.#", "#.#"), "N": ("##.", "#.#", "#.#", "#.#", "#.#"),
    "O": ("###", "#.#", "#.#", "#.#", "###"), "P": ("###", "#.#", "###", "#..", "#.."),
    "Q": ("###", "#.#", "#.#", "###", "..#"), "R": ("##.", "#.#", "##.", "#.#", "#.#"),
    "S": ("###", "#..", "###", "..#", "###"), "T": ("###", ".#.", ".#.", ".#.", ".#."),
    "U": ("#.#", "#.#", "#.#", "#.#", "###"), "V": ("#.#", "#.#", "#.#", "#.#", ".#."),
    "W": ("#.#", "#.#", "###", "###", "#.#"), "X": ("#.#", "#.#", ".#.", "#.#", "#.#"),
    "Y": ("#.#", "#.#", ".#.", ".#.", ".#."), "Z": ("###", "..#", ".#.", "#..", "###"),
    "0": ("###", "#.#", "#.#", "#.#", "###"), "1": (".#.", "##.", ".#.", ".#.", "###"),
    "2": ("###", "..#", "###", "#..", "###"), "3": ("###", "..#", ".##", "..#", "###"),
    "4": ("#.#", "#.#", "###", "..#", "..#"), "5": ("###", "#..", "###", "..#", "###"),
    "6": ("###", "#..", "###", "#.#", "###"), "7": ("###", "..#", "..#", ".#.", ".#."),
    "8": ("###", "#.#", "###", "#.#", "###"), "9": ("###", "#.#", "###", "..#", "###"),
    "-": ("...", "...", "###", "...", "..."), "/": ("..#", "..#", ".#.", "#..", "#.."),
    " ": ("...", "...", "...", "...", "..."),
}


# Digits 5 x 7, for numbers that must read at a glance.
LARGE_DIGITS = {
    "0": (".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."),
    "1": ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "2": (".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"),
    "3": ("####.", "....#", "....#", ".###.", "....#", "....#", "####."),
    "4": ("...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."),
    "5": ("#####", "#....", "####.", "....#", "....#", "#...#", ".###."),
    "6": ("..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."),
    "7": ("#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."),
    "8": (".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."),
    "9": (".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."),
}
LARGE_DIGIT_WIDTH = 5


def draw_large_digits(image, x, y, digits, colour):
    for index, char in enumerate(digits):
        left = x + index * (LARGE_DIGIT_WIDTH + 1)
        for row, pattern in enumerate(LARGE_DIGITS[char]):
            for column, cell in enumerate(pattern):
                if cell == "#":
                    image.set(left + column, y + row, colour)


def text_width(text):
    return len(text) * (GLYPH_WIDTH + 1) - 1


def draw_text(image, x, y, text, colour):
    for index, char in enumerate(text.upper()):
        rows = GLYPHS[char]
        left = x + index * (GLYPH_WIDTH + 1)
        for row, pattern in enumerate(rows):
            for column, cell in enumerate(pattern):
                if cell == "#":
                    image.set(left + column, y + row, colour)


def draw_centred_text(image, left, top, width, text, colour):
    draw_text(image, left + (width - text_width(text)) // 2, top, text, colour)


def fill(image, x, y, width, height, colour):
    """A rectangle fill by row slices, fast enough for page-sized canvases."""
    x0, x1 = max(0, x), min(image.width, x + width)
    if x1 <= x0:
        return
    run = [rgba(colour)] * (x1 - x0)
    for row in range(max(0, y), min(image.height, y + height)):
        start = row * image.width
        image.pixels[start + x0:start + x1] = run


def draw_polyline(image, points, colour):
    """Joins the points with one-pixel steps, so steep segments stay closed."""
    for (xa, ya), (xb, yb) in zip(points, points[1:]):
        steps = max(abs(xb - xa), abs(yb - ya), 1)
        for step in range(steps + 1):
            image.set(round(xa + (xb - xa) * step / steps), round(ya + (yb - ya) * step / steps), colour)


def plot(image, left, top, width, height, function, colour):
    """Draws function (0..1 -> 0..1, up is 1) across the box."""
    points = [(left + i, top + round((height - 1) * (1.0 - function(i / (width - 1)))))
              for i in range(width)]
    draw_polyline(image, points, colour)
