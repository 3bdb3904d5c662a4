# Reel symbols of the Quessida (bitmap 600): nine pictures on cream reel paper, symbol code k
# at rows k x symbol height, then the shade band that darkens the top and bottom of each window.
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
import lettering  # noqa: E402
import pixfont  # noqa: E402

PAPER = CREAM
U = DESC.symbol_height
W = DESC.reels['w']
SHADE_Y = DESC.reels['shadeY']


def Seven(s):
    """The big bonus: an upright seven, red in a white rim and a blue border."""
    body = [(13, 4), (47, 4), (47, 11), (32, 33), (21, 33), (35, 12), (13, 12)]
    s.poly(body, BLUE, BLUE, 7, stroke_linejoin='miter')
    s.poly(body, NAVY, NAVY, 7, stroke_linejoin='miter', transform='translate(1,1)')
    s.poly(body, BLUE, BLUE, 5, stroke_linejoin='miter')
    s.poly(body, WHITE, WHITE, 3, stroke_linejoin='miter')
    s.poly(body, RED)
    s.poly([(36, 13), (45, 12), (31, 32), (27, 32)], MDRED)
    s.rect(15, 6, 30, 1, PINK)
    s.rect(15, 7, 1, 3, PINK)


def Bar(s):
    """The regular bonus: BAR carved in gold on a jade tablet."""
    s.rect(3, 6, 54, 25, BLACK, rx=3)
    s.rect(4, 7, 52, 23, JADE, rx=2)
    s.rect(5, 8, 50, 21, JADE_DEEP)
    s.rect(5, 8, 50, 1, JADE_LIGHT)
    s.rect(5, 9, 1, 20, JADE_LIGHT)
    s.text(30, 8, 'BAR', SUN, font=pixfont.FONT7, scale=2, align='center', spacing=1, shadow=BLACK)


