# Title picture of MERIDOLA No.5 (bitmap 501): the family logo in lava colours over a volcano
# island at sunset, a line of sevens on the Sulvano's reels, and two Sulvanos on the beach.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402
import symbols  # noqa: E402
import hallmachine  # noqa: E402
import face  # noqa: E402

OUT = os.path.join(HERE, '..')
HORIZON = 300


def Sky(s):
    s.vbands(0, 0, 480, HORIZON, [NAVY, PURPLE, VIOLET, MDRED, RED, ORANGE, GOLD])
    for i, (x, y) in enumerate(((22, 14), (60, 40), (128, 10), (170, 30), (300, 12), (352, 36), (444, 18),
                                (400, 56), (12, 70), (466, 76), (236, 6))):
        c = WHITE if i % 2 else PALEYEL
        s.rect(x, y, 1, 1, c)
        if i % 3 == 0:
            s.rect(x - 1, y, 3, 1, c)
            s.rect(x, y - 1, 1, 3, c)


def Sea(s):
    s.rect(0, HORIZON, 480, 432 - HORIZON, MDBLUE)
    s.vbands(0, HORIZON, 480, 60, [NAVY, MDBLUE], dither=True)
    # the fire of the volcano on the water
    for i in range(10):
        y = HORIZON + 3 + 5 * i
        half = 36 - 3 * i
        s.rect(400 - half + 3 * i, y, 2 * half, 2, ORANGE if i % 2 else YELLOW)
    for i, (y, dash) in enumerate(((HORIZON + 8, 12), (HORIZON + 20, 16), (HORIZON + 34, 10), (HORIZON + 50, 18))):
        for x in range((i * 29) % 60, 480, 60):
            s.rect(x, y, dash, 1, SKY)


def Volcano(s):
    """The face's volcano, erupting on the title's horizon beside the reels."""
    s.begin('translate(%s,%s)' % (444 - 371, HORIZON - 118))
    face.Volcano(s, True)
    s.end()


def Beach(s):
    s.path('M0 432 L0 366 Q80 344 200 362 Q300 376 360 370 Q430 362 480 374 L480 432 Z', GOLD)
    s.path('M0 432 L0 380 Q90 362 200 378 Q300 390 360 384 Q430 376 480 388 L480 432 Z', OCHRE)
    for x, y in ((40, 390), (120, 380), (250, 400), (330, 392), (420, 404), (180, 414), (90, 420)):
        s.rect(x, y, 2, 1, CREAM)


