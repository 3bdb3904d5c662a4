# Machine face of the Brakolo (bitmap 502): a dragon's volcano over jungle-green lacquer with
# riveted gold; its lit, pressed and pulled looks are cut from the same drawing.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, '..', '..', '..', 'kv4402', 'art', 'src'))
import no2face  # noqa: E402  (the family's art kit, after this game's own scripts; it adds the shared kit)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402

L = no2face.Layout(7)

# Brakolo colours: jungle green lacquer, riveted gold, black iron, fire.
BODY, BODY_LIGHT = DKGREEN, MDGREEN
IRON = BLACK
FIRE = [DKRED, RED, ORANGE, GOLD, YELLOW]


def Rivet(s, x, y):
    s.circle(x, y, 2, BLACK)
    s.rect(x - 1, y - 1, 2, 2, GOLD)
    s.rect(x - 1, y - 1, 1, 1, PALEYEL)


def Flame(s, x, y, h, colours=(RED, ORANGE, YELLOW)):
    """A tongue of fire standing on (x, y), h pixels high."""
    w = h * 0.45
    for i, c in enumerate(colours):
        k = 1 - 0.3 * i
        s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z' %
               (x - w * k, y, x - w * k * 1.1, y - h * k * 0.5, x + w * 0.1, y - h * k,
                x + w * 0.2 * k, y - h * k * 0.45, x + w * k, y - h * k * 0.35, x + w * k * 0.9, y, x - w * k, y), c)


# --- top picture ---------------------------------------------------------------------------
def Dragon(s, x, y, lit):
    """The dragon's head in profile, facing right, its jaw at (x, y)."""
    green, dark, light = (GREEN, DKGREEN, LTGREEN) if lit else (MDGREEN, DKGREEN, GREEN)
    # neck coming up from below the picture
    s.path('M%d %d Q%d %d %d %d L%d %d Q%d %d %d %d Z' % (x - 70, y + 90, x - 70, y + 10, x - 30, y - 8,
                                                           x - 6, y + 14, x - 40, y + 30, x - 34, y + 90), BLACK)
    s.path('M%d %d Q%d %d %d %d L%d %d Q%d %d %d %d Z' % (x - 66, y + 90, x - 66, y + 12, x - 30, y - 4,
                                                           x - 10, y + 14, x - 42, y + 34, x - 38, y + 90), green)
    for i in range(5):
        sy = y + 20 + 14 * i
        s.path('M%d %d q6 -5 12 0' % (x - 60 + 2 * i, sy), None, dark, 2)
    # belly plates
    s.path('M%d %d Q%d %d %d %d' % (x - 40, y + 90, x - 44, y + 40, x - 16, y + 20), None, GOLD if lit else OCHRE, 5)
    # head: skull, snout, lower jaw
    head = [(x - 42, y - 14), (x - 20, y - 30), (x + 10, y - 26), (x + 40, y - 16), (x + 46, y - 8),
            (x + 40, y - 2), (x + 6, y), (x - 10, y + 4), (x - 30, y + 2)]
    jaw = [(x - 30, y + 2), (x - 6, y + 4), (x + 30, y + 6), (x + 34, y + 12), (x + 4, y + 18), (x - 24, y + 16)]
    s.poly(head, BLACK, BLACK, 3)
    s.poly(jaw, BLACK, BLACK, 3)
    s.poly(head, green)
    s.poly(jaw, dark)
    s.poly([(x - 20, y - 28), (x + 10, y - 24), (x + 38, y - 15), (x + 10, y - 18), (x - 16, y - 20)], light)
    # horns and the crest
    s.poly([(x - 30, y - 22), (x - 62, y - 44), (x - 24, y - 28)], PALEYEL, BLACK, 1.5)
    s.poly([(x - 14, y - 28), (x - 38, y - 56), (x - 6, y - 29)], CREAM, BLACK, 1.5)
    for i in range(4):
        bx = x - 40 - 7 * i
        s.poly([(bx, y - 8 + 10 * i), (bx - 12, y - 2 + 10 * i), (bx - 2, y + 4 + 10 * i)], dark, BLACK, 1)
    # eye, nostril, teeth
    s.ellipse(x - 4, y - 16, 6, 4, BLACK)
    s.ellipse(x - 4, y - 16, 5, 3, YELLOW if lit else GOLD)
    s.rect(x - 4, y - 19, 2, 6, BLACK)
    s.circle(x + 36, y - 10, 2, BLACK)
    for tx in range(x - 4, x + 30, 8):
        s.poly([(tx, y + 2), (tx + 4, y + 2), (tx + 2, y + 7)], WHITE)
    if lit:
        # fire from the jaws
        s.poly([(x + 34, y + 2), (x + 140, y - 30), (x + 160, y + 6), (x + 140, y + 40)], ORANGE)
        s.poly([(x + 36, y + 3), (x + 120, y - 16), (x + 134, y + 6), (x + 120, y + 26)], YELLOW)
        s.poly([(x + 38, y + 4), (x + 96, y - 4), (x + 104, y + 6), (x + 96, y + 14)], WHITE)


