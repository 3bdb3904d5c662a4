# The Pembrix 7 as the hall shows it (bitmap 513, 140 x 272, on its island counter) and the
# three other looks of its sign band (515): lit while someone plays it, its lamps flashing in a bonus.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout as L  # noqa: E402
from artkit import *  # noqa: E402,F401,F403
import hall  # noqa: E402
import pixfont  # noqa: E402
import symbols  # noqa: E402

OUT = os.path.join(HERE, '..')
W, H = L.BitmapSize(513)
BX, BY = L.BAND_FROM
BW, BH = L.BAND_W, L.BAND_H
CAB, CAB_LIGHT = DKGREEN, MDGREEN


def Band(s, look):
    """The sign band in look 0..3: bit 2 lights the name sign (someone plays here), bit 1 the
    ring of bulbs around it (a bonus flashing)."""
    occupied, flashing = look & 2, look & 1
    x, y, w, h = BX, BY, BW, BH
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y, w - 2, h, GREY)
    s.rect(x + 2, y + 1, w - 4, h - 2, CAB)
    # the ring of bulbs
    bulbs = [(x + 6 + 9 * i, y + 4) for i in range(15)] + [(x + 6 + 9 * i, y + h - 5) for i in range(15)]
    bulbs += [(x + 5, y + 13 + 7 * j) for j in range(3)] + [(x + w - 6, y + 13 + 7 * j) for j in range(3)]
    for i, (bx, by) in enumerate(bulbs):
        s.circle(bx, by, 2.5, BLACK)
        if flashing:
            s.circle(bx, by, 2, YELLOW if i % 2 else WHITE)
        else:
            s.circle(bx, by, 2, OLIVE)
    # the name sign
    sx, sy, sw, sh = x + 11, y + 9, w - 22, h - 18
    s.rect(sx, sy, sw, sh, BLACK, rx=3)
    if occupied and flashing:
        glass, ink, edge = RED, YELLOW, DKRED
    elif occupied:
        glass, ink, edge = CREAM, RED, MDRED
    else:
        glass, ink, edge = s.mix(DKGREEN, BLACK, 2), DKRED, BLACK
    s.rect(sx + 1, sy + 1, sw - 2, sh - 2, glass, rx=2)
    s.text(sx + sw // 2 - 8, sy + 9, 'PEMBRIX', ink, font=pixfont.FONT7, align='center',
           outline=edge if occupied else None)
    # the apple with the seven beside the name
    ax, ay = sx + sw - 16, sy + sh // 2
    s.circle(ax, ay + 1, 9, BLACK)
    s.circle(ax, ay + 1, 8, RED if occupied else DKRED)
    s.rect(ax - 3, ay - 4, 7, 2, WHITE if occupied else OCHRE)
    s.poly([(ax + 2, ay - 2), (ax + 4, ay - 2), (ax, ay + 7), (ax - 2, ay + 7)], WHITE if occupied else OCHRE)
    s.path('M%d %d q5 -5 9 -3 q-4 4 -9 3 Z' % (ax, ay - 8), MDGREEN if occupied else DKGREEN)


def MiniReels(s, x, y):
    """Three reel windows showing a fever mark line, at three tenths of the face's size."""
    cw, ch = 17, 30
    s.rect(x - 3, y - 3, 3 * cw + 2 * 4 + 6, ch + 6, BLACK)
    s.rect(x - 2, y - 2, 3 * cw + 2 * 4 + 4, ch + 4, SILVER)
    s.rect(x - 1, y - 1, 3 * cw + 2 * 4 + 2, ch + 2, BLACK)
    rows = [(4, 0, 5), (7, 0, 3), (2, 0, 4)]
    for r in range(3):
        rx = x + r * (cw + 4)
        cid = s.clip_rect('mini%d' % r, rx, y, cw, ch)
        s.begin(clip=cid)
        s.rect(rx, y, cw, ch, symbols.PAPER)
        for j, code in enumerate(rows[r]):
            s.begin('translate(%s,%s) scale(0.3)' % (rx - 0.4, y + 10 * j))
            symbols.SYMBOLS[code](s)
            s.end()
        s.end()
    s.rect(x, y + 14, 3 * cw + 8, 1, OLIVE)


