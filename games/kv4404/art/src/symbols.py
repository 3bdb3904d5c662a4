# Reel symbols of the Pembrix 7 (bitmap 600): eight 58 x 34 pictures on cream reel paper in
# code order, then the dotted shade band that darkens the top and bottom of each reel window.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout  # noqa: E402
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402

OUT = os.path.join(HERE, '..')
PAPER = CREAM
INK = BLACK
W = layout.REELS['w']
H = layout.SYMBOL_H
BROWN = OLIVE


def Fever(s):
    """The fever mark: a red badge reading FEVER with flames leaping from behind it."""
    flames = [(6, 20), (8, 9), (12, 15), (15, 3), (20, 12), (24, 1), (29, 10), (34, 1), (38, 12),
              (43, 3), (46, 15), (50, 9), (52, 20)]
    s.poly(flames, INK, INK, 2, stroke_linejoin='miter')
    s.poly(flames, ORANGE)
    inner = [(11, 20), (13, 13), (16, 17), (19, 8), (23, 15), (27, 6), (31, 14), (35, 6), (39, 15),
             (42, 8), (45, 17), (47, 20)]
    s.poly(inner, YELLOW)
    s.ellipse(29, 22, 27, 11, INK)
    s.ellipse(29, 22, 25, 9, GOLD)
    s.ellipse(29, 22, 23, 8, RED)
    s.rect(14, 16, 30, 1, ROSE)
    s.text(30, 18, 'FEVER', DKRED, font=pixfont.FONT7, align='center')
    s.text(29, 17, 'FEVER', WHITE, font=pixfont.FONT7, align='center')


def Bar(s):
    s.rect(3, 5, 52, 25, INK, rx=3)
    s.rect(5, 7, 48, 3, RED)
    s.rect(5, 25, 48, 3, RED)
    s.rect(5, 10, 48, 15, WHITE)
    s.rect(5, 10, 48, 1, SILVER)
    s.text(29, 12, 'BAR', INK, font=pixfont.FONT7, align='center', spacing=2)


def Cherry(s):
    s.path('M20 22 Q22 10 31 4', None, DKGREEN, 2)
    s.path('M38 21 Q35 10 31 4', None, DKGREEN, 2)
    s.path('M31 5 Q40 0 47 5 Q40 10 31 5 Z', MDGREEN, DKGREEN, 1)
    s.rect(35, 5, 9, 1, LTGREEN)
    for cx, cy in ((19, 24), (38, 23)):
        s.circle(cx, cy, 8, INK)
        s.circle(cx, cy, 7, RED)
        s.path('M%s %s a7 7 0 0 0 %s %s' % (cx - 6, cy + 2, 12, 1), None, MDRED, 2)
        s.rect(cx - 4, cy - 4, 2, 3, WHITE)


def Bell(s):
    body = 'M29 3 C39 3 40 12 41 20 C42 25 46 26 47 28 L11 28 C12 26 16 25 17 20 C18 12 19 3 29 3 Z'
    s.path(body, GOLD, INK, 2)
    s.path('M22 8 C20 12 20 18 19 24', None, PALEYEL, 2)
    s.path('M36 7 C38 12 38 19 40 24', None, OCHRE, 2)
    s.rect(12, 27, 34, 2, OCHRE)
    s.circle(29, 31, 3, INK)
    s.circle(29, 31, 2, OCHRE)
    s.rect(27, 1, 4, 3, INK)


def Orange(s):
    s.circle(29, 19, 13, INK)
    s.circle(29, 19, 12, ORANGE)
    s.path('M20 25 A12 12 0 0 0 40 26', None, OCHRE, 2)
    for x, y in ((24, 14), (30, 12), (35, 16), (27, 20), (33, 22), (22, 21), (37, 21)):
        s.rect(x, y, 1, 1, OCHRE)
    s.rect(22, 11, 3, 2, PEACH)
    s.rect(21, 13, 2, 2, PEACH)
    s.path('M29 7 Q34 1 41 3 Q36 8 29 7 Z', MDGREEN, DKGREEN, 1)
    s.rect(28, 5, 2, 3, DKGREEN)


