# Info-panel command buttons (509) and the play-option selectors (510): chrome faces with
# a pictogram and a label, each released look directly above its pressed look.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402

OUT = os.path.join(HERE, '..')


# --- pictograms (16 x 16 boxes) ---------------------------------------------------------------
def IconSlot(s, x, y):
    s.rect(x + 1, y, 14, 16, BLACK, rx=2)
    s.rect(x + 2, y + 1, 12, 14, MDBLUE, rx=1)
    s.rect(x + 3, y + 3, 10, 5, WHITE)
    s.rect(x + 4, y + 4, 2, 3, RED)
    s.rect(x + 7, y + 4, 2, 3, RED)
    s.rect(x + 10, y + 4, 2, 3, RED)
    s.rect(x + 3, y + 10, 10, 3, BLACK)
    for i in range(3):
        s.rect(x + 4 + 3 * i, y + 11, 2, 1, RED)


def IconPlayer(s, x, y):
    s.circle(x + 8, y + 5, 4.5, BLACK)
    s.circle(x + 8, y + 5, 3.5, PEACH)
    s.rect(x + 5, y + 1, 7, 3, BLACK)
    s.path('M%d %d Q%d %d %d %d Z' % (x + 1, y + 16, x + 8, y + 3, x + 15, y + 16), BLACK)
    s.path('M%d %d Q%d %d %d %d Z' % (x + 3, y + 16, x + 8, y + 6, x + 13, y + 16), SKY)
    s.circle(x + 8, y + 5, 3.5, PEACH)
    s.rect(x + 5, y + 1, 6, 2, BLACK)


def IconExit(s, x, y):
    s.rect(x + 1, y + 1, 9, 15, BLACK)
    s.rect(x + 2, y + 2, 7, 13, OCHRE)
    s.rect(x + 3, y + 3, 5, 11, GOLD)
    s.rect(x + 6, y + 8, 1, 2, BLACK)
    s.poly([(x + 8, y + 7), (x + 12, y + 7), (x + 12, y + 4), (x + 16, y + 9), (x + 12, y + 14),
            (x + 12, y + 11), (x + 8, y + 11)], BLACK)
    s.poly([(x + 9, y + 8), (x + 13, y + 8), (x + 13, y + 6), (x + 15, y + 9), (x + 13, y + 12),
            (x + 13, y + 10), (x + 9, y + 10)], RED)


def IconStool(s, x, y):
    s.ellipse(x + 8, y + 4, 7, 3, BLACK)
    s.ellipse(x + 8, y + 4, 6, 2, RED)
    s.rect(x + 5, y + 3, 5, 1, ROSE)
    s.rect(x + 7, y + 7, 3, 7, BLACK)
    s.rect(x + 8, y + 7, 1, 7, SILVER)
    s.ellipse(x + 8, y + 14, 6, 2, BLACK)
    s.ellipse(x + 8, y + 14, 5, 1, GREY)


def IconChange(s, x, y):
    for i, yy in enumerate((13, 10, 7)):
        s.ellipse(x + 6, y + yy, 6, 3, BLACK)
        s.ellipse(x + 6, y + yy - 1, 5, 2, SILVER)
        s.rect(x + 3, y + yy - 2, 4, 1, WHITE)
    s.rect(x + 9, y + 0, 7, 9, BLACK)
    s.rect(x + 10, y + 1, 5, 7, LTGREEN)
    s.pixels([(0, 0), (4, 0), (1, 1), (3, 1), (2, 2), (1, 3), (2, 3), (3, 3), (2, 4), (2, 5)], DKGREEN,
             x + 10, y + 1)


def IconHall(s, x, y):
    s.rect(x, y + 12, 16, 4, RED)
    s.rect(x, y + 14, 16, 1, DKRED)
    for i in range(3):
        xx = x + 1 + 5 * i
        s.rect(xx, y + 2, 5, 11, BLACK)
        s.rect(xx + 1, y + 3, 3, 9, MDBLUE)
        s.rect(xx + 1, y + 5, 3, 2, WHITE)
        s.rect(xx + 1, y + 3, 3, 1, YELLOW)


def IconReturn(s, x, y):
    s.path('M%d %d H%d A5 5 0 0 1 %d %d H%d' % (x + 4, y + 4, x + 10, x + 10, y + 14, x + 3), None, BLACK, 4)
    s.path('M%d %d H%d A5 5 0 0 1 %d %d H%d' % (x + 4, y + 4, x + 10, x + 10, y + 14, x + 3), None, GREEN, 2)
    s.poly([(x + 0, y + 4), (x + 6, y - 1 + 0), (x + 6, y + 9)], BLACK)
    s.poly([(x + 2, y + 4), (x + 5, y + 1), (x + 5, y + 7)], GREEN)


