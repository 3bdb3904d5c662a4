# Reel symbols of the Vexamira (bitmap 600): nine pictures at the family's symbol size on pale
# reel paper (the V mark, cherry, moon mark, bell, grapes, orange, apple, two JAC marks),
# then the shade band that darkens the top and bottom of each reel window.
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402  (puts the shared art kit on the path)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402

L = no2face.Layout(2)
W = L.desc.reels['w']
U = L.desc.symbol_height
PAPER = WHITE
INK = BLACK
GRAPE, GRAPE_LIGHT, GRAPE_DARK = '#8000C0', '#C080FF', PURPLE


def VMark(s):
    """The big bonus: the Vexamira V, red lacquer in gold with a star at its heart."""
    outer = [(6, 3), (18, 3), (25, 19), (32, 3), (44, 3), (30, 30), (20, 30)]
    s.poly(outer, INK, INK, 3, stroke_linejoin='miter')
    s.poly(outer, GOLD)
    s.poly([(9, 5), (17, 5), (25, 23), (33, 5), (41, 5), (29, 28), (21, 28)], RED)
    s.poly([(9, 5), (17, 5), (19, 9), (12, 9)], ROSE)
    s.poly([(33, 5), (41, 5), (39, 9), (31, 9)], MDRED)
    s.poly([(25, 23), (29, 28), (21, 28)], MDRED)
    # the star
    s.poly([(25, 5), (26.5, 9), (30.5, 9), (27.3, 11.5), (28.5, 15.5), (25, 13), (21.5, 15.5), (22.7, 11.5),
            (19.5, 9), (23.5, 9)], YELLOW, INK, 1)


def Cherry(s):
    s.path('M17 22 Q19 11 29 4', None, DKGREEN, 2)
    s.path('M33 21 Q31 12 29 4', None, DKGREEN, 2)
    s.path('M28 5 Q17 0 11 7 Q20 11 28 5 Z', MDGREEN, DKGREEN, 1)
    s.path('M26 5 L15 7', None, LTGREEN, 1)
    for cx, cy in ((16, 23), (33, 22)):
        s.circle(cx, cy, 7, INK)
        s.circle(cx, cy, 6, MDRED)
        s.circle(cx - 1, cy - 1, 5, RED)
        s.rect(cx - 3, cy - 4, 2, 2, WHITE)


def Crescent(c1, r1, c2, r2):
    """Path of the crescent left of disc 1 when disc 2 is cut away from it."""
    (x1, y1), (x2, y2) = c1, c2
    d = math.hypot(x2 - x1, y2 - y1)
    a = (r1 * r1 - r2 * r2 + d * d) / (2 * d)
    h = math.sqrt(r1 * r1 - a * a)
    mx, my = x1 + a * (x2 - x1) / d, y1 + a * (y2 - y1) / d
    p = (round(mx + h * (y2 - y1) / d, 2), round(my - h * (x2 - x1) / d, 2))
    q = (round(mx - h * (y2 - y1) / d, 2), round(my + h * (x2 - x1) / d, 2))
    return 'M%s %s A%s %s 0 1 0 %s %s A%s %s 0 0 1 %s %s Z' % (p + (r1, r1) + q + (r2, r2) + p)


def MoonMark(s):
    """The regular bonus: the blue crescent of the mirror with its star."""
    s.path(Crescent((22, 16), 13, (31, 10), 11), BLUE, INK, 2)
    s.path(Crescent((21, 17), 10, (30, 11), 11), SKY)
    s.path('M12 11 Q11 19 17 25', None, LTBLUE, 2)
    s.poly([(36, 14), (38, 19), (43, 19), (39, 22), (41, 27), (36, 24), (31, 27), (33, 22), (29, 19), (34, 19)],
           YELLOW, INK, 1)
    s.rect(35, 18, 2, 1, WHITE)


def Bell(s):
    body = 'M25 4 Q15 4 14 15 Q13 22 8 25 L42 25 Q37 22 36 15 Q35 4 25 4 Z'
    s.path(body, GOLD, INK, 2)
    s.path('M25 6 Q18 7 17 15 Q16 21 13 23 L20 23 Q21 15 25 6 Z', PALEYEL)
    s.path('M33 10 Q35 17 38 23', None, OCHRE, 2)
    s.rect(8, 24, 34, 3, OCHRE, INK, 1)
    s.circle(25, 28, 3, OCHRE, INK, 1)
    s.rect(23, 1, 4, 4, INK)
    s.rect(24, 2, 2, 2, GOLD)