def AppleBody(s, dx):
    body = ('M%d 9 C%d 5 %d 6 %d 12 C%d 22 %d 31 %d 31 C%d 31 %d 30 %d 31 '
            'C%d 31 %d 22 %d 12 C%d 6 %d 5 %d 9 Z') % (
        29 + dx, 22 + dx, 14 + dx, 15 + dx, 14 + dx, 20 + dx, 24 + dx, 26 + dx, 28 + dx, 29 + dx,
        37 + dx, 44 + dx, 43 + dx, 43 + dx, 35 + dx, 29 + dx)
    s.path(body, RED, INK, 2)
    s.path('M%d 12 C%d 16 %d 21 %d 24' % (19 + dx, 18 + dx, 19 + dx, 21 + dx), None, ROSE, 2)
    s.path('M%d 14 C%d 20 %d 25 %d 28' % (40 + dx, 40 + dx, 38 + dx, 35 + dx), None, MDRED, 2)
    s.path('M%d 9 Q%d 4 %d 2' % (29 + dx, 29 + dx, 32 + dx), None, BROWN, 2)
    s.path('M%d 6 Q%d 0 %d 2 Q%d 7 %d 6 Z' % (31 + dx, 38 + dx, 43 + dx, 38 + dx, 31 + dx),
           MDGREEN, DKGREEN, 1)


def Apple(s):
    AppleBody(s, 0)


def JacMark(s, x, y):
    """The JAC mark that a dual symbol wears in its lower right corner."""
    s.rect(x, y, 21, 11, INK, rx=2)
    s.rect(x + 1, y + 1, 19, 9, BLUE, rx=1)
    s.text(x + 11, y + 2, 'JAC', WHITE, font=pixfont.FONT5, align='center', spacing=1)


def AppleJac(s):
    AppleBody(s, -6)
    JacMark(s, 35, 21)


def GrapesJac(s):
    s.path('M22 6 Q25 2 28 3', None, BROWN, 2)
    s.path('M24 5 Q30 -1 37 3 Q31 8 24 5 Z', MDGREEN, DKGREEN, 1)
    berries = [(17, 10), (24, 10), (31, 11), (14, 16), (21, 16), (28, 17), (35, 16),
               (17, 22), (24, 23), (31, 22), (21, 28), (28, 28)]
    for cx, cy in berries:
        s.circle(cx, cy, 4.5, INK)
    for cx, cy in berries:
        s.circle(cx, cy, 3.5, PURPLE)
        s.rect(cx - 2, cy - 2, 2, 1, VIOLET)
        s.rect(cx - 2, cy - 1, 1, 1, PINK)
    JacMark(s, 35, 21)


SYMBOLS = [Fever, Bar, Cherry, Bell, Orange, Apple, AppleJac, GrapesJac]


def ShadeBand(s, y):
    """Black and white only (it is ANDed over the reels): densest at both edges, since the same
    band darkens the top and the bottom of the window."""
    density = [3, 2, 1, 0, 1, 2, 3]
    pts = []
    for row, d in enumerate(density[:layout.REELS['shadeRows']]):
        for x in range(W):
            if d == 3:
                black = (x + row) % 4 != 0
            elif d == 2:
                black = (x + row) % 2 == 0
            elif d == 1:
                black = (x + 2 * row) % 4 == 0
            else:
                black = (x + row) % 8 == 0
            if black:
                pts.append((x, row))
    s.rect(0, y, W, layout.REELS['shadeRows'], WHITE)
    s.pixels(pts, BLACK, 0, y)


def Build():
    w, h = layout.BitmapSize(600)
    s = Svg(w, h, WHITE)
    for code, draw in enumerate(SYMBOLS):
        cid = s.clip_rect('sym%d' % code, 0, H * code, W, H)
        s.begin(clip=cid)
        s.rect(0, H * code, W, H, PAPER)
        s.begin('translate(0,%d)' % (H * code))
        draw(s)
        s.end()
        s.end()
    ShadeBand(s, layout.REELS['shadeY'])
    s.save(os.path.join(OUT, '600.svg'),
           'the Pembrix 7 reel symbols in code order, 58 x 34 each, and the shade band')


if __name__ == '__main__':
    Build()
