# Reel symbols of the Orlido 2 (bitmap 600): nine 60 x 36 pictures on white reel paper,
# then the dotted shade band that darkens the top and bottom of each reel window.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402

# The size of a symbol and where the shade band lies, as the game's description states them.
DESC = gamedesc.Load(1)
U = DESC.symbol_height
W = DESC.reels['w']
SHADE_Y = DESC.reels['shadeY']

PAPER = WHITE
OUTLINE = BLACK


def Seven(s):
    body = [(16, 4), (45, 4), (45, 10), (34, 33), (23, 33), (33, 11), (16, 11)]
    s.poly(body, OUTLINE, OUTLINE, 4, stroke_linejoin='miter')
    s.poly(body, RED)
    # the gold inlay that every big-bonus seven wears
    s.poly([(18, 6), (43, 6), (43, 9), (32, 31), (30, 31), (41, 9), (18, 9)], GOLD)
    s.poly([(18, 6), (43, 6), (43, 7), (18, 7)], PALEYEL)
    s.poly([(36, 12), (42, 12), (33, 31), (28, 31)], DKRED)


def Bar(s):
    s.rect(5, 8, 50, 21, OUTLINE, rx=3)
    s.rect(7, 10, 46, 17, GOLD)
    s.rect(8, 11, 45, 16, OCHRE)
    s.rect(8, 11, 44, 15, BLACK)
    s.rect(9, 12, 42, 1, GREY)
    s.text(31, 12, 'BAR', WHITE, scale=2, align='center', spacing=2)


def Cherry(s):
    # stems and leaf first, the fruit hangs in front of them
    s.path('M21 25 Q24 12 33 5', None, DKGREEN, 2)
    s.path('M39 24 Q37 12 33 5', None, DKGREEN, 2)
    s.path('M33 6 Q42 1 49 7 Q41 11 33 6 Z', MDGREEN, DKGREEN, 1)
    s.path('M35 6 L46 6', None, LTGREEN, 1)
    for cx, cy in ((20, 26), (39, 25)):
        s.circle(cx, cy, 8, OUTLINE)
        s.circle(cx, cy, 7, RED)
        s.path('M%s %s a7 7 0 0 0 %s %s' % (cx - 6, cy + 3, 11, 2), None, MDRED, 2)
        s.rect(cx - 4, cy - 4, 3, 2, WHITE)
        s.rect(cx - 4, cy - 2, 1, 1, PINK)


def Lamp(s):
    # magic oil lamp: handle loop left, round belly, long spout right, lid and flame
    s.path('M14 18 C4 16 6 30 17 27', None, OUTLINE, 5)
    s.path('M14 18 C6 17 8 28 17 26', None, GOLD, 2)
    s.path('M36 22 L53 11 L55 13 L42 28 Z', GOLD, OUTLINE, 2)
    s.ellipse(27, 24, 15, 8, GOLD, OUTLINE, 2)
    s.path('M13 25 Q27 34 41 25', None, OCHRE, 2)
    s.path('M17 21 Q24 18 31 19', None, PALEYEL, 2)
    s.rect(20, 29, 15, 4, OUTLINE)
    s.rect(21, 30, 13, 2, OCHRE)
    s.path('M18 17 Q27 9 36 17 Z', GOLD, OUTLINE, 2)
    s.circle(27, 11, 2.5, GOLD, OUTLINE, 1.5)
    # flame at the spout
    s.path('M54 11 Q50 5 55 1 Q56 6 59 8 Q58 12 54 11 Z', ORANGE, MDRED, 1)
    s.path('M55 9 Q54 6 56 4 Q57 7 57 9 Z', YELLOW)


def Pyramid(s):
    s.poly([(30, 3), (54, 33), (6, 33)], OUTLINE)
    s.poly([(30, 6), (33, 31), (9, 31)], GOLD)
    s.poly([(30, 6), (51, 31), (33, 31)], OCHRE)
    # courses of stone
    for y in (11, 16, 21, 26):
        half = (y - 4) * 24 // 29
        s.rect(30 - half + 1, y, half + 3, 1, OCHRE)
        s.rect(33, y + 1, (y - 4) * 18 // 27, 1, OLIVE)
    for x, y in ((24, 13), (20, 18), (27, 18), (16, 23), (23, 23), (13, 28), (20, 28), (27, 28)):
        s.rect(x, y, 1, 3, OCHRE)
    s.poly([(30, 6), (31, 8), (29, 12)], PALEYEL)


def Melon(s, ox=0):
    s.begin('translate(%d,0)' % ox)
    # a half slice of watermelon, rind down
    s.path('M6 8 L54 8 A24 24 0 0 1 6 8 Z', OUTLINE)
    s.path('M8 9 L52 9 A22 22 0 0 1 8 9 Z', DKGREEN)
    s.path('M10 9 L50 9 A20 20 0 0 1 10 9 Z', MDGREEN)
    s.path('M12 9 L48 9 A18 18 0 0 1 12 9 Z', LTGREEN)
    s.path('M13 9 L47 9 A17 16 0 0 1 13 9 Z', RED)
    s.rect(13, 9, 34, 2, ROSE)
    for x, y in ((19, 13), (26, 16), (33, 13), (40, 15), (30, 20), (23, 20), (37, 20)):
        s.rect(x, y, 2, 3, BLACK)
        s.rect(x, y, 1, 1, GREY)
    s.end()


def Grapes(s, ox=0):
    s.begin('translate(%d,0)' % ox)
    s.path('M30 8 Q31 4 35 2', None, OCHRE, 2)
    s.path('M31 6 Q40 0 47 6 Q39 11 31 6 Z', MDGREEN, DKGREEN, 1)
    berries = [(21, 11), (29, 10), (37, 11), (17, 17), (25, 17), (33, 17), (41, 17),
               (21, 23), (29, 23), (37, 23), (25, 29), (33, 29)]
    for cx, cy in berries:
        s.circle(cx, cy, 5, OUTLINE)
        s.circle(cx, cy, 4, '#8000C0')
        s.rect(cx - 2, cy - 3, 2, 2, '#C080FF')
        s.rect(cx + 1, cy + 2, 2, 1, PURPLE)
    s.end()


def JacMark(s):
    # the JAC badge: a blue plate with yellow capitals at the lower right
    s.rect(36, 22, 23, 13, OUTLINE, rx=2)
    s.rect(37, 23, 21, 11, BLUE)
    s.rect(37, 23, 21, 1, LTBLUE)
    s.text(48, 25, 'JAC', YELLOW, align='center', spacing=1)


def MelonJac(s):
    Melon(s, -4)
    JacMark(s)


def GrapesJac(s):
    Grapes(s, -5)
    JacMark(s)


SYMBOLS = [Seven, Bar, Cherry, Lamp, Pyramid, Melon, Grapes, MelonJac, GrapesJac]


def Build():
    bw, bh, _ = DESC.Bitmap(DESC.reels['symbols'])
    s = Svg(bw, bh, PAPER)
    for k, draw in enumerate(SYMBOLS):
        s.begin('translate(0,%d)' % (U * k))
        s.add('<g clip-path="url(#cell)">')
        draw(s)
        s.add('</g>')
        s.end()
    s.clip_rect('cell', 0, 0, W, U)
    # shade band: a black and white checkerboard, ANDed over the window edges
    s.rect(0, SHADE_Y, W, bh - SHADE_Y, s.mix(WHITE, BLACK, 2))
    s.save(os.path.join(HERE, '..', '600.svg'),
           'the nine reel symbols of the Orlido 2 and the shade band')


if __name__ == '__main__':
    Build()
