"""Colours shared by the splash picture and the busy animation, so the two
forms of the wait dialog look alike."""

# The splash dialog's background; both pictures end in it at their bottom-right
# pixel, from which the dialog takes its colour.
BACKGROUND = (61, 69, 71)
GRID = (72, 81, 84)
FORMANT_LOW = (64, 176, 168)
FORMANT_HIGH = (232, 160, 64)
TITLE = (226, 230, 228)


def mix(towards, base, ratio):
    """ratio of towards with the rest of base, channel by channel (0..1)."""
    ratio = min(1.0, max(0.0, ratio))
    return tuple(int(round(t * ratio + b * (1.0 - ratio))) for t, b in zip(towards, base))
