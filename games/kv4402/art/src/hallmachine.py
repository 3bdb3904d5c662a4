# The Vexamira as the hall shows it (bitmap 513, on its island counter) and the looks of its
# sign band (515): backlit while someone plays it, its star lamps flashing in a bonus.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402  (puts the shared art kit on the path)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import hall  # noqa: E402
import symbols  # noqa: E402

L = no2face.Layout(2)
BODY, GEM_DARK, PINK = PURPLE, '#8000C0', '#FF80FF'
BAND_TOP, BAND_W, BAND_H = L.band


def StarLamp(s, x, y, lit):
    c = YELLOW if lit else OLIVE
    s.poly([(x, y - 5), (x + 1.5, y - 1.5), (x + 5, y), (x + 1.5, y + 1.5), (x, y + 5), (x - 1.5, y + 1.5),
            (x - 5, y), (x - 1.5, y - 1.5)], c, BLACK, 1)
    if lit:
        s.rect(x, y - 1, 1, 2, WHITE)


def Band(s, look):
    """The sign: look 0 dark, 1 its star lamps flashing, 2 backlit, 3 backlit and flashing."""
    y, w, h = BAND_TOP, BAND_W, BAND_H
    backlit, flash = look >= 2, look % 2 == 1
    s.rect(0, y, w, h, BLACK)
    s.rect(1, y, w - 2, h, SILVER)
    s.rect(3, y + 2, w - 6, h - 4, BLACK)
    sky = [NAVY, GEM_DARK, VIOLET] if backlit else [BLACK, s.mix(NAVY, BLACK, 2), PURPLE]
    s.vbands(4, y + 3, w - 8, h - 6, sky)
    if flash:
        for i, x in enumerate(range(14, 130, 16)):
            s.poly([(70, y + 25), (x - 3, y + 3), (x + 3, y + 3)], s.mix(PINK, MAGENTA, 2) if i % 2 else
                   s.mix(PALEBLUE, VIOLET, 2))
    # the mirror with the name across it
    s.ellipse(70, y + 25, 48, 17, GREY)
    s.ellipse(70, y + 25, 46, 15, WHITE if backlit else SILVER)
    s.ellipse(70, y + 25, 44, 13, LTBLUE if backlit else NAVY)
    s.ellipse(70, y + 23, 36, 8, '#C0FFFF' if backlit else s.mix(NAVY, MDBLUE, 2))
    s.text(70, y + 20, 'VEXAMIRA', MAGENTA if backlit else VIOLET, font=pixfont.FONT7, align='center',
           outline=WHITE if backlit else BLACK)
    for x in (10, 130):
        StarLamp(s, x, y + 14, flash)
        StarLamp(s, x, y + 36, flash)
    s.circle(120, y + 25, 3, PALEYEL if backlit else OLIVE)
    s.circle(122, y + 24, 3, sky[1])


def Crown(s):
    s.rect(0, 0, 140, BAND_TOP, BLACK)
    s.rect(1, 6, 138, BAND_TOP - 6, BODY)
    s.rect(1, 6, 138, 2, SILVER)
    s.rect(1, 8, 138, 1, WHITE)
    # the crystal dome on top
    s.path('M50 %d Q50 2 70 2 Q90 2 90 %d Z' % (BAND_TOP - 1, BAND_TOP - 1), BLACK)
    s.path('M52 %d Q52 4 70 4 Q88 4 88 %d Z' % (BAND_TOP - 1, BAND_TOP - 1), GEM_DARK)
    s.path('M56 %d Q57 9 70 7 Q76 7 79 10 Q64 11 62 %d Z' % (BAND_TOP - 1, BAND_TOP - 1), VIOLET)
    s.rect(62, 9, 4, 2, PINK)
    for x in (12, 30, 110, 128):
        s.rect(x - 2, 14, 5, 5, BLACK)
        s.rect(x - 1, 15, 3, 3, MAGENTA)


