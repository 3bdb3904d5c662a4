# Title picture of MERIDOLA No.3 (bitmap 501): the family logo over an orchard at dusk, the
# Tarnolet 3 standing in it, and its fruit and sevens tumbling out of the sky.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import strokefont  # noqa: E402
import face  # noqa: E402
import symbols  # noqa: E402

OUT = os.path.join(HERE, '..')


def Sparkle(s, x, y, n, c=WHITE):
    s.rect(x - n, y, 2 * n + 1, 1, c)
    s.rect(x, y - n, 1, 2 * n + 1, c)
    s.rect(x - 1, y - 1, 3, 3, c)


def Symbol(s, x, y, k, scale):
    """A reel symbol on a round token of reel paper, scaled, with its top left at (x, y)."""
    w, h = symbols.W * scale, symbols.H * scale
    s.ellipse(x + w / 2, y + h / 2 + 2, w / 2 - 2, h / 2 + 6, BLACK)
    s.ellipse(x + w / 2, y + h / 2, w / 2 - 3, h / 2 + 4, WHITE)
    s.begin('translate(%s,%s) scale(%s)' % (x, y, scale))
    symbols.SYMBOLS[k](s)
    s.end()


def Orchard(s):
    s.vbands(0, 0, 480, 300, [BLACK, NAVY, PURPLE, VIOLET, ROSE, PEACH], dither=True)
    s.rect(0, 300, 480, 132, PEACH)
    for i, (x, y) in enumerate([(20, 12), (64, 40), (120, 20), (176, 48), (300, 30), (352, 14), (420, 44),
                                (460, 20), (250, 60), (90, 76), (400, 90), (30, 110)]):
        Sparkle(s, x, y, 2 if i % 3 == 0 else 1, WHITE if i % 2 else PALEYEL)
    s.circle(140, 318, 58, s.mix(YELLOW, PEACH, 2))
    s.circle(140, 318, 48, YELLOW)
    s.circle(140, 318, 38, CREAM)
    s.path('M0 318 Q120 280 240 304 Q360 326 480 296 L480 432 L0 432 Z', MDGREEN)
    s.path('M0 350 Q160 320 300 348 Q400 366 480 340 L480 432 L0 432 Z', DKGREEN)
    s.rect(0, 392, 480, 40, s.mix(DKGREEN, BLACK, 2))
    for tx, base, size in ((30, 330, 16), (92, 316, 12), (200, 322, 10), (250, 340, 18)):
        face.PeachTree(s, tx, base, size)


def Build():
    s = Svg(480, 432, NAVY)
    Orchard(s)
    # the family logo across the top, peach on plum
    strokefont.Draw(s, 240, 16, 'MERIDOLA', 48,
                    [(BLACK, 16, 2, 3), (PURPLE, 13, 0, 1), (MDRED, 11, 0, 0), (ORANGE, 8, 0, 0),
                     (PEACH, 5, 0, 0), (CREAM, 2, -1, -1)], align='center', skew=8, tracking=12)
    # the No.3 badge: a plum with a leaf
    s.ellipse(420, 110, 34, 32, BLACK)
    s.ellipse(420, 110, 32, 30, PURPLE)
    s.ellipse(416, 107, 27, 25, VIOLET)
    s.ellipse(404, 96, 6, 9, '#C080FF')
    s.path('M420 80 Q436 62 452 72 Q440 84 420 80 Z', MDGREEN, DKGREEN, 2)
    strokefont.Draw(s, 420, 98, 'No.3', 20, [(BLACK, 7, 1, 1), (WHITE, 3.5, 0, 0)], align='center', tracking=3)
    # the machine, standing in the orchard
    fx, fy, k = 236, 148, 0.48
    s.rect(fx - 5, fy - 5, 480 * k + 10, 432 * k + 10, BLACK, rx=6)
    s.rect(fx - 3, fy - 3, 480 * k + 6, 432 * k + 6, SILVER, rx=5)
    s.begin('translate(%s,%s) scale(%s)' % (fx, fy, k))
    face.DrawFace(s, ('line2', 'winmeter', 'stage0', 'stage1', 'stage2'))
    # three red sevens on the middle line
    for r, column in enumerate(((3, 0, 5), (4, 0, 7), (6, 0, 2))):
        x, y, w, h = face.REEL_WINDOWS[r]
        s.begin(clip=s.clip_rect('reel%d' % r, x, y, w, h))
        for row, code in enumerate(column):
            s.begin('translate(%d,%d)' % (x, y + face.REEL['rowsAbove'] + symbols.H * row))
            symbols.SYMBOLS[code](s)
            s.end()
        s.end()
    for x0, y0, x1, y1 in face.DESC.pay_lines[4:6]:
        s.rect(x0, y0, x1 - x0, 1, OLIVE)
    s.end()
    # its name on a ribbon, and the fruit of its reels around it
    s.poly([(14, 92), (228, 92), (242, 110), (228, 128), (14, 128), (28, 110)], BLACK)
    s.poly([(16, 94), (226, 94), (239, 110), (226, 126), (16, 126), (29, 110)], PURPLE)
    s.rect(30, 96, 194, 1, VIOLET)
    strokefont.Draw(s, 128, 99, 'Tarnolet 3', 22, [(BLACK, 7, 1, 1), (ORANGE, 5, 0, 0), (PEACH, 2.5, 0, 0)],
                    align='center', skew=12, tracking=3)
    for x, y, code, scale in ((24, 150, 0, 1.5), (120, 176, 3, 1.25), (40, 224, 7, 1.25), (136, 250, 1, 1.25),
                              (30, 300, 5, 1.0), (150, 330, 4, 1.0)):
        Symbol(s, x, y, code, scale)
    s.rect(0, 404, 480, 28, s.mix(BLACK, PURPLE, 1))
    s.rect(0, 404, 480, 1, ORANGE)
    s.text(240, 409, 'PACHISLOT HALL  -  DAY SHOP 10:00 - 22:00', PEACH, align='center', spacing=2)
    s.text(240, 420, 'NIGHT SHOP 22:00 - 10:00', LTBLUE, align='center', spacing=2)
    s.save(os.path.join(OUT, '501.svg'), 'title picture of MERIDOLA No.3')


if __name__ == '__main__':
    Build()
