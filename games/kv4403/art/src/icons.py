# Program icons of MERIDOLA No.3: the Tarnolet 3's plum cabinet with a peach in its reel window
# (110, at 32 and 48 pixels), and at 16 pixels the peach alone on plum (111 and 110-16).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
from artkit import *  # noqa: E402,F401,F403

OUT = os.path.join(HERE, '..', '..', 'icons')


def Peach(s, cx, cy, r, leaf=True):
    s.circle(cx, cy, r + 1, BLACK)
    s.circle(cx, cy, r, PEACH)
    s.circle(cx + r * 0.35, cy + r * 0.3, r * 0.55, ROSE)
    s.path('M%s %s Q%s %s %s %s' % (cx, cy - r + 1, cx - 3, cy, cx, cy + r - 1), None, MDRED, 1)
    s.rect(cx - r * 0.6, cy - r * 0.5, max(1, r // 4), max(1, r // 5), WHITE)
    if leaf:
        s.poly([(cx, cy - r), (cx + r * 0.5, cy - r * 1.55), (cx + r, cy - r * 1.2), (cx + r * 0.4, cy - r * 0.8)],
               MDGREEN, DKGREEN, 1)


def Cabinet():
    s = Svg(48, 48)
    s.rect(5, 2, 36, 44, BLACK)
    s.rect(6, 3, 34, 42, PURPLE)
    s.rect(6, 3, 34, 2, VIOLET)
    s.rect(10, 6, 26, 6, BLACK, rx=3)
    s.rect(11, 7, 24, 4, ORANGE, rx=2)
    s.rect(14, 8, 18, 1, YELLOW)
    s.rect(8, 14, 30, 22, SILVER)
    s.rect(9, 15, 28, 20, WHITE)
    Peach(s, 23, 26, 7)
    s.rect(11, 39, 24, 5, BLACK)
    for i in range(3):
        s.rect(12 + 8 * i, 40, 6, 3, ORANGE)
    s.rect(42, 20, 3, 14, SILVER)
    s.rect(42, 20, 1, 14, WHITE)
    s.circle(43.5, 18, 3, BLACK)
    s.circle(43.5, 18, 2.2, VIOLET)
    return s


def Small():
    s = Svg(16, 16)
    s.rect(0, 0, 16, 16, PURPLE)
    s.rect(1, 1, 14, 14, VIOLET)
    s.rect(2, 3, 12, 12, WHITE)
    s.circle(8, 10, 5, BLACK)
    s.circle(8, 10, 4, PEACH)
    s.rect(9, 9, 3, 3, ROSE)
    s.rect(7, 6, 1, 7, MDRED)
    s.rect(8, 3, 4, 2, MDGREEN)
    s.rect(5, 8, 1, 1, WHITE)
    return s


if __name__ == '__main__':
    Cabinet().save(os.path.join(OUT, '110.svg'), "MERIDOLA No.3's program icon at 32 and 48 pixels: the Tarnolet 3 "
                   'cabinet with a peach in its reel window')
    Small().save(os.path.join(OUT, '111.svg'), "MERIDOLA No.3's small icon (title bars, task bar): a peach on "
                 'plum')
    Small().save(os.path.join(OUT, '110-16.svg'), "MERIDOLA No.3's program icon at 16 pixels, where the cabinet "
                 'would blur: a peach on plum')
