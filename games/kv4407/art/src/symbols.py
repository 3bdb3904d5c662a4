# Reel symbols of the Brakolo (bitmap 600): nine pictures at the family's symbol size on cream
# reel paper (red seven, cherry, dragon-eye logo, bell, grapes, orange, green apple, two JAC
# scales), then the striped shade band that darkens the top and bottom of each reel window.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, '..', '..', '..', 'kv4402', 'art', 'src'))
import no2face  # noqa: E402  (the family's art kit, after this game's own scripts; it adds the shared kit)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402

L = no2face.Layout(7)
W = L.desc.reels['w']
U = L.desc.symbol_height
PAPER = CREAM
INK = BLACK
GRAPE, GRAPE_LIGHT = '#8000FF', '#C080FF'


def RedSeven(s):
    """The big bonus: a heavy red seven with a fire-yellow edge."""
    body = [(12, 3), (41, 3), (41, 9), (29, 30), (18, 30), (30, 10), (12, 10)]
    s.poly(body, INK, INK, 4, stroke_linejoin='miter')
    s.poly(body, YELLOW)
    s.poly([(14, 5), (39, 5), (39, 8.5), (27.5, 28), (21, 28), (32.5, 8), (14, 8)], RED)
    s.poly([(14, 5), (39, 5), (39, 6), (14, 6)], ROSE)
    s.poly([(34, 10), (38, 9), (27, 28), (25, 28)], MDRED)
    s.poly([(31, 11), (33, 11), (22, 27), (21, 27)], ROSE)


def Cherry(s):
    s.path('M15 22 Q20 13 26 6', None, OCHRE, 2)
    s.path('M35 21 Q30 12 26 6', None, OCHRE, 2)
    s.circle(26, 6, 2, OCHRE)
    s.path('M27 5 Q33 -1 42 4 Q35 10 27 5 Z', GREEN, DKGREEN, 1)
    for cx, cy in ((15, 23), (35, 22)):
        s.circle(cx, cy, 7.5, INK)
        s.circle(cx, cy, 6.5, DKRED)
        s.circle(cx - 1, cy - 1, 5, MDRED)
        s.circle(cx - 2, cy - 2, 2.5, RED)
        s.rect(cx - 4, cy - 4, 2, 1, WHITE)


def DragonEyeLogo(s):
    """The regular bonus: the Brakolo mark, a dragon's eye in a gold hexagon."""
    hexagon = [(6, 16), (15, 2), (35, 2), (44, 16), (35, 30), (15, 30)]
    s.poly(hexagon, INK, INK, 2)
    s.poly(hexagon, GOLD)
    s.poly([(10, 16), (17, 5), (33, 5), (40, 16), (33, 27), (17, 27)], DKGREEN)
    s.ellipse(25, 16, 13, 8, INK)
    s.ellipse(25, 16, 12, 7, YELLOW)
    s.ellipse(25, 16, 7, 6, ORANGE)
    s.rect(24, 9, 3, 14, INK)
    s.rect(19, 12, 2, 2, WHITE)
    s.rect(15, 3, 20, 1, PALEYEL)


def Bell(s):
    body = 'M25 5 Q16 5 15 15 Q14 22 9 26 L41 26 Q36 22 35 15 Q34 5 25 5 Z'
    s.path(body, GOLD, INK, 2)
    s.path('M22 8 Q18 10 18 16 Q18 21 15 24', None, PALEYEL, 2)
    s.rect(9, 25, 32, 2, OCHRE)
    s.circle(25, 28, 3, OCHRE, INK, 1)
    # the red bow that hangs it
    s.poly([(25, 5), (16, 1), (17, 7)], RED, INK, 1)
    s.poly([(25, 5), (34, 1), (33, 7)], RED, INK, 1)
    s.circle(25, 5, 2, MDRED, INK, 1)


def Grapes(s):
    s.path('M26 5 Q27 1 31 0', None, DKGREEN, 2)
    s.path('M22 5 Q12 0 8 6 Q15 9 22 5 Z', GREEN, DKGREEN, 1)
    s.path('M36 6 Q42 4 41 10 Q39 13 42 15', None, MDGREEN, 1)
    berries = [(19, 9), (26, 8), (33, 9), (16, 15), (23, 15), (30, 15), (37, 15), (20, 21), (27, 21), (34, 21),
               (24, 27), (31, 27)]
    for cx, cy in berries:
        s.circle(cx, cy, 4.5, INK)
        s.circle(cx, cy, 3.5, GRAPE)
        s.circle(cx - 1, cy - 1, 1.5, GRAPE_LIGHT)


def Orange(s):
    s.circle(26, 17, 13, INK)
    s.circle(26, 17, 12, OCHRE)
    s.circle(25, 16, 11, ORANGE)
    s.circle(22, 13, 5, s.mix(ORANGE, YELLOW, 2))
    s.rect(20, 10, 3, 2, PALEYEL)
    s.circle(26, 5, 1.5, DKGREEN)
    s.path('M25 5 Q17 -1 11 5 Q18 9 25 5 Z', GREEN, DKGREEN, 1)
    s.path('M23 5 L14 5', None, LTGREEN, 1)


def GreenApple(s):
    body = 'M25 9 Q19 5 13 9 Q7 15 11 23 Q15 31 25 28 Q35 31 39 23 Q43 15 37 9 Q31 5 25 9 Z'
    s.path(body, GREEN, INK, 2)
    s.path('M33 11 Q39 17 35 25 Q31 28 25 27', None, MDGREEN, 3)
    s.path('M15 12 Q12 16 13 20', None, LTGREEN, 2)
    s.rect(16, 11, 2, 2, WHITE)
    s.path('M25 9 Q24 4 21 2', None, OCHRE, 2)
    s.path('M26 6 Q31 0 37 3 Q32 8 26 6 Z', MDGREEN, DKGREEN, 1)


def JacScale(s, plate, edge, letters, icon):
    """A JAC mark: a dragon's scale in its colour, the fruit it also counts as in its point."""
    scale = [(4, 5), (46, 5), (46, 18), (25, 31), (4, 18)]
    s.poly(scale, INK, INK, 2)
    s.poly(scale, edge)
    s.poly([(7, 8), (43, 8), (43, 17), (25, 28), (7, 17)], plate)
    s.rect(8, 9, 34, 1, WHITE)
    s.text(25, 10, 'JAC', letters, font=pixfont.FONT7, align='center', spacing=1)
    icon(s)


def SmallGrapes(s):
    for cx, cy in ((22, 22), (28, 22), (25, 26)):
        s.circle(cx, cy, 2.5, INK)
        s.circle(cx, cy, 1.7, GRAPE)


def SmallApple(s):
    s.circle(25, 24, 3.5, INK)
    s.circle(25, 24, 2.6, GREEN)
    s.rect(25, 19, 1, 2, OCHRE)


def YellowJac(s):
    JacScale(s, YELLOW, OCHRE, DKRED, SmallGrapes)


def BlueJac(s):
    JacScale(s, SKY, NAVY, WHITE, SmallApple)


SYMBOLS = [RedSeven, Cherry, DragonEyeLogo, Bell, Grapes, Orange, GreenApple, YellowJac, BlueJac]


def Shade(s, x, y, w, rows):
    """Black and white stripes, ANDed over the window's top and bottom rows."""
    for k in range(rows):
        s.rect(x, y + k, w, 1, BLACK if k % 2 else WHITE)


def Build():
    no2face.BuildSymbols(L, SYMBOLS, PAPER, Shade, 'the nine reel symbols of the Brakolo and the shade band')


if __name__ == '__main__':
    Build()
