# The Orlido 2 as the hall shows it (bitmap 513, 140 x 272, standing on its island counter)
# and its lit top lamp and lit logo band (515), cut from the same drawing.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src')
sys.path.insert(0, COMMON)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402
import hall  # noqa: E402
import gamedesc  # noqa: E402

OUT = os.path.join(HERE, '..')
CAB_DARK, CAB, CAB_LIGHT = NAVY, MDBLUE, BLUE
TRIM, TRIM_DARK, TRIM_LIGHT = GOLD, OCHRE, PALEYEL

DESC = gamedesc.Load(1)

# The lamps' places in the machine picture 513 and the pictures' sizes, as the game's
# description states them.
TOP_LAMP = DESC.Cut('HallTopLampLooks', 513)
BAND = DESC.Cut('HallBandLooks', 513)
W, H, _ = DESC.Bitmap(513)


def TopLamp(s, lit):
    x, y, w, h = TOP_LAMP
    s.rect(x, y, w, h, CAB_DARK)
    s.rect(x + 2, y + 1, w - 4, h - 2, BLACK, rx=8)
    if lit:
        s.rect(x + 3, y + 2, w - 6, h - 4, RED, rx=7)
        s.rect(x + 5, y + 3, w - 10, h - 7, ORANGE, rx=6)
        s.rect(x + 9, y + 4, w - 18, h - 10, YELLOW, rx=4)
        s.rect(x + 14, y + 5, w - 28, 2, WHITE)
        for i in range(1, 6):
            s.rect(x + 12 * i, y + 3, 1, h - 6, s.mix(ORANGE, RED, 2))
    else:
        s.rect(x + 3, y + 2, w - 6, h - 4, DKRED, rx=7)
        s.rect(x + 5, y + 3, w - 10, h - 7, MDRED, rx=6)
        s.rect(x + 9, y + 4, w - 18, h - 10, DKRED, rx=4)
        s.rect(x + 14, y + 5, w - 28, 1, ROSE)
        for i in range(1, 6):
            s.rect(x + 12 * i, y + 3, 1, h - 6, BLACK)
    s.rect(x + 1, y + h - 2, w - 2, 2, SILVER)
    s.rect(x + 1, y + h - 1, w - 2, 1, GREY)


def Band(s, lit):
    x, y, w, h = BAND
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y, w - 2, h, TRIM_DARK)
    if lit:
        s.vbands(x + 2, y + 1, w - 4, h - 2, [CAB, PURPLE, MDRED])
        s.text(64, y + 4, 'ORLIDO', YELLOW, font=pixfont.FONT7, align='center', spacing=1, outline=DKRED)
        for sx, sy in ((14, 5), (122, 6), (30, 12), (110, 13)):
            s.rect(sx, y + sy, 1, 1, WHITE)
            s.rect(sx - 1, y + sy + 1, 3, 1, WHITE)
            s.rect(sx, y + sy + 2, 1, 1, WHITE)
        s.circle(104, y + 9, 5, WHITE)
        s.circle(104, y + 9, 4, RED)
        s.text(104, y + 7, '2', WHITE, font=pixfont.FONT3, align='center')
    else:
        s.vbands(x + 2, y + 1, w - 4, h - 2, [BLACK, CAB_DARK, PURPLE], dither=False)
        s.text(64, y + 4, 'ORLIDO', TRIM_DARK, font=pixfont.FONT7, align='center', spacing=1, outline=BLACK)
        s.circle(104, y + 9, 5, TRIM_DARK)
        s.circle(104, y + 9, 4, DKRED)
        s.text(104, y + 7, '2', TRIM_DARK, font=pixfont.FONT3, align='center')


def MiniSymbol(s, x, y, kind):
    """Reel symbols at hall size (18 x 10 cells)."""
    if kind == 'seven':
        s.poly([(x + 5, y + 1), (x + 13, y + 1), (x + 13, y + 3), (x + 10, y + 9), (x + 7, y + 9), (x + 10, y + 3),
                (x + 5, y + 3)], RED, BLACK, 1)
    elif kind == 'bar':
        s.rect(x + 2, y + 2, 15, 7, BLACK)
        s.rect(x + 3, y + 3, 13, 1, GOLD)
        s.rect(x + 4, y + 5, 11, 2, WHITE)
    elif kind == 'cherry':
        s.circle(x + 6, y + 6, 3, RED, BLACK, 1)
        s.circle(x + 12, y + 6, 3, RED, BLACK, 1)
        s.line(x + 6, y + 3, x + 10, y + 0.5, DKGREEN, 1)
        s.line(x + 12, y + 3, x + 10, y + 0.5, DKGREEN, 1)
    elif kind == 'melon':
        s.path('M%d %d h12 a6 6 0 0 1 -12 0 z' % (x + 3, y + 2), GREEN, BLACK, 1)
        s.path('M%d %d h8 a4 4 0 0 1 -8 0 z' % (x + 5, y + 3), RED)
    elif kind == 'grapes':
        for dx, dy in ((6, 3), (10, 3), (14, 3), (8, 6), (12, 6), (10, 8)):
            s.circle(x + dx - 1, y + dy, 2, '#8000C0', BLACK, 0.8)
    elif kind == 'pyramid':
        s.poly([(x + 9, y + 1), (x + 16, y + 9), (x + 2, y + 9)], GOLD, BLACK, 1)