def Body(s):
    y0 = BAND_TOP + BAND_H
    for x0, cols in ((1, [GREY, WHITE, SILVER, GREY]), (135, [GREY, SILVER, WHITE, GREY])):
        for i, c in enumerate(cols):
            s.rect(x0 + i, y0, 1, hall.COUNTER_TOP - y0, c)
    s.rect(5, y0, 130, 48, BODY)
    s.rect(5, y0, 130, 1, MAGENTA)
    # bet-line gems at the left
    for i in range(5):
        gy = y0 + 5 + 8 * i
        s.poly([(8, gy), (18, gy), (21, gy + 3), (18, gy + 6), (8, gy + 6)], GEM_DARK, BLACK, 1)
    # the reel glass with three symbols lined up
    s.rect(25, y0 + 3, 84, 43, BLACK)
    s.rect(26, y0 + 4, 82, 41, SILVER)
    s.rect(28, y0 + 6, 78, 37, s.mix(GEM_DARK, BLACK, 2))
    no2face.ReelWindows(s, 31, y0 + 7, 22, 35, 3, [[6, 0, 3], [4, 0, 1], [5, 0, 7]], symbols.SYMBOLS, 12,
                        (0.44, 0.36), WHITE, 'mini')
    for r in range(3):
        rx = 31 + 25 * r
        s.rect(rx, y0 + 7, 22, 2, s.mix(WHITE, BLACK, 2))
        s.rect(rx, y0 + 40, 22, 2, s.mix(WHITE, BLACK, 2))
    s.rect(28, y0 + 24, 78, 1, OLIVE)
    no2face.MiniGaugeAndDisplays(s, y0, DKGREEN, NAVY)
    # deck: the ledge with bet button and medal slot, the front with lever and stop buttons
    d = y0 + 48
    s.rect(5, d, 130, 2, WHITE)
    s.rect(5, d + 2, 130, 7, VIOLET)
    s.rect(14, d + 3, 7, 4, MAGENTA)
    s.rect(108, d + 3, 18, 5, SILVER)
    s.rect(111, d + 5, 12, 1, BLACK)
    s.rect(5, d + 9, 130, 1, BLACK)
    s.rect(5, d + 10, 130, 13, s.mix(BODY, BLACK, 2))
    s.circle(16, d + 16, 4, MAGENTA, BLACK, 1)
    for i in range(3):
        s.circle(44 + 18 * i, d + 16, 4, MAGENTA, BLACK, 1)
        s.rect(42 + 18 * i, d + 14, 2, 1, PINK)
    s.circle(118, d + 16, 5, SILVER, BLACK, 1)
    s.text(118, d + 14, 'V', PURPLE, font=pixfont.FONT3, align='center')
    # lower panel: the crystal ball under the moon
    p = d + 23
    s.rect(5, p, 130, 15, BLACK)
    s.vbands(6, p + 1, 128, 13, [NAVY, PURPLE, VIOLET], dither=False)
    s.circle(70, p + 7, 6, BLACK)
    s.circle(70, p + 7, 5, MDBLUE)
    s.circle(69, p + 6, 2, SKY)
    s.circle(110, p + 6, 3, PALEYEL)
    s.circle(112, p + 5, 3, NAVY)
    for x, y in ((20, p + 4), (40, p + 9), (96, p + 10), (30, p + 11)):
        s.rect(x, y, 1, 1, WHITE)
    # medal tray
    t = p + 15
    s.rect(3, t, 134, 2, WHITE)
    s.rect(3, t + 2, 134, 10, SILVER)
    s.rect(8, t + 4, 124, 6, BLACK)
    s.rect(9, t + 5, 122, 4, GREY)
    for i, mx in enumerate(range(14, 70, 6)):
        s.rect(mx, t + 6 + i % 2, 5, 2, SILVER)
        s.rect(mx, t + 6 + i % 2, 2, 1, WHITE)
    s.rect(3, t + 12, 134, hall.COUNTER_TOP - t - 12, BLACK)


def Machine(s, band_look=0):
    Crown(s)
    Band(s, band_look)
    Body(s)
    hall.IslandCounter(s, 0, 0, 140)


if __name__ == '__main__':
    no2face.BuildHall(L, 'Vexamira', Machine, ['dark with its stars flashing', 'backlit', 'backlit with its stars flashing'])
