"""Draws one set of small per-value pictures as a strip: image k of the set
stands at x = k * width, all images of one size, in value order.

Usage: value_pictures.py <output.png> <set name>
"""

import math
import sys

from fs1r_art import TRANSPARENT, Image, draw_centred_text, draw_large_digits, fill, plot

WHITE = (255, 255, 255)
BUTTON_GROUND = (48, 48, 48)
BUTTON_TEXT_OFF = (150, 150, 150)
BUTTON_TEXT_ON = (239, 239, 239)
LAMP_OFF = (90, 90, 90)
LAMP_ON = (255, 96, 64)
CATEGORY_GROUND = (32, 32, 32)
CATEGORY_TEXT = (200, 200, 200)
CURVE_GROUND = (64, 64, 64)
CURVE = (200, 200, 220)
CURVE_REFERENCE = (125, 125, 130)

CATEGORIES = ("--", "PIANO", "CHROM", "ORGAN", "GUITAR", "BASS", "STRINGS", "ENSEMBLE", "BRASS", "REED",
              "PIPE", "SYN LEAD", "SYN PAD", "SYN SFX", "ETHNIC", "PERCUSS", "SOUND FX", "DRUMS",
              "SYN COMP", "VOCAL", "COMBI", "MATERIAL", "SEQUENCE")


def linear(u):
    return u


# Velocity curves 0..4: normal, two softer ones, an easy (steep early) one
# and a wide S that spreads the middle.
VELOCITY_CURVES = (linear, lambda u: u ** 1.6, lambda u: u ** 2.4, lambda u: u ** 0.5,
                   lambda u: 0.5 - 0.5 * math.cos(math.pi * u))
# Breath curves 0..3; curve 0 and curve 2 are velocity curves 0 and 4.
BC_CURVES = (linear, lambda u: u ** 0.6, VELOCITY_CURVES[4], lambda u: u ** 2.0)


def triangle(u):
    return 1.0 - abs(2.0 * u - 1.0)


def sample_and_hold(u):
    levels = (0.3, 0.9, 0.1, 0.6, 0.8)
    return levels[min(int(u * len(levels)), len(levels) - 1)]


# LFO forms 0..5; form 4, the sine, is also spectral form 0.
LFO_FORMS = (("TRI", triangle), ("DOWN", lambda u: 1.0 - u), ("UP", linear),
             ("SQU", lambda u: 1.0 if u < 0.5 else 0.0), ("SIN", lambda u: 0.5 + 0.5 * math.sin(2 * math.pi * u)),
             ("S/H", sample_and_hold))
SPECTRAL_FORMS = ("SIN", "ALL1", "ALL2", "ODD1", "ODD2", "RES1", "RES2", "FRMT")


def button(width, height, label, on):
    """A button face: a lamp at the left and a caption; three colours."""
    image = Image(width, height, BUTTON_GROUND)
    lamp = min(5, height - 2)
    fill(image, 1, (height - lamp) // 2, lamp, lamp, LAMP_ON if on else LAMP_OFF)
    left = lamp + 2
    draw_centred_text(image, left, (height - 5) // 2, width - left, label, BUTTON_TEXT_ON if on else BUTTON_TEXT_OFF)
    return image


def category(name):
    image = Image(37, 7, CATEGORY_GROUND)
    draw_centred_text(image, 0, 1, 37, name, CATEGORY_TEXT)
    return image


def curve(function):
    """Input to output, from bottom-left; curves other than the straight one
    show it faintly for comparison."""
    image = Image(127, 63, CURVE_GROUND)
    if function is not linear:
        for i in range(0, 127, 4):
            image.set(i, 62 - round(62 * i / 126), CURVE_REFERENCE)
    plot(image, 0, 0, 127, 63, function, CURVE)
    return image


def captioned(height, caption, draw_wave):
    """White on transparent: a picture over a pixel caption."""
    image = Image(19, height, TRANSPARENT)
    draw_wave(image)
    if caption:
        draw_centred_text(image, 0, height - 5, 19, caption, WHITE)
    return image


def lfo_form(entry):
    caption, function = entry
    return captioned(26, caption, lambda image: plot(image, 1, 2, 17, 16, function, WHITE))


def spectrum_lines(image, heights, top=2, height=16):
    """Harmonic lines from the baseline; heights 0..1."""
    for index, level in enumerate(heights):
        x = 1 + 2 * index
        for y in range(round(height * (1.0 - level)), height):
            image.set(x, top + y, WHITE)


def spectral_form(index):
    caption = SPECTRAL_FORMS[index]
    if index == 0:
        return lfo_form(LFO_FORMS[4])
    count = 9
    if caption.startswith("ALL"):
        power = 1 if caption.endswith("1") else 2
        heights = [1.0 / (n + 1) ** (power - 1) * (1.0 - n / (count + 1)) for n in range(count)]
    elif caption.startswith("ODD"):
        power = 1 if caption.endswith("1") else 2
        heights = [(1.0 - n / (count + 1)) / (n + 1) ** (power - 1) if n % 2 == 0 else 0.0 for n in range(count)]
    elif caption.startswith("RES"):
        peak = 3 if caption.endswith("1") else 6
        heights = [0.25 + 0.75 * math.exp(-((n - peak) / 1.2) ** 2) for n in range(count)]
    else:
        heights = [math.exp(-((n - 4) / 1.5) ** 2) for n in range(count)]
    return captioned(26, caption, lambda image: spectrum_lines(image, heights))


def skirt(width_step):
    """A formant peak whose skirt widens with the value."""
    spread = 0.03 + 0.05 * width_step
    return captioned(19, "", lambda image: plot(
        image, 0, 1, 19, 17, lambda u: math.exp(-abs(u - 0.5) / spread), WHITE))


def lfo_phase(phase_index):
    degrees = 90 * phase_index
    image = Image(38, 21, TRANSPARENT)
    # "270" in 5 x 7 digits takes 17 columns; the sine the rest.
    draw_large_digits(image, 0, 7, str(degrees), WHITE)
    left = 19
    plot(image, left, 2, 38 - left, 17,
         lambda u: 0.5 + 0.5 * math.sin(2 * math.pi * u + math.radians(degrees)), WHITE)
    return image


SETS = {
    "editVoice": lambda: [button(37, 7, "EDIT", on) for on in (False, True)],
    "showPerformance": lambda: [button(31, 18, "PERF", on) for on in (False, True)],
    "category": lambda: [category(name) for name in CATEGORIES],
    "velocityCurve": lambda: [curve(function) for function in VELOCITY_CURVES],
    "bcCurve": lambda: [curve(function) for function in BC_CURVES],
    "lfoForm": lambda: [lfo_form(entry) for entry in LFO_FORMS],
    "lfoPhase": lambda: [lfo_phase(k) for k in range(4)],
    "spectralForm": lambda: [spectral_form(k) for k in range(len(SPECTRAL_FORMS))],
    "skirt": lambda: [skirt(k) for k in range(8)],
}


def strip(images):
    width, height = images[0].width, images[0].height
    result = Image(width * len(images), height, TRANSPARENT)
    for index, image in enumerate(images):
        for y in range(height):
            row = y * result.width + index * width
            result.pixels[row:row + width] = image.pixels[y * width:(y + 1) * width]
    return result


if __name__ == "__main__":
    strip(SETS[sys.argv[2]]()).write(sys.argv[1])