def Machine(s, lit=False):
    # cabinet
    s.rect(0, 0, W, hall.COUNTER_TOP, BLACK)
    s.rect(1, 0, 138, 8, SILVER)
    s.rect(1, 0, 138, 1, WHITE)
    s.rect(1, 7, 138, 1, GREY)
    s.rect(1, 8, 138, 24, CAB_DARK)
    for x in (10, 120):
        s.circle(x + 5, 20, 4, BLACK)
        s.circle(x + 5, 20, 3, SILVER)
        s.rect(x + 4, 19, 1, 1, WHITE)
    TopLamp(s, lit)
    Band(s, lit)
    for x0, bands in ((1, [GREY, SILVER, WHITE, GREY]), (135, [GREY, WHITE, SILVER, GREY])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, 50, 1, 130, c)
    # reel panel
    s.rect(5, 50, 130, 3, TRIM_DARK)
    s.vbands(5, 53, 130, 52, [CAB_DARK, CAB, CAB_DARK], dither=False)
    for i in range(5):
        s.rect(8, 60 + 8 * i, 14, 6, BLACK)
        s.rect(9, 61 + 8 * i, 12, 4, DKRED)
        s.rect(10, 62 + 8 * i, 5, 1, MDRED)
    s.rect(26, 56, 82, 46, BLACK)
    s.rect(27, 57, 80, 44, TRIM)
    s.rect(28, 58, 78, 42, TRIM_DARK)
    s.rect(30, 60, 74, 38, BLACK)
    reels = [['melon', 'seven', 'bar'], ['cherry', 'seven', 'pyramid'], ['grapes', 'seven', 'melon']]
    for r in range(3):
        rx = 32 + 24 * r
        s.rect(rx, 61, 22, 36, WHITE)
        for j, kind in enumerate(reels[r]):
            MiniSymbol(s, rx + 2, 62 + 12 * j, kind)
        s.rect(rx, 61, 22, 2, s.mix(WHITE, BLACK, 2))
        s.rect(rx, 95, 22, 2, s.mix(WHITE, BLACK, 2))
    s.rect(30, 78, 74, 1, OLIVE)
    s.circle(120, 66, 8, TRIM)
    s.circle(120, 66, 6, DKRED)
    s.text(120, 64, 'BIG', BLACK, font=pixfont.FONT3, align='center')
    for k in range(3):
        s.rect(111, 77 + 7 * k, 20, 5, BLACK)
        s.rect(112, 78 + 7 * k, 18, 3, OLIVE)
    for i in range(3):
        s.rect(33 + 24 * i, 101, 20, 3, DKRED)
    # deck
    s.rect(5, 105, 130, 2, WHITE)
    s.rect(5, 107, 130, 1, SILVER)
    s.rect(5, 108, 130, 14, CAB)
    s.rect(5, 121, 130, 1, BLACK)
    s.circle(15, 112, 3.5, BLACK)
    s.circle(15, 112, 2.5, RED)
    s.rect(14, 115, 2, 4, SILVER)
    for i in range(3):
        s.rect(38 + 24 * i, 111, 7, 7, BLACK)
        s.rect(39 + 24 * i, 112, 5, 5, RED)
        s.rect(39 + 24 * i, 112, 2, 1, PINK)
    s.rect(108, 111, 12, 8, BLACK)
    s.rect(109, 112, 10, 6, GOLD)
    s.rect(123, 110, 10, 7, SILVER)
    s.rect(125, 113, 6, 1, BLACK)
    # lower panel: the desert at dusk
    s.rect(5, 122, 130, 30, BLACK)
    s.vbands(6, 123, 128, 22, [NAVY, PURPLE, MDRED], dither=False)
    s.poly([(20, 145), (36, 130), (52, 145)], TRIM_DARK)
    s.poly([(36, 130), (52, 145), (40, 145)], OLIVE)
    s.poly([(86, 145), (104, 128), (122, 145)], TRIM_DARK)
    s.poly([(104, 128), (122, 145), (108, 145)], OLIVE)
    s.rect(6, 145, 128, 6, TRIM)
    s.rect(6, 148, 128, 3, TRIM_DARK)
    s.circle(66, 130, 3, PALEYEL)
    # medal tray
    s.rect(3, 152, 134, 3, WHITE)
    s.rect(3, 155, 134, 16, SILVER)
    s.rect(8, 157, 124, 11, BLACK)
    s.rect(9, 158, 122, 9, GREY)
    for i, mx in enumerate(range(12, 72, 5)):
        my = 162 + (i % 2)
        s.rect(mx, my, 5, 3, BLACK)
        s.rect(mx, my, 4, 2, SILVER)
        s.rect(mx, my, 2, 1, WHITE)
    s.rect(3, 171, 134, 2, GREY)
    s.rect(3, 173, 134, 8, BLACK)
    s.rect(40, 175, 60, 4, GREY)
    s.rect(41, 176, 58, 2, s.mix(GREY, SILVER, 2))
    hall.IslandCounter(s, 0, 0, W)


def Build():
    s = Svg(W, H, BLACK)
    Machine(s)
    s.save(os.path.join(OUT, '513.svg'),
           'the Orlido 2 on its island counter as the hall shows it')
    s = Svg(*DESC.Bitmap(515)[:2], BLACK)
    for (x, y, w, h), strip in ((TOP_LAMP, 'HallTopLampLooks'), (BAND, 'HallBandLooks')):
        dy = DESC.Cut(strip, 515)[1]
        cid = s.clip_rect('c%d' % dy, 0, dy, w, h)
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (-x, dy - y))
        Machine(s, True)
        s.end()
        s.end()
    s.save(os.path.join(OUT, '515.svg'),
           'lit top lamp and lit logo band of the Orlido 2 in the hall')


if __name__ == '__main__':
    Build()