def Volcano(s, lit):
    s.poly([(250, 140), (330, 58), (356, 54), (372, 60), (462, 140)], BLACK)
    s.poly([(256, 140), (332, 62), (356, 58), (370, 64), (456, 140)], s.mix(DKRED, BLACK, 2))
    # lava running down
    lava = ORANGE if lit else MDRED
    s.path('M346 60 Q340 80 348 96 Q352 110 340 140 L352 140 Q362 112 356 94 Q350 80 354 60 Z', lava)
    s.path('M362 62 Q380 90 396 106 Q408 120 416 140 L424 140 Q414 116 402 102 Q386 86 368 62 Z', lava)
    if lit:
        s.path('M348 62 Q343 80 350 96 Q353 110 344 140 L348 140 Q357 112 353 94 Q347 80 351 62 Z', YELLOW)
        # the eruption
        for i, (dx, dy, r) in enumerate(((-20, -30, 12), (0, -44, 16), (22, -30, 11), (-8, -20, 9), (14, -16, 8))):
            s.circle(352 + dx, 54 + dy, r, ORANGE if i % 2 else RED)
            s.circle(352 + dx, 54 + dy, r * 0.6, YELLOW)
        for sx, sy in ((300, 24), (322, 14), (386, 12), (404, 30), (340, 6), (372, 4)):
            s.rect(sx, sy, 2, 2, YELLOW)
    else:
        for i, (dx, dy, r) in enumerate(((-12, -16, 9), (4, -26, 11), (18, -14, 8))):
            s.circle(352 + dx, 54 + dy, r, s.mix(GREY, BLACK, 2) if i % 2 else GREY)


def TopPicture(s, lit):
    x0, y0, w, h = L.top
    s.rect(x0, y0, w, h, IRON)
    ax, ay, aw, ah = 10, 8, w - 20, h - 20
    sky = [DKRED, RED, ORANGE, GOLD] if lit else [BLACK, s.mix(BLACK, DKRED, 2), DKRED, MDRED]
    s.vbands(ax, ay, aw, ah, sky)
    Volcano(s, lit)
    # the jungle at the foot of the mountain
    s.path('M10 140 Q40 118 70 128 Q100 110 130 126 Q170 112 200 130 Q240 116 280 132 Q330 120 380 136 '
           'Q430 122 470 134 L470 %d L10 %d Z' % (ay + ah, ay + ah), s.mix(DKGREEN, BLACK, 2))
    for px, ph in ((26, 22), (196, 18), (446, 24)):
        s.rect(px, 140 - ph, 3, ph, OCHRE)
        for dx in (-9, 9):
            s.path('M%d %d q%d -6 %d 4' % (px + 1, 140 - ph, dx, dx * 1.6), None, MDGREEN, 3)
    Dragon(s, 96, 82, lit)
    # the logo, burning
    layers = ([(BLACK, 14, 1, 2), (RED, 11, 0, 0), (YELLOW, 7, 0, 0), (WHITE, 2.5, -1, -1)] if lit else
              [(BLACK, 14, 1, 2), (DKRED, 11, 0, 0), (ORANGE, 7, 0, 0), (GOLD, 2.5, -1, -1)])
    strokefont.Draw(s, 272, 24, 'BRAKOLO', 42, layers, align='center', skew=16, tracking=5)
    # the stone plate with the maker's name
    s.rect(214, 116, 128, 16, BLACK)
    s.rect(215, 117, 126, 14, GREY)
    s.rect(216, 118, 124, 12, s.mix(GREY, SILVER, 2))
    s.text(278, 121, 'MERIDOLA  No.7', BLACK if not lit else DKRED, bold=True, align='center', spacing=1)
    # the iron frame with its gold rivets
    s.frame(ax - 1, ay - 1, aw + 2, ah + 2, BLACK)
    s.frame(ax - 2, ay - 2, aw + 4, ah + 4, OCHRE, 1)
    for rx in range(18, 470, 28):
        Rivet(s, rx, 4)
    y = ay + ah + 2
    s.rect(0, y, w, h - y, IRON)
    s.rect(0, y + 1, w, 2, GOLD)
    s.rect(0, y + 3, w, 1, OCHRE)
    for rx in range(18, 470, 28):
        Rivet(s, rx, y + 7)


