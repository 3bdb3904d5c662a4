# Title picture of MERIDOLA No.1 (bitmap 501): the family logo over a starburst, a jackpot
# line of sevens on the Orlido 2's reels, and the island of machines at night.
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402
import gamedesc  # noqa: E402
import symbols  # noqa: E402
import hallmachine  # noqa: E402

OUT = os.path.join(HERE, '..')


def Starburst(s, cx, cy, n, colours):
    r = 700
    for i in range(n):
        a0 = 2 * math.pi * i / n
        a1 = 2 * math.pi * (i + 1) / n
        s.poly([(cx, cy), (round(cx + r * math.cos(a0), 1), round(cy + r * math.sin(a0), 1)),
                (round(cx + r * math.cos(a1), 1), round(cy + r * math.sin(a1), 1))], colours[i % len(colours)])


def Medal(s, x, y, r):
    s.circle(x, y, r + 1, BLACK)
    s.circle(x, y, r, SILVER)
    s.circle(x, y, r * 0.7, WHITE)
    s.circle(x, y, r * 0.55, SILVER)
    s.rect(x - r * 0.5, y - r * 0.6, max(1, r * 0.4), 1, WHITE)


def Sparkle(s, x, y, n, c=WHITE):
    s.rect(x - n, y, 2 * n + 1, 1, c)
    s.rect(x, y - n, 1, 2 * n + 1, c)
    s.rect(x - 1, y - 1, 3, 3, c)


def ReelWindow(s, x, y):
    """Three reels at one and a half times their size, three sevens on the middle line."""
    scale = 1.5
    cw, ch = 90, 54
    gap = 12
    w = 3 * cw + 2 * gap
    h = 98
    s.rect(x - 10, y - 10, w + 20, h + 20, BLACK, rx=8)
    s.rect(x - 9, y - 9, w + 18, h + 18, OCHRE, rx=7)
    s.rect(x - 8, y - 8, w + 16, h + 16, GOLD, rx=7)
    s.rect(x - 7, y - 7, w + 14, 1, PALEYEL)
    s.rect(x - 5, y - 5, w + 10, h + 10, OCHRE, rx=4)
    s.rect(x - 3, y - 3, w + 6, h + 6, BLACK)
    strips = [(2, 0, 5), (4, 0, 6), (3, 0, 1)]
    for r in range(3):
        rx = x + r * (cw + gap)
        cid = s.clip_rect('reel%d' % r, rx, y, cw, h)
        s.begin(clip=cid)
        s.rect(rx, y, cw, h, WHITE)
        for j, sym in enumerate(strips[r]):
            top = y + h // 2 - ch // 2 + (j - 1) * ch
            s.begin('translate(%s,%s) scale(%s)' % (rx, top, scale))
            symbols.SYMBOLS[sym](s)
            s.end()
        s.rect(rx, y, cw, 10, s.mix(WHITE, BLACK, 2))
        s.rect(rx, y + h - 10, cw, 10, s.mix(WHITE, BLACK, 2))
        s.end()
        if r < 2:
            s.rect(rx + cw, y, gap, h, s.mix(NAVY, BLACK, 2))
    # the winning line, lit
    s.rect(x - 3, y + h // 2 - 1, w + 6, 3, YELLOW)
    s.rect(x - 3, y + h // 2, w + 6, 1, WHITE)
    return w, h


def Build():
    s = Svg(*gamedesc.Load(1).Bitmap(501)[:2], NAVY)
    Starburst(s, 240, 150, 28, [NAVY, '#0000C0'])
    # a floor of light at the bottom: the hall at night
    s.vbands(0, 300, 480, 132, [NAVY, PURPLE, DKRED], dither=True)
    # the island: a row of Orlido 2 machines at the back of the hall
    for i in range(5):
        s.begin('translate(%d,%d) scale(0.5)' % (4 + 96 * i, 292))
        hallmachine.Machine(s, lit=(i % 2 == 0))
        s.end()
    s.rect(0, 382, 480, 50, s.mix(DKRED, BLACK, 2))
    s.rect(0, 382, 480, 1, OCHRE)
    # the family logo
    strokefont.Draw(s, 240, 22, 'MERIDOLA', 50,
                    [(BLACK, 16, 2, 3), (DKRED, 13, 0, 1), (RED, 11, 0, 0), (GOLD, 7, 0, 0), (PALEYEL, 2.5, -1, -1)],
                    align='center', skew=10, tracking=13)
    # No.1 badge
    s.circle(414, 112, 31, BLACK)
    s.circle(414, 112, 29, GOLD)
    s.circle(414, 112, 26, RED)
    s.circle(414, 112, 23, MDRED)
    strokefont.Draw(s, 414, 100, 'No.1', 20, [(DKRED, 6, 1, 1), (WHITE, 3.5, 0, 0)], align='center', tracking=3)
    # the machine's name on a ribbon
    s.poly([(70, 96), (300, 96), (312, 110), (300, 124), (70, 124), (82, 110)], BLACK)
    s.poly([(72, 98), (298, 98), (309, 110), (298, 122), (72, 122), (83, 110)], NAVY)
    s.rect(84, 99, 212, 1, SKY)
    s.text(190, 105, 'PACHISLOT HALL', CYAN, font=pixfont.FONT7, align='center', spacing=2, outline='#0080C0')
    # the jackpot
    w, h = ReelWindow(s, 240 - 147, 150)
    strokefont.Draw(s, 240, 262, 'Orlido 2', 24, [(BLACK, 9, 1, 2), (DKRED, 7, 0, 0), (GOLD, 4, 0, 0),
                                                  (PALEYEL, 1.2, 0, -1)], align='center', skew=12, tracking=3)
    for x, y, r in ((48, 170, 9), (32, 214, 7), (72, 240, 6), (432, 176, 9), (452, 222, 7), (410, 246, 6),
                    (60, 120, 5), (446, 150, 5)):
        Medal(s, x, y, r)
    for x, y, n in ((30, 60, 4), (458, 56, 3), (130, 146, 3), (352, 144, 3), (210, 300, 2), (300, 292, 3),
                    (90, 286, 2), (400, 288, 2)):
        Sparkle(s, x, y, n)
    s.text(240, 394, 'DAY SHOP  10:00 - 22:00', GOLD, align='center', spacing=2)
    s.text(240, 408, 'NIGHT SHOP  22:00 - 10:00', SKY, align='center', spacing=2)
    s.save(os.path.join(OUT, '501.svg'),
           'title picture of MERIDOLA No.1')


if __name__ == '__main__':
    Build()
