# Title picture of MERIDOLA No.4 (bitmap 501): the family's name over an orchard at sunset, the
# Pembrix 7's name on its red ribbon, and its reels with three fever marks lined up.
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout as L  # noqa: E402
from artkit import *  # noqa: E402,F401,F403
import face  # noqa: E402
import pixfont  # noqa: E402
import strokefont  # noqa: E402
import symbols  # noqa: E402

OUT = os.path.join(HERE, '..')
W, H = L.BitmapSize(501)
HORIZON = 262

# The figure 4 in the logo's stroke lettering (the shared letters stop at 3).
FOUR = ('M5.5 10 V0 L0 6.8 H7.5', 7.5)


def Sky(s):
    s.vbands(0, 0, W, HORIZON, [NAVY, PURPLE, VIOLET, MDRED, RED, ORANGE, GOLD, YELLOW])
    for x, y in ((30, 20), (80, 46), (150, 12), (300, 26), (352, 60), (420, 18), (460, 44), (250, 8)):
        s.rect(x, y, 1, 1, WHITE)
        s.rect(x - 1, y + 1, 3, 1, PALEBLUE)


def Sun(s):
    cx, cy = 240, HORIZON
    for i in range(24):
        if i % 2:
            continue
        a0 = math.pi * (1 + i / 24)
        a1 = math.pi * (1 + (i + 1) / 24)
        s.poly([(cx, cy), (round(cx + 420 * math.cos(a0)), round(cy + 420 * math.sin(a0))),
                (round(cx + 420 * math.cos(a1)), round(cy + 420 * math.sin(a1)))],
               s.mix(GOLD, YELLOW, 1))
    s.circle(cx, cy, 62, ORANGE)
    s.circle(cx, cy, 56, GOLD)
    s.circle(cx, cy, 48, YELLOW)
    s.circle(cx, cy, 38, PALEYEL)


def Tree(s, x, base, r):
    s.rect(x - 2, base - r, 5, r, OLIVE)
    s.rect(x - 2, base - r, 1, r, OCHRE)
    s.circle(x, base - r - r // 2, r, BLACK)
    s.circle(x, base - r - r // 2, r - 1, DKGREEN)
    s.circle(x - r // 4, base - r - r // 2 - r // 4, r // 2, MDGREEN)
    for k in range(5):
        ax = x + round((r - 5) * math.cos(k * 1.3 + x))
        ay = base - r - r // 2 + round((r - 5) * math.sin(k * 1.3 + x))
        s.circle(ax, ay, 2.5, RED)
        s.rect(ax - 1, ay - 1, 1, 1, PINK)


def Orchard(s):
    s.path('M0 %d C80 %d 150 %d 240 %d C330 %d 400 %d 480 %d V432 H0 Z' %
           (HORIZON - 10, HORIZON - 36, HORIZON - 4, HORIZON - 14, HORIZON - 24, HORIZON - 40,
            HORIZON - 18), DKGREEN)
    s.path('M0 %d C120 %d 200 %d 300 %d C380 %d 440 %d 480 %d V432 H0 Z' %
           (HORIZON + 30, HORIZON + 6, HORIZON + 26, HORIZON + 16, HORIZON + 8, HORIZON + 20,
            HORIZON + 14), MDGREEN)
    for x, base, r in ((26, HORIZON - 4, 16), (70, HORIZON - 18, 12), (420, HORIZON - 24, 14),
                       (458, HORIZON - 12, 18), (372, HORIZON - 10, 10)):
        Tree(s, x, base, r)
    s.rect(0, 360, W, H - 360, s.mix(MDGREEN, DKGREEN, 2))


def Logo(s):
    layers = [(BLACK, 9, 2, 3), (DKRED, 9, 0, 0), (GOLD, 5, 0, 0), (YELLOW, 3, 0, 0), (WHITE, 1, -0.5, -0.5)]
    strokefont.Draw(s, 240, 18, 'MERIDOLA', 46, layers, align='center', skew=8)
    strokefont.LETTERS.setdefault('4', FOUR)
    strokefont.Draw(s, 240, 74, 'No.4', 30, layers, align='center', skew=8)


def Ribbon(s, y):
    s.poly([(20, y + 6), (60, y), (60, y + 48), (20, y + 54), (34, y + 27)], DKRED)
    s.poly([(460, y + 6), (420, y), (420, y + 48), (460, y + 54), (446, y + 27)], DKRED)
    s.rect(50, y - 6, 380, 50, BLACK)
    s.rect(52, y - 4, 376, 46, RED)
    s.rect(52, y - 4, 376, 3, PINK)
    s.rect(52, y + 38, 376, 4, MDRED)
    s.text(241, y + 3, 'PEMBRIX 7', BLACK, font=pixfont.FONT7, scale=3, align='center', outline=BLACK)
    s.text(240, y + 2, 'PEMBRIX 7', YELLOW, font=pixfont.FONT7, scale=3, align='center')
    pts, w, _ = pixfont.TextPixels('PEMBRIX 7', pixfont.FONT7)
    s.pixels([(px, py) for px, py in pts if py < 2], WHITE, 240 - (w * 3) // 2, y + 2, 3)


def JackpotReels(s, x, y):
    """The Pembrix 7's three reels at one and a half times their size, three fever marks in a row."""
    sw, sh = L.REELS['w'], L.SYMBOL_H
    scale = 1.5
    cw, ch = round(sw * scale), round(sh * scale)
    gap = 10
    w = 3 * cw + 2 * gap
    h = ch * 2 + 12
    s.rect(x - 10, y - 10, w + 20, h + 20, BLACK, rx=8)
    s.rect(x - 8, y - 8, w + 16, h + 16, SILVER, rx=7)
    s.rect(x - 8, y - 8, w + 16, 2, WHITE)
    s.rect(x - 5, y - 5, w + 10, h + 10, BLACK, rx=4)
    strips = [(5, 0, 3), (7, 0, 4), (2, 0, 6)]
    for r in range(3):
        rx = x + r * (cw + gap)
        cid = s.clip_rect('jackpot%d' % r, rx, y, cw, h)
        s.begin(clip=cid)
        s.rect(rx, y, cw, h, symbols.PAPER)
        for j, code in enumerate(strips[r]):
            s.begin('translate(%s,%s) scale(%s)' % (rx, y + 6 - ch // 2 + ch * j, scale))
            symbols.SYMBOLS[code](s)
            s.end()
        s.rect(rx, y, cw, 3, s.mix(symbols.PAPER, BLACK, 2))
        s.rect(rx, y + h - 3, cw, 3, s.mix(symbols.PAPER, BLACK, 2))
        s.end()
    s.rect(x - 4, y + h // 2 - 1, w + 8, 2, RED)


def Footer(s):
    s.rect(0, H - 22, W, 22, BLACK)
    s.rect(0, H - 22, W, 1, GOLD)
    s.text(240, H - 15, 'PACHISLOT HALL  *  DAY SHOP  10:00-22:00  *  NIGHT SHOP  22:00-10:00',
           CREAM, font=pixfont.FONT5, align='center')


def Build():
    s = Svg(W, H, BLACK)
    Sky(s)
    Sun(s)
    Orchard(s)
    Logo(s)
    Ribbon(s, 130)
    JackpotReels(s, 52, 280)
    face.BigApple(s, 408, 330)
    Footer(s)
    s.save(os.path.join(OUT, '501.svg'),
           'the MERIDOLA No.4 title: the family name over an orchard at sunset and the Pembrix 7')


if __name__ == '__main__':
    Build()