# --- lamps ---------------------------------------------------------------------------------
def LineLampGlass(s, x, y, n, lit=True):
    w, h = L.line_lamp_size
    cx, cy = x + 11, y + h // 2
    if lit:
        s.rect(x + 16, y + 4, w - 22, h - 8, ORANGE)
        s.poly([(x + w - 7, y + 4), (x + w - 2, cy), (x + w - 7, y + h - 4)], ORANGE)
        s.rect(x + 18, y + 6, w - 26, h - 12, YELLOW)
        s.rect(x + 20, y + 7, 20, 1, WHITE)
        s.circle(cx, cy, 9, RED)
        s.circle(cx, cy, 7, YELLOW)
        s.text(cx + 1, cy - 4, str(n), DKRED, font=pixfont.FONT5, bold=True, align='center')
        s.text(x + 35, cy - 2, 'LINE', DKRED, font=pixfont.FONT3, align='center')
    else:
        s.rect(x + 16, y + 4, w - 22, h - 8, OCHRE)
        s.poly([(x + w - 7, y + 4), (x + w - 2, cy), (x + w - 7, y + h - 4)], OCHRE)
        s.rect(x + 18, y + 6, w - 26, h - 12, OLIVE)
        s.circle(cx, cy, 9, DKRED)
        s.circle(cx, cy, 7, MDRED)
        s.text(cx + 1, cy - 4, str(n), BLACK, font=pixfont.FONT5, bold=True, align='center')
        s.text(x + 35, cy - 2, 'LINE', BLACK, font=pixfont.FONT3, align='center')


def LineLamp(s, x, y, n):
    w, h = L.line_lamp_size
    cy = y + h // 2
    s.rect(x + 14, y + 2, w - 19, h - 4, BLACK)
    s.poly([(x + w - 6, y + 2), (x + w, cy), (x + w - 6, y + h - 2)], BLACK)
    s.circle(x + 11, cy, 11, BLACK)
    s.circle(x + 11, cy, 10, GOLD)
    LineLampGlass(s, x, y, n, False)


