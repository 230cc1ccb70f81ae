"""Draws one FS1R page background, 1272 x 716: grounds under the groups in
the colours their styles were made for, the header strip where the header
shows, and light bands under the grey page captions.

Usage: page_background.py <output.png> system|performance|voice|fseq
"""

import sys

from fs1r_art import (BLUE_GROUND, CAPTION_BAND, DARK_GROUND, GREEN_GROUND, HEADER_HEIGHT, HEADER_PARTS_TOP,
                      HEADER_RULE, HEADER_WIDTH, PAGE_HEIGHT, PAGE_WIDTH, PATTERN_GROUND, TITLE_PLATE,
                      Image, fill)

FRAME = (88, 88, 88)


def header(image):
    """The header's row and note shift take the blue style, its part columns
    the green one: each on the ground its colours were made for."""
    fill(image, 0, 0, HEADER_WIDTH, HEADER_PARTS_TOP, BLUE_GROUND)
    fill(image, 0, HEADER_PARTS_TOP, HEADER_WIDTH, HEADER_HEIGHT - HEADER_PARTS_TOP, GREEN_GROUND)
    fill(image, 0, HEADER_HEIGHT - 2, HEADER_WIDTH, 2, HEADER_RULE)


def panel(image, x, y, width, height, colour):
    """A ground with a one-pixel frame, so neighbouring sections read apart."""
    fill(image, x, y, width, height, FRAME)
    fill(image, x + 1, y + 1, width - 2, height - 2, colour)


def system(image):
    for x, y, width, height in ((70, 20, 360, 270), (440, 20, 420, 250), (862, 20, 400, 250),
                                (52, 296, 440, 410)):
        panel(image, x, y, width, height, DARK_GROUND)


def performance(image):
    header(image)
    panel(image, 0, 124, 648, 592, GREEN_GROUND)
    panel(image, 652, 0, 620, 456, PATTERN_GROUND)
    # The pattern styles' titles are white: each stands on a dark plate wide
    # enough for the title in every language.
    for x, y, width, height in ((651, 173, 66, 27), (1061, 167, 180, 25), (1061, 375, 52, 19)):
        fill(image, x, y, width, height, TITLE_PLATE)
    panel(image, 652, 456, 620, 260, DARK_GROUND)


def voice(image):
    header(image)
    # The caption "Voice n" at (680, 13) and the name groups share one band.
    fill(image, HEADER_WIDTH, 0, PAGE_WIDTH - HEADER_WIDTH, 62, BLUE_GROUND)
    fill(image, HEADER_WIDTH, 2, 144, 40, CAPTION_BAND)
    # The operator groups stack by their laid-out heights, so their area
    # gets one rule rather than stripes that could miss the rows.
    fill(image, 180, 140, 2, 560, HEADER_RULE)


def fseq(image):
    header(image)
    # Under the title "Formant sequence" at (680, 3), long enough for its
    # French, and no further: the light-grey captions and values beside and
    # below it need the dark ground.
    fill(image, HEADER_WIDTH, 0, 310, 32, CAPTION_BAND)


PAGES = {"system": system, "performance": performance, "voice": voice, "fseq": fseq}


def draw(page):
    image = Image(PAGE_WIDTH, PAGE_HEIGHT, DARK_GROUND)
    PAGES[page](image)
    return image


if __name__ == "__main__":
    draw(sys.argv[2]).write(sys.argv[1])
