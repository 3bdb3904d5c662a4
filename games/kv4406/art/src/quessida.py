# What every Quessida drawing shares: the game's description (places and sizes of the face's
# parts), the machine's colours, and its carved ornaments (step frets, stepped frames).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = os.path.normpath(os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, COMMON)
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402

GAME = 6
DESC = gamedesc.Load(GAME)
OUT = os.path.normpath(os.path.join(HERE, '..'))
ICONS = os.path.normpath(os.path.join(HERE, '..', '..', 'icons'))

# The Quessida: a jungle temple at sunset. Jade-green cabinet, turquoise inlay, terracotta
# and sun-gold accents; black stone where the lamps sit.
JADE_DEEP, JADE, JADE_LIGHT, JADE_PALE = '#008000', '#00C080', '#80FFC0', '#C0FFC0'
TURQ_DARK, TURQ, TURQ_LIGHT, TURQ_PALE = '#0080C0', '#00C0C0', '#00FFFF', '#C0FFFF'
TERRA_DARK, TERRA, TERRA_LIGHT = '#800000', '#C00000', '#FF8080'
SUN, SUN_LIGHT = '#FFC000', '#FFFF80'


def Path(name):
    """Where a bitmap source of the game goes."""
    return os.path.join(OUT, name)


def DeepJade(s):
    """The cabinet's shadowed jade: half black."""
    return s.mix(JADE_DEEP, BLACK, 2)


# --- step fret: the temple frieze ----------------------------------------------------------
# One 16 x 8 tile of the stepped hook pattern; '#' is inlay, '.' the ground.
FRET_TILE = [
    "................",
    ".#######.....##.",
    ".#.....#....###.",
    ".#.###.#...####.",
    ".#.#.#.#..#####.",
    ".#...#.####.....",
    ".#####.##.......",
    "................",
]


def StepFret(s, x, y, w, ground, inlay, phase=0):
    """A frieze 8 pixels high of repeated step-fret tiles from x to x + w."""
    s.rect(x, y, w, 8, ground)
    pts = []
    for j, row in enumerate(FRET_TILE):
        for i in range(w):
            if row[(i + phase) % 16] == '#':
                pts.append((i, j))
    s.pixels(pts, inlay, x, y)


def SteppedOutline(x, y, w, h, steps, size):
    """Points of a rectangle whose two upper corners are cut away in `steps` stair steps of
    `size` pixels (the silhouette of a temple)."""
    pts = [(x, y + h)]
    for k in range(steps, 0, -1):
        pts += [(x + (steps - k) * size, y + k * size), (x + (steps - k + 1) * size, y + k * size)]
    pts += [(x + steps * size, y), (x + w - steps * size, y)]
    for k in range(1, steps + 1):
        pts += [(x + w - (steps - k + 1) * size, y + k * size), (x + w - (steps - k) * size, y + k * size)]
    pts.append((x + w, y + h))
    return pts


def Rivet(s, x, y):
    """A small turquoise stud in the jade."""
    s.rect(x - 1, y - 1, 3, 3, BLACK)
    s.rect(x - 1, y - 1, 2, 2, TURQ)
    s.rect(x - 1, y - 1, 1, 1, TURQ_PALE)
