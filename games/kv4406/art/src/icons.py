# MERIDOLA No.6's icons: the program icon 110 (the Quessida cabinet at 32 and 48 pixels, a
# seven in its stepped frame at 16) and the small icon 111 (the temple under the sun).
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403


def Save(s, name, what):
    os.makedirs(ICONS, exist_ok=True)
    note = ('<!-- MERIDOLA No.6\'s %s. -->\n<!-- Drawn by games/kv4406/art/src/icons.py; change the script '
            'and run it again rather than editing this file. -->\n' % what)
    with open(os.path.join(ICONS, name), 'w') as f:
        f.write(note + s.svg())


SEVEN = ["######", "#####B", "...##B", "..##B.", "..##B.", ".##B..", ".##B..", ".##B.."]


def Program():
    s = Svg(48, 48)
    # the stepped crown with the sun lamp
    s.poly(SteppedOutline(4, 1, 40, 12, 2, 3), BLACK)
    s.poly(SteppedOutline(5, 2, 38, 11, 2, 3), TURQ)
    s.rect(14, 5, 20, 5, SUN)
    s.rect(16, 6, 16, 2, PALEYEL)
    # the jade cabinet and the terracotta reel bezel
    s.rect(4, 13, 40, 34, BLACK)
    s.rect(5, 13, 38, 33, JADE_DEEP)
    s.rect(5, 13, 38, 2, TURQ)
    s.rect(7, 17, 34, 18, TERRA)
    s.rect(9, 19, 30, 14, BLACK)
    for k in range(3):
        x = 10 + 10 * k
        s.rect(x, 20, 8, 12, CREAM)
        s.bitmap(x + 1, 22, SEVEN, {'#': RED, 'B': MDRED})
    s.rect(9, 26, 30, 1, OLIVE)
    # the deck: gold buttons, the lever's jade knob
    s.rect(5, 37, 38, 2, TURQ)
    for k in range(3):
        s.rect(14 + 8 * k, 41, 4, 3, GOLD)
    s.rect(8, 40, 2, 6, GOLD)
    s.rect(6, 38, 5, 4, BLACK)
    s.rect(7, 38, 3, 3, JADE)
    Save(s, '110.svg', 'program icon at 32 and 48 pixels: the Quessida cabinet with three sevens lined up')


def Program16():
    s = Svg(16, 16)
    s.poly(SteppedOutline(0, 0, 16, 16, 1, 2), BLACK)
    s.poly(SteppedOutline(1, 1, 14, 14, 1, 2), TURQ)
    s.rect(3, 4, 10, 10, BLACK)
    s.rect(4, 5, 8, 8, CREAM)
    s.poly([(5, 6), (11, 6), (11, 8), (8, 12), (6, 12), (9, 8), (5, 8)], RED)
    Save(s, '110-16.svg', 'program icon at 16 pixels, where the cabinet would blur: a seven in the stepped '
         'turquoise frame')


TEMPLE = [
    "PPPPPPPPPPPPPPPP",
    "PPPPPPPPPPPPPPPP",
    "PPPPPPYYYYPPPPPP",
    "RRRRRYYYYYYRRRRR",
    "RRRRYYYCCYYYRRRR",
    "RRRRYYKKKKYYRRRR",
    "OOOOYYKTTKYYOOOO",
    "OOOOOYKKKKYOOOOO",
    "OOOOKKKKKKKKOOOO",
    "OOOOKJJJJJJKOOOO",
    "OOKKKKKKKKKKKKOO",
    "OOKJJJJJJJJJJKOO",
    "KKKKKKKKKKKKKKKK",
    "KJJJJJJJJJJJJJJK",
    "KJJJJJJJJJJJJJJK",
    "KKKKKKKKKKKKKKKK",
]


def Small():
    s = Svg(16, 16)
    s.bitmap(0, 0, TEMPLE, {'P': PURPLE, 'R': MDRED, 'O': ORANGE, 'Y': YELLOW, 'C': CREAM, 'K': BLACK,
                            'J': JADE_DEEP, 'T': TURQ})
    Save(s, '111.svg', 'small icon (title bars, task bar): the step temple in front of the setting sun')


if __name__ == '__main__':
    Program()
    Program16()
    Small()