def Palm(s, x, base, h, lean):
    s.path('M%d %d Q%d %d %d %d' % (x, base, x - lean, base - h // 2, x + lean // 2, base - h), None, BLACK, 9)
    s.path('M%d %d Q%d %d %d %d' % (x, base, x - lean, base - h // 2, x + lean // 2, base - h), None, OLIVE, 6)
    top = (x + lean // 2, base - h)
    for dx, dy in ((-52, 18), (-40, -12), (-10, -28), (24, -22), (50, 8), (44, 26), (-30, 30)):
        tip = (top[0] + dx, top[1] + dy)
        mid = (top[0] + dx // 2, top[1] + dy // 2 - 14)
        d = 'M%d %d Q%d %d %d %d' % (top[0], top[1], mid[0], mid[1], tip[0], tip[1])
        s.path(d, None, BLACK, 8)
        s.path(d, None, DKGREEN, 6)
        s.path('M%d %d Q%d %d %d %d' % (top[0], top[1] - 1, mid[0], mid[1] - 2, tip[0], tip[1] - 1), None,
               MDGREEN, 2)
    for dx in (-4, 3):
        s.circle(top[0] + dx, top[1] + 5, 4, BLACK)
        s.circle(top[0] + dx, top[1] + 5, 3, OCHRE)


def NumberBadge(s, cx, cy):
    """The red badge with No.5 (the stroke letters have no 5: its pen path is drawn here)."""
    s.circle(cx, cy, 31, BLACK)
    s.circle(cx, cy, 29, SILVER)
    s.circle(cx, cy, 26, RED)
    s.circle(cx, cy, 23, MDRED)
    strokefont.Draw(s, cx - 8, cy - 14, 'No.', 16, [(DKRED, 5.5, 1, 1), (WHITE, 3, 0, 0)], align='center',
                    tracking=2)
    five = 'M6.5 0 H1.2 L0.6 4.4 Q2 3.6 3.6 3.6 Q7 3.6 7 6.8 Q7 10 3.6 10 Q1.4 10 0.2 8.6'
    for colour, pen, dx, dy in ((DKRED, 6, 1, 1), (WHITE, 3.5, 0, 0)):
        s.add('<path d="%s" transform="translate(%s,%s) scale(2.4)" fill="none" stroke="%s" '
              'stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>' %
              (five, cx + 6 + dx, cy - 14 + dy, colour, round(pen / 2.4, 3)))


def ReelWindow(s, x, y):
    """The Sulvano's three reels half as large again, sevens on the middle line, in a marquee
    box with its bulbs lit."""
    scale = 1.5
    cell_w, cell_h = int(symbols.W * scale), int(symbols.U * scale)
    gap = 10
    w, h = 3 * cell_w + 2 * gap, cell_h * 12 // 5
    # the box: bulbs round a red frame, chrome inside it, black glass between the reels
    s.path('M%s %s h%s v%s h-%s z' % (x - 18, y - 18, w + 36, h + 36, w + 36), BLACK)
    s.path('M%s %s h%s v%s h-%s z' % (x - 17, y - 17, w + 34, h + 34, w + 34), face.CAB)
    for i in range(int((w + 20) // 16) + 1):
        face.Bulb(s, x - 10 + 16 * i, y - 10, True)
        face.Bulb(s, x - 10 + 16 * i, y + h + 10, True)
    s.path('M%s %s h%s v%s h-%s z' % (x - 4, y - 4, w + 8, h + 8, w + 8), SILVER)
    s.path('M%s %s h%s v%s h-%s z' % (x - 2, y - 2, w + 4, h + 4, w + 4), BLACK)
    cid = s.clip_rect('titlereels', x, y, w, h)
    s.begin(clip=cid)
    shown = [(5, 0, 1), (9, 0, 2), (3, 0, 8)]  # codes above, on and below the middle line
    top = y + (h - cell_h) // 2 - cell_h
    for r, codes in enumerate(shown):
        s.begin('translate(%s,%s) scale(%s)' % (x + r * (cell_w + gap), top, scale))
        for row, code in enumerate(codes):
            symbols.DrawSymbol(s, code, 0, symbols.U * row)
        s.end()
    s.path('M%s %s h%s v8 h-%s z' % (x, y, w, w), s.mix(WHITE, BLACK, 2))
    s.path('M%s %s h%s v8 h-%s z' % (x, y + h - 8, w, w), s.mix(WHITE, BLACK, 2))
    for r in range(2):
        s.path('M%s %s h%s v%s h-%s z' % (x + cell_w + r * (cell_w + gap), y, gap, h, gap), BLACK)
    s.end()
    # the winning line, lit
    s.path('M%s %s h%s v3 h-%s z' % (x - 4, y + h // 2 - 1, w + 8, w + 8), YELLOW)
    s.path('M%s %s h%s v1 h-%s z' % (x - 4, y + h // 2, w + 8, w + 8), WHITE)
    return w, h


def Build():
    s = Svg(480, 432, NAVY)
    Sky(s)
    Sea(s)
    Volcano(s)
    Beach(s)
    Palm(s, 40, 380, 150, 22)
    Palm(s, 94, 372, 110, -14)
    # two Sulvanos standing on the beach, one in its bonus
    for x, y, seated, flash in ((338, 290, True, True), (408, 296, False, False)):
        s.begin('translate(%d,%d) scale(0.5)' % (x, y))
        hallmachine.Machine(s, seated, flash)
        s.end()
    # the family logo and the game's number
    strokefont.Draw(s, 240, 10, 'MERIDOLA', 50,
                    [(BLACK, 16, 2, 3), (DKRED, 13, 0, 1), (RED, 11, 0, 0), (ORANGE, 7.5, 0, 0),
                     (YELLOW, 4, 0, 0), (WHITE, 1.5, -1, -1)],
                    align='center', skew=10, tracking=13)
    NumberBadge(s, 62, 144)
    # what the machine is, on a ribbon
    s.poly([(96, 74), (384, 74), (372, 88), (384, 102), (96, 102), (108, 88)], BLACK)
    s.poly([(98, 76), (380, 76), (369, 88), (380, 100), (98, 100), (109, 88)], DKRED)
    s.rect(110, 77, 258, 1, RED)
    s.text(240, 84, 'VOLCANO ISLAND SLOT', YELLOW, font=pixfont.FONT7, align='center', spacing=2,
           outline=BLACK)
    ReelWindow(s, 240 - 91, 126)
    strokefont.Draw(s, 236, 252, 'SULVANO', 36, [(BLACK, 11, 1, 2), (MDRED, 8.5, 0, 0), (ORANGE, 6, 0, 0),
                                                  (YELLOW, 3, 0, 0), (WHITE, 1, -1, -1)],
                    align='center', skew=12, tracking=5)
    s.rect(150, 392, 180, 34, BLACK, rx=6)
    s.rect(151, 393, 178, 32, s.mix(DKRED, BLACK, 2), rx=5)
    s.text(240, 397, 'DAY SHOP  10:00 - 22:00', GOLD, align='center', spacing=2)
    s.text(240, 412, 'NIGHT SHOP  22:00 - 10:00', SKY, align='center', spacing=2)
    s.save(os.path.join(OUT, '501.svg'), 'title picture of MERIDOLA No.5')


if __name__ == '__main__':
    Build()
