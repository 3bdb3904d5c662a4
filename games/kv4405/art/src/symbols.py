# Reel symbols of the Sulvano (bitmap 600): ten pictures on white reel paper, one symbol
# height each (seven, BAR, watermelon, plum, cherry, bell, orange, and the cherry, bell and
# orange that carry the JAC mark), then the dotted shade band of the reel windows.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import gamedesc  # noqa: E402

OUT = os.path.join(HERE, '..')
GAME = gamedesc.Load(5)
W = GAME.reels['w']
U = GAME.symbol_height
SHADE_Y = GAME.reels['shadeY']
SHADE_ROWS = GAME.reels['shadeRows']
PAPER = WHITE
INK = BLACK


# Every picture is drawn for a cell of W x U at (0, 0); cx is the middle of the cell.
def Seven(s, cx=W // 2):
    # a leaning seven with a flame licking along its top bar: the volcano's number
    x = cx - 14
    body = [(x + 3, 5), (x + 27, 5), (x + 27, 10), (x + 16, 29), (x + 8, 29), (x + 19, 11), (x + 3, 11)]
    s.poly(body, INK, INK, 3, stroke_linejoin='miter')
    s.poly(body, RED)
    s.poly([(x + 4, 6), (x + 26, 6), (x + 26, 7), (x + 4, 7)], ROSE)
    s.poly([(x + 22, 11), (x + 26, 10), (x + 15, 28), (x + 11, 28)], MDRED)
    # flames above the bar
    for fx, h in ((x + 6, 4), (x + 12, 5), (x + 18, 4), (x + 24, 3)):
        s.poly([(fx - 2, 4), (fx, 4 - h), (fx + 2, 4)], ORANGE)
        s.rect(fx, 3, 1, 1, YELLOW)


def Bar(s, cx=W // 2):
    s.rect(cx - 24, 7, 48, 19, INK, rx=3)
    s.rect(cx - 22, 9, 44, 15, MDRED)
    s.rect(cx - 21, 10, 42, 13, RED)
    s.rect(cx - 21, 10, 42, 1, ROSE)
    s.rect(cx - 21, 22, 42, 1, DKRED)
    s.text(cx + 1, 12, 'BAR', INK, font=pixfont.FONT7, align='center', spacing=2)
    s.text(cx, 11, 'BAR', WHITE, font=pixfont.FONT7, align='center', spacing=2)


def Watermelon(s, cx=W // 2):
    # a slice: rind below, red flesh with seeds, flat cut on top
    s.path('M%d 8 A17 17 0 0 0 %d 8 Z' % (cx - 19, cx + 19), INK)
    s.path('M%d 9 A16 16 0 0 0 %d 9 Z' % (cx - 17, cx + 17), DKGREEN)
    s.path('M%d 9 A14 14 0 0 0 %d 9 Z' % (cx - 15, cx + 15), MDGREEN)
    s.path('M%d 9 A12 12 0 0 0 %d 9 Z' % (cx - 13, cx + 13), CREAM)
    s.path('M%d 9 A11 11 0 0 0 %d 9 Z' % (cx - 12, cx + 12), RED)
    s.rect(cx - 12, 9, 24, 1, ROSE)
    for sx, sy in ((-7, 12), (-2, 14), (3, 12), (7, 15), (-4, 17), (1, 18), (-9, 14)):
        s.rect(cx + sx, sy, 2, 2, INK)
    # the stripes on the rind
    for dx in (-14, -7, 7, 14):
        s.rect(cx + dx, 20 if abs(dx) > 10 else 23, 2, 2, DKGREEN)


def Plum(s, cx=W // 2):
    s.path('M%d 6 Q%d 1 %d 4' % (cx, cx + 2, cx + 6), None, OLIVE, 2)
    s.ellipse(cx, 18, 12, 11, INK)
    s.ellipse(cx, 18, 11, 10, PURPLE)
    s.ellipse(cx + 1, 19, 9, 8, VIOLET)
    s.path('M%d 9 Q%d 18 %d 27' % (cx - 1, cx - 4, cx - 1), None, PURPLE, 1)
    s.rect(cx + 3, 12, 3, 2, PINK)
    s.rect(cx + 5, 14, 1, 2, PINK)
    # leaf
    s.path('M%d 6 Q%d 0 %d 3 Q%d 8 %d 6 Z' % (cx + 1, cx + 8, cx + 14, cx + 9, cx + 1), MDGREEN, DKGREEN, 1)


def Cherry(s, cx=W // 2):
    s.path('M%d 20 Q%d 10 %d 4' % (cx - 8, cx - 5, cx + 3), None, OLIVE, 2)
    s.path('M%d 20 Q%d 10 %d 4' % (cx + 9, cx + 8, cx + 3), None, OLIVE, 2)
    s.path('M%d 4 Q%d -1 %d 5 Q%d 8 %d 4 Z' % (cx + 3, cx + 10, cx + 16, cx + 9, cx + 3), LTGREEN, DKGREEN, 1)
    for ox, oy in ((-8, 22), (9, 21)):
        s.circle(cx + ox, oy, 8, INK)
        s.circle(cx + ox, oy, 7, MDRED)
        s.circle(cx + ox - 1, oy - 1, 6, RED)
        s.rect(cx + ox - 4, oy - 4, 2, 3, WHITE)


def Bell(s, cx=W // 2):
    bell = 'M%d 25 Q%d 23 %d 14 Q%d 4 %d 4 Q%d 4 %d 14 Q%d 23 %d 25 Z' % (
        cx - 14, cx - 10, cx - 10, cx - 9, cx, cx + 9, cx + 10, cx + 10, cx + 14)
    s.path(bell, GOLD, INK, 2)
    s.path('M%d 21 Q%d 9 %d 7' % (cx - 7, cx - 6, cx - 1), None, PALEYEL, 2)
    s.path('M%d 22 Q%d 12 %d 8' % (cx + 7, cx + 7, cx + 3), None, OCHRE, 2)
    s.rect(cx - 13, 24, 26, 2, OCHRE)
    s.circle(cx, 27, 3, INK)
    s.circle(cx, 27, 2, OCHRE)
    s.rect(cx - 2, 1, 4, 4, INK)
    s.rect(cx - 1, 2, 2, 2, GOLD)


def Orange(s, cx=W // 2):
    s.circle(cx, 18, 12, INK)
    s.circle(cx, 18, 11, ORANGE)
    s.circle(cx + 2, 20, 8, s.mix(ORANGE, OCHRE, 1))
    s.circle(cx - 3, 14, 4, GOLD)
    s.rect(cx - 5, 12, 2, 2, PALEYEL)
    for px, py in ((4, 22), (7, 17), (-1, 25), (5, 26), (-6, 21)):
        s.rect(cx + px, py, 1, 1, OCHRE)
    s.rect(cx - 1, 6, 2, 3, OLIVE)
    s.path('M%d 7 Q%d 1 %d 3 Q%d 8 %d 7 Z' % (cx + 1, cx + 7, cx + 13, cx + 8, cx + 1), MDGREEN, DKGREEN, 1)


def JacMark(s):
    """The blue JAC tag in the lower right corner that turns a fruit into a JAC symbol."""
    x, y = W - 19, U - 13
    s.rect(x, y, 18, 11, INK, rx=2)
    s.rect(x + 1, y + 1, 16, 9, BLUE, rx=1)
    s.rect(x + 2, y + 1, 14, 1, LTBLUE)
    s.text(x + 9, y + 3, 'JAC', WHITE, font=pixfont.FONT3, align='center')


SYMBOLS = [
    ('seven', lambda s: Seven(s)),
    ('BAR', lambda s: Bar(s)),
    ('watermelon', lambda s: Watermelon(s)),
    ('plum', lambda s: Plum(s)),
    ('cherry', lambda s: Cherry(s)),
    ('bell', lambda s: Bell(s)),
    ('orange', lambda s: Orange(s)),
    ('cherry with the JAC mark', lambda s: (Cherry(s, 20), JacMark(s))),
    ('bell with the JAC mark', lambda s: (Bell(s, 21), JacMark(s))),
    ('orange with the JAC mark', lambda s: (Orange(s, 21), JacMark(s))),
]


def DrawSymbol(s, code, x=0, y=0):
    """Symbol `code` on its paper, its cell's top left at (x, y)."""
    s.begin('translate(%d,%d)' % (x, y))
    s.rect(0, 0, W, U, PAPER)
    SYMBOLS[code][1](s)
    s.end()


def Build():
    s = Svg(W, SHADE_Y + SHADE_ROWS, PAPER)
    for code in range(len(SYMBOLS)):
        cid = s.clip_rect('cell%d' % code, 0, U * code, W, U)
        s.begin(clip=cid)
        DrawSymbol(s, code, 0, U * code)
        s.end()
    # the shade band: every other pixel black, ANDed over the windows' top and bottom rows
    s.rect(0, SHADE_Y, W, SHADE_ROWS, s.mix(WHITE, BLACK, 2))
    s.save(os.path.join(OUT, '600.svg'),
           'reel symbols of the Sulvano, %d x %d each (codes 0-9), and the shade band' % (W, U))


if __name__ == '__main__':
    Build()