def StopLamp(s, x, y, lit):
    w, h = L.stop_lamp_size
    shape = [(x + 8, y + 1), (x + w - 8, y + 1), (x + w - 2, y + h // 2), (x + w - 8, y + h - 1),
             (x + 8, y + h - 1), (x + 2, y + h // 2)]
    s.poly(shape, BLACK)
    s.poly([(px + (1 if px < x + w // 2 else -1), py + (1 if py < y + h // 2 else -1 if py > y + h // 2 else 0))
            for px, py in shape], GOLD)
    inner = [(x + 10, y + 4), (x + w - 10, y + 4), (x + w - 5, y + h // 2), (x + w - 10, y + h - 4),
             (x + 10, y + h - 4), (x + 5, y + h // 2)]
    if lit:
        s.poly(inner, RED)
        s.rect(x + 14, y + 5, w - 28, 1, ROSE)
        s.text(x + w // 2, y + 7, 'STOP', YELLOW, font=pixfont.FONT7, align='center', spacing=1, shadow=DKRED)
    else:
        s.poly(inner, DKRED)
        s.rect(x + 14, y + 5, w - 28, 1, MDRED)
        s.text(x + w // 2, y + 7, 'STOP', BLACK, font=pixfont.FONT7, align='center', spacing=1)


def MedalLamp(s, lit):
    x, y, w, h = L.medal_lamp
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y + 1, w - 2, h - 2, OCHRE)
    s.rect(x + 2, y + 2, w - 4, h - 4, YELLOW if lit else OLIVE)
    if lit:
        s.rect(x + 3, y + 3, w - 6, 1, WHITE)
    s.text(x + w // 2, y + 5, 'INSERT', BLACK, font=pixfont.FONT3, align='center', spacing=1)
    s.text(x + w // 2, y + 11 - 1, 'MEDAL', DKRED if lit else BLACK, font=pixfont.FONT3, align='center', spacing=1)


# --- displays and gauge --------------------------------------------------------------------
SEG = no2face.Segments(16, 24)


def Digit(s, x, y, glyph):
    no2face.DigitCell(s, x, y, 16, 24, glyph, SEG, ORANGE, MDRED, DKRED,
                      core=YELLOW)


def Gauge(s, lit):
    x, y, w, h = L.gauge
    steps = no2face.GAUGE_STEPS
    per = h // steps
    s.rect(x, y, w, h, BLACK)
    for k in range(steps):
        top = y + h - per * (k + 1)
        c = FIRE[1 + min(3, k * 4 // steps)] if lit else (DKRED if k < steps * 3 // 4 else OCHRE)
        # every step keeps a dark top row: the game fills the gauge step by step
        s.rect(x + 2, top + 1, w - 4, per - 1, c)
        s.rect(x + 2, top + 1, 1, per - 1, BLACK)
        s.rect(x + w - 3, top + 1, 1, per - 1, BLACK)
        if lit:
            s.rect(x + 5, top + 1, w - 10, 1, YELLOW if k < steps - 4 else WHITE)


def RightColumn(s, lit_gauge, lit_medal):
    gx, gy, gw, gh = L.gauge
    mx, my, mw, mh = L.medal_lamp
    right = max(mx + mw, L.displays[0][0] + 2 * L.digit_size[0]) + 6
    s.rect(gx - 4, gy - 14, right - gx + 4, my + mh + 2 - gy + 14, BLACK)
    s.rect(gx - 3, gy - 13, right - gx + 2, my + mh - gy + 13, s.mix(BODY, BLACK, 2))
    s.rect(gx - 2, gy - 2, gw + 4, gh + 4, GOLD)
    s.rect(gx - 1, gy - 1, gw + 2, gh + 2, BLACK)
    Gauge(s, lit_gauge)
    s.text(gx + gw // 2, gy - 9, 'POWER', GOLD, font=pixfont.FONT3, align='center')
    no2face.DisplayCells(s, L, GOLD, Digit)
    for (x, y), label in zip(L.displays, ('BONUS GAME', 'CREDIT', 'PAYOUT')):
        s.text(x + L.digit_size[0], y - 9, label, PALEYEL, font=pixfont.FONT3, align='center', spacing=1)
    MedalLamp(s, lit_medal)


# --- reel panel ----------------------------------------------------------------------------
def ReelPanel(s, state):
    gl, gt, gr, gb = L.Glass()
    s.rect(gl - 7, gt - 7, gr - gl + 14, gb - gt + 14, BLACK)
    s.rect(gl - 6, gt - 6, gr - gl + 12, gb - gt + 12, OCHRE)
    s.rect(gl - 5, gt - 5, gr - gl + 10, gb - gt + 10, GOLD)
    s.rect(gl - 5, gt - 5, gr - gl + 10, 1, PALEYEL)
    s.rect(gl - 3, gt - 3, gr - gl + 6, gb - gt + 6, OCHRE)
    s.rect(gl - 2, gt - 2, gr - gl + 4, gb - gt + 4, BLACK)
    for rx, ry2 in ((gl - 4, gt - 4), (gr + 3, gt - 4), (gl - 4, gb + 3), (gr + 3, gb + 3)):
        Rivet(s, rx, ry2)
    # the glass: smoked black with a faint scale pattern, the reels in iron frames
    s.rect(gl, gt, gr - gl, gb - gt, s.mix(BLACK, DKGREEN, 1))
    for r, (x, y, w, h) in enumerate(L.reels):
        s.rect(x - 2, y - 1, w + 4, h + 2, OCHRE)
        s.rect(x - 1, y, w + 2, h, BLACK)
        s.rect(x, y, w, h, CREAM)
    lw, lh = L.line_lamp_size
    for (lx, ly), line in zip(L.line_lamps, L.pay_lines):
        s.polyline([(lx + lw, ly + lh // 2), (gl - 12, ly + lh // 2), (gl - 7, line[1])], GOLD, 1)
    for r, (x, y) in enumerate(L.stop_lamps):
        StopLamp(s, x, y, 'stop%d' % r in state)


# --- controls ------------------------------------------------------------------------------
def StopButton(s, x, y, pressed):
    w, h = L.stop_buttons[0][2:]
    s.rect(x, y, w, h, BLACK, rx=3)
    s.rect(x + 1, y + 1, w - 2, h - 2, GOLD, rx=3)
    s.rect(x + 2, y + 2, w - 3, h - 3, OCHRE, rx=2)
    s.rect(x + 3, y + 3, w - 6, h - 6, BLACK, rx=2)
    if pressed:
        s.rect(x + 4, y + 5, w - 8, h - 8, DKRED, rx=2)
        s.rect(x + 5, y + 6, w - 10, h - 11, MDRED, rx=1)
    else:
        s.rect(x + 4, y + 4, w - 8, h - 8, MDRED, rx=2)
        s.rect(x + 4, y + 4, w - 9, h - 9, RED, rx=2)
        s.rect(x + 6, y + 5, w - 14, 2, ROSE)
        s.rect(x + 6, y + 7, 2, 3, ROSE)


def BetButton(s, pressed):
    x, y, w, h = L.bet
    s.rect(x, y, w, h, BLACK, rx=7)
    if pressed:
        s.rect(x + 1, y + 1, w - 2, h - 2, OCHRE, rx=6)
        s.rect(x + 3, y + 3, w - 6, h - 5, OLIVE, rx=4)
        s.text(x + w // 2 + 1, y + 5, 'BET', BLACK, align='center')
    else:
        s.rect(x + 1, y + 1, w - 2, h - 2, OCHRE, rx=6)
        s.rect(x + 1, y + 1, w - 3, h - 3, GOLD, rx=6)
        s.rect(x + 5, y + 2, w - 10, 1, PALEYEL)
        s.text(x + w // 2, y + 4, 'BET', DKRED, align='center')


def Lever(s, pulled):
    x, y, w, h = L.lever
    cx = x + w // 2
    s.rect(cx - 9, y + h - 9, 18, 7, BLACK)
    s.rect(cx - 8, y + h - 8, 16, 5, GOLD)
    s.rect(cx - 8, y + h - 8, 16, 1, PALEYEL)
    s.rect(cx - 3, y + h - 6, 6, 2, BLACK)
    knob = y + (18 if pulled else 8)
    s.rect(cx - 2, knob, 5, y + h - 6 - knob, BLACK)
    s.rect(cx - 1, knob, 3, y + h - 6 - knob, SILVER)
    s.rect(cx - 1, knob, 1, y + h - 6 - knob, WHITE)
    s.circle(cx, knob, 7.5, BLACK)
    s.circle(cx, knob, 6.5, MDRED)
    s.circle(cx - 1, knob - 1, 5, RED)
    s.rect(cx - 4, knob - 4, 3, 2, WHITE)


def MedalSlot(s):
    x, y, w, h = L.medal_in
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y + 1, w - 2, h - 2, GOLD)
    s.rect(x + 2, y + 2, w - 4, h - 4, OCHRE)
    s.rect(x + 2, y + 2, w - 4, 1, PALEYEL)
    s.rect(x + 6, y + 9, w - 12, 7, BLACK)
    s.rect(x + 7, y + 11, w - 14, 3, GREY)
    s.rect(x + 8, y + 12, w - 16, 1, BLACK)
    for rx in (x + 4, x + w - 5):
        Rivet(s, rx, y + 5)
        Rivet(s, rx, y + h - 5)


def DragonEye(s, cx, cy):
    s.poly([(cx - 20, cy), (cx - 10, cy - 17), (cx + 10, cy - 17), (cx + 20, cy), (cx + 10, cy + 17),
            (cx - 10, cy + 17)], BLACK)
    s.poly([(cx - 18, cy), (cx - 9, cy - 15), (cx + 9, cy - 15), (cx + 18, cy), (cx + 9, cy + 15),
            (cx - 9, cy + 15)], GOLD)
    s.poly([(cx - 15, cy), (cx - 8, cy - 12), (cx + 8, cy - 12), (cx + 15, cy), (cx + 8, cy + 12),
            (cx - 8, cy + 12)], DKGREEN)
    s.ellipse(cx, cy, 12, 7, BLACK)
    s.ellipse(cx, cy, 11, 6, YELLOW)
    s.ellipse(cx, cy, 7, 5, ORANGE)
    s.rect(cx - 1, cy - 6, 3, 12, BLACK)
    s.rect(cx - 6, cy - 3, 2, 2, WHITE)


def Deck(s, state):
    ledge_top = 338
    front_top = 376
    s.rect(8, ledge_top, 464, 3, GOLD)
    s.rect(8, ledge_top, 464, 1, PALEYEL)
    s.rect(8, ledge_top + 3, 464, 1, OCHRE)
    s.vbands(8, ledge_top + 4, 464, front_top - ledge_top - 7, [s.mix(BLACK, DKGREEN, 1), BLACK])
    s.rect(8, front_top - 3, 464, 3, OCHRE)
    s.text(256, 350, '1 BET 1 LINE - 3 BET 5 LINES', GOLD, font=pixfont.FONT5, align='center', spacing=1)
    s.text(256, 361, 'JAC GAMES PLAY WITHOUT THE LEVER', ORANGE, font=pixfont.FONT3, align='center')
    for fx in (158, 354):
        Flame(s, fx, 366, 14)
    BetButton(s, 'bet' in state)
    MedalSlot(s)
    s.vbands(8, front_top, 464, 44, [BODY, s.mix(BODY, BLACK, 2)])
    # scales pressed into the lacquer
    for row in range(3):
        for col in range(30):
            sx = 14 + 16 * col + (8 if row % 2 else 0)
            sy = front_top + 8 + 12 * row
            if 14 <= sx <= 462:
                s.path('M%d %d q8 8 16 0' % (sx - 8, sy), None, s.mix(BODY, BLACK, 2), 1)
    lx, ly, lw, lh = L.lever
    s.rect(lx - 8, front_top + 4, lw + 16, 40, BLACK)
    s.rect(lx - 7, front_top + 5, lw + 14, 38, s.mix(GREY, BLACK, 2))
    Rivet(s, lx - 4, front_top + 8)
    Rivet(s, lx + lw + 3, front_top + 8)
    Lever(s, 'lever' in state)
    bx0 = L.stop_buttons[0][0]
    bx1 = L.stop_buttons[2][0] + L.stop_buttons[2][2]
    by = L.stop_buttons[0][1]
    s.rect(bx0 - 10, by - 6, bx1 - bx0 + 20, 34, BLACK)
    s.rect(bx0 - 9, by - 5, bx1 - bx0 + 18, 32, OCHRE)
    s.rect(bx0 - 8, by - 4, bx1 - bx0 + 16, 30, s.mix(GREY, BLACK, 2))
    for r, (x, y, w, h) in enumerate(L.stop_buttons):
        StopButton(s, x, y, 'button%d' % r in state)
    DragonEye(s, 432, front_top + 22)
    s.text(380, front_top + 12, 'BRAKOLO', GOLD, font=pixfont.FONT5, bold=True, align='center', spacing=1)
    s.text(380, front_top + 24, 'DRAGON', ORANGE, font=pixfont.FONT3, align='center', spacing=2)
    s.text(380, front_top + 31, 'VOLCANO', ORANGE, font=pixfont.FONT3, align='center', spacing=2)
    s.rect(8, 420, 464, 2, GOLD)
    s.rect(8, 422, 464, 10, BLACK)
    for rx in range(20, 470, 40):
        Rivet(s, rx, 427)


def Sides(s):
    for x0 in (0, 472):
        s.rect(x0, 0, 8, 432, BLACK)
        s.rect(x0 + 2, 0, 1, 432, OCHRE)
        s.rect(x0 + 5, 0, 1, 432, s.mix(DKRED, BLACK, 2))
        for ry in range(170, 420, 20):
            Rivet(s, x0 + 4, ry)


def MainPanel(s):
    _, top, _, th = L.top
    y0 = top + th
    s.vbands(8, y0, 464, 338 - y0, [BODY, s.mix(BODY, BODY_LIGHT, 1), BODY])
    lx, ly, lw, lh = L.LampColumn()
    s.rect(lx - 6, ly - 6, lw + 10, lh + 12, BLACK)
    s.rect(lx - 5, ly - 5, lw + 8, lh + 10, s.mix(BODY, BLACK, 2))
    for i, (x, y) in enumerate(L.line_lamps):
        LineLamp(s, x, y, L.line_numbers[i])


def DrawFace(s, state=()):
    no2face.PaintFace(s, state, sys.modules[__name__])


if __name__ == '__main__':
    no2face.BuildFace(L, 'Brakolo', DrawFace, LineLampGlass, Digit)