def Grapes(s, ox=0, oy=0, r=4):
    s.begin('translate(%d,%d)' % (ox, oy))
    s.path('M25 6 Q26 2 30 1', None, OCHRE, 2)
    s.path('M26 4 Q35 -1 40 5 Q33 9 26 4 Z', MDGREEN, DKGREEN, 1)
    berries = [(17, 9), (25, 9), (33, 9), (13, 15), (21, 15), (29, 15), (37, 15), (17, 21), (25, 21), (33, 21),
               (21, 27), (29, 27)]
    for cx, cy in berries:
        s.circle(cx, cy, r + 1, INK)
        s.circle(cx, cy, r, GRAPE)
        s.rect(cx - 2, cy - 2, 2, 2, GRAPE_LIGHT)
    s.end()


def Orange(s):
    s.circle(25, 17, 13, INK)
    s.circle(25, 17, 12, ORANGE)
    s.circle(23, 15, 9, s.mix(ORANGE, GOLD, 2))
    s.rect(18, 9, 4, 2, PALEYEL)
    for dx, dy in ((-6, 4), (3, 8), (7, -1), (-2, -3), (5, 3)):
        s.rect(25 + dx, 17 + dy, 1, 1, OCHRE)
    s.path('M25 5 Q32 0 38 3 Q32 8 25 5 Z', MDGREEN, DKGREEN, 1)
    s.rect(24, 3, 2, 3, DKGREEN)


def Apple(s):
    body = 'M25 9 Q18 4 12 9 Q6 16 11 24 Q16 31 25 28 Q34 31 39 24 Q44 16 38 9 Q32 4 25 9 Z'
    s.path(body, RED, INK, 2)
    s.path('M14 11 Q10 17 13 22', None, ROSE, 2)
    s.path('M35 12 Q39 18 36 24', None, MDRED, 2)
    s.path('M25 9 Q25 4 28 1', None, OCHRE, 2)
    s.path('M27 5 Q33 0 38 4 Q33 8 27 5 Z', MDGREEN, DKGREEN, 1)


def JacPlate(s, plate, edge, letters, icon):
    """A JAC mark: a cut-cornered plate in its colour with the fruit it also counts as."""
    pts = [(6, 4), (44, 4), (48, 8), (48, 24), (44, 28), (6, 28), (2, 24), (2, 8)]
    s.poly(pts, INK)
    s.poly([(6, 5), (44, 5), (47, 8), (47, 24), (44, 27), (6, 27), (3, 24), (3, 8)], edge)
    s.poly([(7, 7), (43, 7), (45, 9), (45, 23), (43, 25), (7, 25), (5, 23), (5, 9)], plate)
    s.rect(8, 8, 34, 1, WHITE)
    s.text(31, 12, 'JAC', letters, font=pixfont.FONT7, align='center', spacing=1)
    icon(s)


def SmallBell(s):
    s.path('M12 11 Q8 11 8 16 Q8 19 6 20 L18 20 Q16 19 16 16 Q16 11 12 11 Z', GOLD, INK, 1)
    s.rect(11, 20, 3, 2, INK)


def SmallGrapes(s):
    for cx, cy in ((9, 12), (14, 12), (11, 16), (16, 16), (13, 20)):
        s.circle(cx, cy, 2.6, INK)
        s.circle(cx, cy, 1.8, GRAPE)


def YellowJac(s):
    JacPlate(s, YELLOW, OCHRE, MDRED, SmallBell)


def BlueJac(s):
    JacPlate(s, BLUE, NAVY, WHITE, SmallGrapes)


SYMBOLS = [VMark, Cherry, MoonMark, Bell, Grapes, Orange, Apple, YellowJac, BlueJac]


def Shade(s, x, y, w, rows):
    """A fine checkerboard, ANDed over the window's top and bottom rows."""
    s.rect(x, y, w, rows, s.mix(WHITE, BLACK, 2))


def Build():
    no2face.BuildSymbols(L, SYMBOLS, PAPER, Shade, 'the nine reel symbols of the Vexamira and the shade band')


if __name__ == '__main__':
    Build()