def IconSun(s, x, y, lit):
    core, ray = (YELLOW, ORANGE) if lit else (OLIVE, OLIVE)
    for dx, dy in ((0, -9), (0, 9), (-9, 0), (9, 0), (-6, -6), (6, -6), (-6, 6), (6, 6)):
        s.rect(x + dx - 1, y + dy - 1, 2, 2, ray)
    s.circle(x, y, 6, BLACK if lit else OLIVE)
    s.circle(x, y, 5, core)
    if lit:
        s.rect(x - 3, y - 3, 2, 2, WHITE)


def IconMoon(s, x, y, lit):
    s.circle(x, y, 7, PALEYEL if lit else GREY)
    s.circle(x + 4, y - 3, 6.5, NAVY if lit else BLACK)
    for sx, sy in ((9, 6), (12, -4), (-8, -7)):
        s.rect(x + sx, y + sy, 1, 1, WHITE if lit else GREY)
        if lit:
            s.rect(x + sx - 1, y + sy, 3, 1, WHITE)
            s.rect(x + sx, y + sy - 1, 1, 3, WHITE)


# --- faces -----------------------------------------------------------------------------------
FACE, FACE_HI, FACE_LO = SILVER, WHITE, GREY


def Face(s, x, y, w, h, pressed):
    """A chrome key: black rim, bevel, face; pressed keys sink and darken."""
    s.rect(x, y, w, h, BLACK, rx=3)
    if pressed:
        s.rect(x + 1, y + 1, w - 2, h - 2, FACE_LO, rx=2)
        s.rect(x + 2, y + 2, w - 3, h - 3, FACE_HI, rx=2)
        s.rect(x + 2, y + 2, w - 4, h - 4, s.mix(FACE, FACE_LO, 1), rx=2)
        s.rect(x + 2, y + 2, w - 4, 1, BLACK)
        s.rect(x + 2, y + 2, 1, h - 4, BLACK)
    else:
        s.rect(x + 1, y + 1, w - 2, h - 2, FACE_LO, rx=2)
        s.rect(x + 1, y + 1, w - 3, h - 3, FACE_HI, rx=2)
        s.rect(x + 2, y + 2, w - 4, h - 4, FACE, rx=2)
        s.rect(x + 3, y + h // 2, w - 6, (h - 4) // 2, s.mix(FACE, FACE_LO, 1))
        s.rect(x + 4, y + 2, w - 8, 1, WHITE)


def Key(s, y, label, icon, accent, pressed):
    x, w, h = 0, 120, 26
    Face(s, x, y, w, h, pressed)
    d = 1 if pressed else 0
    # the coloured pictogram plate at the left
    s.rect(x + 5 + d, y + 4 + d, 20, 18, BLACK, rx=2)
    s.rect(x + 6 + d, y + 5 + d, 18, 16, accent, rx=2)
    icon(s, x + 7 + d, y + 5 + d)
    s.text(x + 70 + d, y + 8 + d, label, BLACK, font=pixfont.FONT7, align='center', spacing=2,
           shadow=WHITE if not pressed else None)


KEYS = [('GAME', IconSlot, '#80C0FF'), ('PLAYER', IconPlayer, '#C0C0FF'), ('EXIT', IconExit, '#FFC0C0'),
        ('CHOOSE', IconStool, '#FFFFC0'), ('CHANGE', IconChange, '#C0FFC0'), ('HALL', IconHall, '#C0FFFF'),
        ('RETURN', IconReturn, '#FFC0FF')]


def ShopButton(s, y, shop):
    """DAY and NIGHT halves of the shop selector; the open shop's half is lit."""
    s.rect(0, y, 120, 50, BLACK, rx=4)
    for half in range(2):
        x = 60 * half
        lit = half == shop
        if half == 0:
            sky = [PALEYEL, GOLD] if lit else [BLACK]
        else:
            sky = [NAVY, MDBLUE] if lit else [BLACK]
        s.rect(x + 1, y + 1, 58, 48, WHITE if lit else GREY, rx=3)
        s.vbands(x + 3, y + 3, 54, 44, sky, dither=lit)
        if half == 0:
            IconSun(s, x + 30, y + 17, lit)
            s.text(x + 30, y + 33, 'DAY', DKRED if lit else GREY, font=pixfont.FONT7, align='center',
                   spacing=1, shadow=WHITE if lit else None)
        else:
            IconMoon(s, x + 28, y + 17, lit)
            s.text(x + 30, y + 33, 'NIGHT', YELLOW if lit else GREY, font=pixfont.FONT5, bold=True,
                   align='center', spacing=1, shadow=BLACK if lit else None)
        if not lit:
            s.rect(x + 3, y + 3, 54, 1, BLACK)


def ArrowKey(s, x, y, direction, pressed):
    Face(s, x, y, 60, 50, pressed)
    d = 1 if pressed else 0
    cx = x + 30 + d
    if direction < 0:
        pts = [(cx - 14, y + 18), (cx + 2, y + 6), (cx + 2, y + 13), (cx + 14, y + 13), (cx + 14, y + 23),
               (cx + 2, y + 23), (cx + 2, y + 30)]
    else:
        pts = [(cx + 14, y + 18), (cx - 2, y + 6), (cx - 2, y + 13), (cx - 14, y + 13), (cx - 14, y + 23),
               (cx - 2, y + 23), (cx - 2, y + 30)]
    s.poly([(a + 1, b + 1 + d) for a, b in pts], BLACK)
    s.poly([(a, b + d) for a, b in pts], BLACK, BLACK, 2)
    s.poly([(a, b + d) for a, b in pts], GOLD)
    s.text(cx, y + 36 + d, 'FORE' if direction < 0 else 'NEXT', BLACK, font=pixfont.FONT7, align='center',
           spacing=1, shadow=None if pressed else WHITE)


def Build509():
    s = Svg(120, 564, BLACK)
    for i, (label, icon, accent) in enumerate(KEYS):
        for pressed in (0, 1):
            Key(s, 52 * i + 26 * pressed, label, icon, accent, pressed)
    ShopButton(s, 364, 0)
    ShopButton(s, 414, 1)
    for pressed in (0, 1):
        ArrowKey(s, 0, 464 + 50 * pressed, -1, pressed)
        ArrowKey(s, 60, 464 + 50 * pressed, 1, pressed)
    s.save(os.path.join(OUT, '509.svg'),
           'panel command buttons, each released look above its pressed look')


# --- 510 -------------------------------------------------------------------------------------
def Segment(s, x, y, w, h, lit):
    s.rect(x, y, w, h, BLACK, rx=3)
    if lit:
        s.rect(x + 1, y + 1, w - 2, h - 2, GREY, rx=2)
        s.rect(x + 2, y + 2, w - 3, h - 3, WHITE, rx=2)
        s.rect(x + 2, y + 2, w - 4, h - 4, YELLOW, rx=2)
        s.rect(x + 2, y + 2, w - 4, 1, OCHRE)
    else:
        s.rect(x + 1, y + 1, w - 2, h - 2, GREY, rx=2)
        s.rect(x + 1, y + 1, w - 3, h - 3, WHITE, rx=2)
        s.rect(x + 2, y + 2, w - 4, h - 4, SILVER, rx=2)
        s.rect(x + 3, y + h // 2, w - 6, (h - 4) // 2, s.mix(SILVER, GREY, 1))


def PlayMode(s, y, mode):
    for half, name in enumerate(('MANU', 'AUTO')):
        lit = half == mode
        Segment(s, 60 * half, y, 60, 26, lit)
        d = 1 if lit else 0
        s.text(60 * half + 30 + d, y + 8 + d, name, DKRED if lit else GREY, font=pixfont.FONT7, align='center',
               spacing=1, shadow=None if lit else WHITE)


def Circled(s, cx, cy, n, lit):
    s.circle(cx, cy, 9, BLACK)
    s.circle(cx, cy, 8, RED if lit else GREY)
    s.circle(cx, cy, 6.5, WHITE if lit else SILVER)
    s.text(cx + 1, cy - 4, str(n), BLACK if lit else GREY, font=pixfont.FONT5, bold=True, align='center')


def StopOrder(s, y, order):
    s.rect(0, y, 120, 82, BLACK, rx=4)
    for half, seq in enumerate(((1, 2, 3), (1, 3, 2))):
        lit = half == order
        yy = y + 41 * half
        Segment(s, 0, yy, 120, 41, lit)
        d = 1 if lit else 0
        s.text(8 + d, yy + 4 + d, 'STOP', OCHRE if lit else GREY, font=pixfont.FONT3, spacing=1)
        for i, n in enumerate(seq):
            cx = 26 + 34 * i + d
            Circled(s, cx, yy + 22 + d, n, lit)
            if i < 2:
                ax = cx + 13
                s.poly([(ax, yy + 19 + d), (ax + 6, yy + 22 + d), (ax, yy + 25 + d)], DKRED if lit else GREY)


def Build510():
    s = Svg(120, 216, BLACK)
    PlayMode(s, 0, 0)
    PlayMode(s, 26, 1)
    StopOrder(s, 52, 0)
    StopOrder(s, 134, 1)
    s.save(os.path.join(OUT, '510.svg'),
           'MANU/AUTO and stop-order selectors in their looks')


if __name__ == '__main__':
    Build509()
    Build510()