def Cherry(s):
    """Two cherries on one twig, their leaf to the left."""
    s.path('M27 23 Q29 10 38 3', None, DKGREEN, 2)
    s.path('M44 26 Q44 12 38 3', None, DKGREEN, 2)
    s.path('M37 4 Q27 -1 17 5 Q27 11 37 4 Z', MDGREEN, DKGREEN, 1)
    s.path('M34 5 L21 5', None, LTGREEN, 1)
    for cx, cy, r in ((44, 26, 7.5), (26, 24, 9)):
        s.circle(cx, cy, r + 1, BLACK)
        s.circle(cx, cy, r, MDRED)
        s.circle(cx - 1, cy - 1, r - 2, RED)
        s.rect(cx - r // 2 - 1, cy - r // 2 - 1, 3, 2, WHITE)
        s.rect(cx - r // 2 - 1, cy - r // 2 + 1, 1, 1, PINK)


def Lamp(s):
    """A temple lantern hanging from its hook, its flame lit behind the glass."""
    # the glow around the lantern
    for y, (l, r) in ((16, (13, 43)), (22, (11, 45)), (28, (13, 43))):
        s.rect(l, y, 5, 1, GOLD)
        s.rect(r, y, 5, 1, GOLD)
    s.circle(30, 3, 2.5, None, BLACK, 1.5)
    s.rect(29, 5, 2, 3, BLACK)
    s.poly([(21, 13), (39, 13), (35, 7), (25, 7)], BLACK)
    s.poly([(23, 12), (37, 12), (34, 8), (26, 8)], GOLD)
    s.rect(26, 8, 6, 1, PALEYEL)
    s.rect(20, 13, 20, 18, BLACK)
    s.rect(22, 14, 16, 16, YELLOW)
    s.rect(24, 15, 12, 14, PALEYEL)
    s.path('M30 27 Q24 22 29 16 Q30 20 33 21 Q35 25 30 27 Z', ORANGE, RED, 1)
    s.path('M30 26 Q28 23 30 20 Q32 23 30 26 Z', YELLOW)
    for x in (21, 29, 38):
        s.rect(x, 13, 1 if x == 29 else 2, 18, OCHRE)
    s.rect(19, 30, 22, 3, BLACK)
    s.rect(20, 31, 20, 1, GOLD)
    s.rect(26, 33, 8, 2, BLACK)


def Pyramid(s):
    """A step pyramid of the jungle: four terraces, a stair and the shrine on top."""
    terraces = [(52, 27), (40, 21), (28, 15)]
    s.rect(2, 32, 56, 2, MDGREEN)
    for w, y in terraces:
        s.rect(30 - w // 2 - 1, y - 1, w + 2, 7, BLACK)
        s.rect(30 - w // 2, y, w, 5, '#C0C080')
        s.rect(30, y, w // 2, 5, OLIVE)
        s.rect(30 - w // 2, y, w, 1, CREAM)
    s.rect(30 - 26, 32, 52, 1, BLACK)
    # the shrine
    s.rect(21, 6, 18, 10, BLACK)
    s.rect(22, 7, 16, 8, '#C0C080')
    s.rect(30, 7, 8, 8, OLIVE)
    s.rect(27, 10, 6, 5, BLACK)
    s.rect(20, 3, 20, 4, BLACK)
    s.rect(21, 4, 18, 2, TERRA)
    # the stair up the middle
    s.rect(26, 15, 8, 18, BLACK)
    for y in range(16, 32, 2):
        s.rect(27, y, 6, 1, CREAM)
        s.rect(27, y + 1, 6, 1, '#C0C080')


def Pineapple(s, ox=0):
    s.begin('translate(%d,0)' % ox)
    # the crown: outlined first in black, then the leaves
    leaves = [([(30, 14), (20, 5), (27, 9)], DKGREEN), ([(30, 14), (40, 5), (33, 9)], DKGREEN),
              ([(29, 14), (24, 1), (31, 8)], MDGREEN), ([(31, 14), (36, 1), (29, 8)], MDGREEN),
              ([(29, 14), (30, 0), (32, 12)], GREEN)]
    for pts, c in leaves:
        s.poly(pts, BLACK, BLACK, 2.5)
    for pts, c in leaves:
        s.poly(pts, c)
    s.ellipse(30, 24, 10, 11, BLACK)
    s.ellipse(30, 24, 9, 10, OCHRE)
    s.ellipse(29, 23, 7.5, 9, GOLD)
    # the diamond scales: crossing lines over the body
    scales = [(x, y) for x in range(21, 40) for y in range(14, 35)
              if ((x - 30) / 8.5) ** 2 + ((y - 24) / 9.5) ** 2 < 1 and ((x + y) % 6 == 0 or (x - y) % 6 == 0)]
    s.pixels(scales, OCHRE)
    s.rect(25, 17, 2, 3, PALEYEL)
    s.end()


def Orange(s, ox=0):
    s.begin('translate(%d,0)' % ox)
    s.circle(30, 21, 12, BLACK)
    s.circle(30, 21, 11, ORANGE)
    s.circle(29, 20, 8, GOLD)
    s.circle(30, 21, 11, None, ORANGE, 2)
    for x, y in ((25, 18), (33, 16), (28, 25), (35, 23), (23, 23)):
        s.rect(x, y, 1, 1, ORANGE)
    s.rect(24, 14, 3, 2, WHITE)
    s.rect(24, 16, 1, 1, PALEYEL)
    s.path('M30 10 Q37 3 45 7 Q38 12 30 10 Z', MDGREEN, DKGREEN, 1)
    s.rect(29, 8, 2, 3, DKGREEN)
    s.end()


def JacMark(s):
    """The JAC mark: a stepped turquoise plate with the word carved dark."""
    s.poly(SteppedOutline(35, 21, 24, 14, 1, 3), BLACK)
    s.poly(SteppedOutline(36, 22, 22, 12, 1, 3), TURQ)
    s.rect(37, 33, 20, 1, TURQ_DARK)
    s.text(47, 25, 'JAC', NAVY, align='center', spacing=1)


def PineappleJac(s):
    Pineapple(s, -8)
    JacMark(s)


def OrangeJac(s):
    Orange(s, -9)
    JacMark(s)


# Codes 0-8: Seven (big bonus), Bar (regular bonus), Cherry, Lamp and Pyramid (single
# bonus), the two fruits, the two fruits with the JAC mark.
SYMBOLS = [Seven, Bar, Cherry, Lamp, Pyramid, Pineapple, Orange, PineappleJac, OrangeJac]


def Shade(s, y, h):
    """The shade band: every other row black. The game ANDs it over the window edges, so it
    may hold only black and white."""
    s.rect(0, y, W, h, WHITE)
    for row in range(0, h, 2):
        s.rect(0, y + row, W, 1, BLACK)


def Build():
    bw, bh, _ = DESC.Bitmap(DESC.reels['symbols'])
    s = Svg(bw, bh, PAPER)
    s.clip_rect('cell', 0, 0, W, U)
    for k, draw in enumerate(SYMBOLS):
        s.begin('translate(0,%d)' % (U * k))
        s.add('<g clip-path="url(#cell)">')
        draw(s)
        s.add('</g>')
        s.end()
    Shade(s, SHADE_Y, bh - SHADE_Y)
    s.save(Path('%d.svg' % DESC.reels['symbols']), 'the nine reel symbols of the Quessida and the shade band')


if __name__ == '__main__':
    Build()