def Machine(s, band_look=0):
    s.rect(0, 0, W, hall.COUNTER_TOP, BLACK)
    # the top cap over the sign
    s.rect(1, 0, W - 2, BY, CAB)
    for i, c in enumerate([WHITE, SILVER, GREY]):
        s.rect(1, i, W - 2, 1, c)
    for lx in range(10, W - 8, 16):
        s.rect(lx, 8, 8, 16, BLACK, rx=2)
        s.rect(lx + 1, 9, 6, 14, s.mix(CAB, BLACK, 2), rx=2)
        s.rect(lx + 2, 10, 1, 12, CAB_LIGHT)
    s.rect(1, BY - 4, W - 2, 4, SILVER)
    s.rect(1, BY - 1, W - 2, 1, GREY)
    Band(s, band_look)
    top = BY + BH
    # chrome sides of the cabinet
    for x0, bands in ((1, [GREY, SILVER, WHITE]), (W - 4, [WHITE, SILVER, GREY])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, top, 1, hall.COUNTER_TOP - top, c)
    s.rect(4, top, W - 8, hall.COUNTER_TOP - top, CAB)
    # the pay table line and the reel section
    s.rect(4, top, W - 8, 6, CREAM)
    for i, c in enumerate([RED, GOLD, RED, PURPLE, ORANGE, RED]):
        s.rect(10 + 20 * i, top + 1, 10, 4, c)
    s.rect(4, top + 6, W - 8, 1, BLACK)
    s.rect(6, top + 9, 18, 44, BLACK, rx=2)
    for i in range(5):
        s.rect(8, top + 12 + 8 * i, 14, 6, OLIVE)
        s.rect(9, top + 13 + 8 * i, 3, 4, OCHRE)
    MiniReels(s, 32, top + 14)
    s.rect(103, top + 9, 31, 44, BLACK, rx=2)
    s.ellipse(118, top + 16, 10, 5, RED, YELLOW, 1)
    for i in range(8):
        s.rect(106 + 3 * i, top + 25, 2, 4, DKGREEN if 0 < i < 7 else OLIVE)
        s.rect(106 + 3 * i, top + 31, 2, 4, OLIVE if i < 3 else DKGREEN)
    for j, c in enumerate((GREEN, RED)):
        s.rect(110, top + 38 + 7 * j, 12, 5, BLACK)
        s.rect(112, top + 39 + 7 * j, 3, 3, c)
        s.rect(116, top + 39 + 7 * j, 3, 3, c)
    for r in range(3):
        s.rect(31 + 21 * r, top + 48, 19, 4, DKRED, rx=2)
    # the deck
    deck = top + 56
    s.rect(4, deck, W - 8, 1, CAB_LIGHT)
    s.rect(36, deck + 18, 58, 11, GREY, rx=2)
    for r in range(3):
        s.circle(45 + 20 * r, deck + 23, 4, BLACK)
        s.circle(45 + 20 * r, deck + 23, 3, RED)
    s.rect(35, deck + 6, 9, 6, BLACK, rx=1)
    s.rect(36, deck + 7, 7, 4, YELLOW)
    s.circle(20, deck + 20, 4, BLACK)
    s.circle(20, deck + 20, 3, RED)
    s.rect(19, deck + 24, 3, 7, SILVER)
    s.rect(96, deck + 2, 30, 11, BLACK, rx=2)
    s.rect(97, deck + 3, 28, 9, SILVER, rx=2)
    s.rect(118, deck + 4, 4, 7, BLACK)
    # the tray under the deck
    tray = deck + 33
    s.rect(4, tray, W - 8, hall.COUNTER_TOP - tray, s.mix(BLACK, DKGREEN, 2))
    s.rect(4, tray, W - 8, 1, DKRED)
    s.rect(40, tray + 3, 60, 9, BLACK, rx=3)
    s.rect(41, tray + 4, 58, 7, SILVER, rx=3)
    s.rect(44, tray + 6, 52, 4, BLACK)
    hall.IslandCounter(s, 0, 0, W)


def Build():
    s = Svg(W, H, BLACK)
    Machine(s)
    s.save(os.path.join(OUT, '513.svg'), 'the Pembrix 7 on its island counter as the hall shows it')
    w, h = L.BitmapSize(515)
    s = Svg(w, h, BLACK)
    for look in range(1, 4):
        dy = BH * (look - 1)
        cid = s.clip_rect('band%d' % look, 0, dy, BW, BH)
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (-BX, dy - BY))
        Machine(s, look)
        s.end()
        s.end()
    s.save(os.path.join(OUT, '515.svg'),
           'the Pembrix 7\'s sign band in the hall: free and flashing, played, played and flashing')


if __name__ == '__main__':
    Build()
