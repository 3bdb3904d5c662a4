# Machine face of the Quessida (bitmap 502) and the lit, pressed and pulled looks cut from
# the same drawing (601-608), so that every look matches the face pixel for pixel; 609 digits.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
import lettering  # noqa: E402
import pixfont  # noqa: E402

# Where the game samples and paints the face, as the description states it.
REELS = [DESC.ReelWindow(r) for r in range(3)]
LINE_LAMPS = DESC.Places('LineLampLooks')
LINE_W, LINE_H = DESC.LookSize('LineLampLooks')
STOP_LAMPS = DESC.Places('StopLampLooks')
STOP_W, STOP_H = DESC.LookSize('StopLampLooks')
MEDAL_LAMP = DESC.Places('MedalLampLooks')[0]
MEDAL_W, MEDAL_H = DESC.LookSize('MedalLampLooks')
BONUS_LAMPS = DESC.Places('BonusLampLooks')
BONUS_W, BONUS_H = DESC.LookSize('BonusLampLooks')
BIG_LAMP = DESC.Places('BigChanceLampLooks')[0]
BIG_W, BIG_H = DESC.LookSize('BigChanceLampLooks')
DIGIT_W, DIGIT_H = DESC.LookSize('PanelDigits')
WAIT_ON = DESC.Places('WaitLampLooks')[0]
WAIT_OFF = tuple(DESC.Strip('WaitLampLooks')['looks'][0]['face'])
WAIT_W, WAIT_H = DESC.LookSize('WaitLampLooks')
LEVER = DESC.Control('lever')
STOP_BUTTONS = [DESC.Control('stop%d' % r) for r in range(3)]
BET = DESC.Control('bet')
MEDAL_SLOT = DESC.Control('medalIn')


def _LineNumbers():
    """The bet that opens each lamp's line: the row of 604 its lit look is painted from."""
    looks = DESC.Strip('LineLampLooks')['looks'][len(LINE_LAMPS):]
    return [look['paint']['from'][1] // LINE_H + 1 for look in looks]


def _StopPictures():
    """For each reel, which picture of 605 is its lit STOP lamp."""
    looks = DESC.Strip('StopLampLooks')['looks'][len(STOP_LAMPS):]
    return [look['from'][1] // STOP_H for look in looks]


def _Displays():
    """The two-digit displays as lists of cell places, and the cell the point is ORed on."""
    cells, point = [], None
    for a in DESC.Part('PanelDigits')['at']:
        if len(a) > 2 and a[2] == 'or':
            point = (a[0], a[1])
        else:
            cells.append((a[0], a[1]))
    cells.sort()
    groups = [[cells[0]]]
    for c in cells[1:]:
        if c[0] == groups[-1][-1][0] + DIGIT_W and c[1] == groups[-1][-1][1]:
            groups[-1].append(c)
        else:
            groups.append([c])
    return groups, point


LINE_NUMBERS = _LineNumbers()
STOP_PICTURES = _StopPictures()
DISPLAYS, POINT_CELL = _Displays()
PAY_CELLS = next(g for g in DISPLAYS if POINT_CELL in g)
CREDIT_CELLS = next(g for g in DISPLAYS if POINT_CELL not in g)
REEL_LEFT = REELS[0][0]
REEL_RIGHT = REELS[2][0] + REELS[2][2]
REEL_TOP = REELS[0][1]
REEL_BOTTOM = REELS[0][1] + REELS[0][3]

PANEL_TOP, DECK_TOP, DECK_FRONT, LOWER_TOP = 112, 338, 358, 420


# --- seven-segment digits (609): slanted green LEDs ----------------------------------------
def _Slant(pts):
    """Leans a segment to the right: one pixel per six rows above the cell's foot."""
    return [(x + (21 - y) // 6, y) for x, y in pts]


SEGMENTS = {
    'a': _Slant([(x, 1) for x in range(3, 10)] + [(x, 2) for x in range(4, 9)]),
    'b': _Slant([(10, y) for y in range(3, 10)] + [(9, y) for y in range(4, 9)]),
    'c': _Slant([(10, y) for y in range(12, 20)] + [(9, y) for y in range(13, 19)]),
    'd': _Slant([(x, 21) for x in range(3, 10)] + [(x, 20) for x in range(4, 9)]),
    'e': _Slant([(1, y) for y in range(12, 20)] + [(2, y) for y in range(13, 19)]),
    'f': _Slant([(1, y) for y in range(3, 10)] + [(2, y) for y in range(4, 9)]),
    'g': _Slant([(x, 10) for x in range(3, 10)] + [(x, 11) for x in range(3, 10)]),
}
DIGIT_SEGS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg', '']
POINT = [(13, 20), (14, 20), (13, 21), (14, 21)]
SEG_ON, SEG_HOT, SEG_OFF = GREEN, LTGREEN, JADE_DEEP
BLANK_GLYPH, POINT_GLYPH = 10, 11


def SevenSeg(s, x, y, glyph):
    """One LED cell: glyphs 0-9, the blank (all segments dark) and the point alone. Only the
    point is lit where the point glyph is ORed over a digit, so every digit is black there."""
    s.rect(x, y, DIGIT_W, DIGIT_H, BLACK)
    if glyph == POINT_GLYPH:
        s.pixels(POINT, SEG_ON, x, y)
        return
    on = DIGIT_SEGS[glyph]
    # dark segments show faintly: every other pixel of the dim green
    s.pixels([p for k in 'abcdefg' if k not in on for p in SEGMENTS[k]], s.mix(BLACK, SEG_OFF, 2), x, y)
    s.pixels([p for k in on for p in SEGMENTS[k]], SEG_ON, x, y)
    s.pixels([p for k in on for p in SEGMENTS[k][:3]], SEG_HOT, x, y)


# --- bet-line lamps: stepped amber arrows --------------------------------------------------
def LineLampShape(x, y, inset):
    """The arrow's outline, stepped at its point like a temple side, `inset` pixels in."""
    i = inset
    w, h = LINE_W, LINE_H
    return [(x + i, y + 2 + i), (x + 2 + i, y + i), (x + w - 18, y + i), (x + w - 18, y + 4 + i // 2),
            (x + w - 12 - i // 2, y + 4 + i // 2), (x + w - 12 - i // 2, y + 9 + i // 2),
            (x + w - 6 - i, y + 9 + i // 2), (x + w - 6 - i, y + h // 2 - 2),
            (x + w - 1 - i, y + h // 2 - 2), (x + w - 1 - i, y + h // 2 + 2),
            (x + w - 6 - i, y + h // 2 + 2), (x + w - 6 - i, y + h - 9 - i // 2),
            (x + w - 12 - i // 2, y + h - 9 - i // 2), (x + w - 12 - i // 2, y + h - 4 - i // 2),
            (x + w - 18, y + h - 4 - i // 2), (x + w - 18, y + h - i),
            (x + 2 + i, y + h - i), (x + i, y + h - 2 - i)]


def LineLampGlass(s, x, y, n, lit):
    """The glass of a bet-line lamp with the bet that opens its line; bitmap 604 holds the
    lit glass alone."""
    if lit:
        s.poly(LineLampShape(x, y, 2), ORANGE)
        s.poly(LineLampShape(x, y, 4), GOLD)
        s.poly(LineLampShape(x, y, 7), YELLOW)
        s.rect(x + 9, y + 6, 26, 1, WHITE)
        lettering.Carved(s, x + 13, y + 8, str(n), 2, [MDRED], MDRED, MDRED, outline=ORANGE, depth=1)
    else:
        s.poly(LineLampShape(x, y, 2), DKRED)
        s.poly(LineLampShape(x, y, 4), OLIVE)
        s.rect(x + 9, y + 6, 26, 1, OCHRE)
        lettering.Carved(s, x + 13, y + 8, str(n), 2, [OCHRE], OCHRE, OCHRE, outline=BLACK, depth=1)


def LineLamp(s, x, y, n, lit):
    s.poly(LineLampShape(x, y, 0), BLACK)
    s.poly(LineLampShape(x, y, 1), TURQ)
    LineLampGlass(s, x, y, n, lit)


# --- BONUS lamps: red glass beside a carved stage number -----------------------------------
def BonusGlass(s, x, y, lit):
    """The BONUS glass at the left of a bonus lamp; bitmap 607 is the lit glass alone."""
    gx, gy, gw, gh = x + 3, y + 3, 56, BONUS_H - 6
    if lit:
        s.rect(gx, gy, gw, gh, RED, rx=3)
        s.rect(gx + 2, gy + 2, gw - 4, gh - 4, ROSE, rx=2)
        s.rect(gx + 4, gy + 4, gw - 8, gh - 8, PINK)
        s.rect(gx + 4, gy + 3, gw - 8, 1, WHITE)
        s.text(gx + gw // 2, gy + 8, 'BONUS', DKRED, font=pixfont.FONT7, align='center', shadow=RED)
    else:
        s.rect(gx, gy, gw, gh, MDRED, rx=3)
        s.rect(gx + 2, gy + 2, gw - 4, gh - 4, DKRED, rx=2)
        s.rect(gx + 4, gy + 3, gw - 8, 1, MDRED)
        s.text(gx + gw // 2, gy + 8, 'BONUS', BLACK, font=pixfont.FONT7, align='center')


def BonusLamp(s, x, y, n, lit):
    s.rect(x, y, BONUS_W, BONUS_H, BLACK, rx=3)
    s.rect(x + 1, y + 1, BONUS_W - 2, BONUS_H - 2, TURQ_DARK, rx=3)
    s.rect(x + 2, y + 2, BONUS_W - 4, BONUS_H - 4, BLACK, rx=2)
    # the stage number on a stepped turquoise plate, never lit: the glass beside it tells
    px, py = x + 62, y + 3
    s.poly(SteppedOutline(px, py, 21, BONUS_H - 6, 2, 3), TURQ_DARK)
    s.poly(SteppedOutline(px + 1, py + 1, 19, BONUS_H - 8, 2, 3), TURQ)
    lettering.Carved(s, px + 6, py + 5, str(n), 2, [TURQ_PALE], TURQ_PALE, TURQ_PALE, outline=BLACK, depth=1)
    BonusGlass(s, x, y, lit)


# --- BIG CHANCE: the sun stone -------------------------------------------------------------
def BigChanceLamp(s, lit):
    x, y = BIG_LAMP
    cx, cy = x + BIG_W // 2, y + BIG_H // 2
    s.rect(x, y, BIG_W, BIG_H, BLACK)
    rays_out, rays_in = [], []
    n = 16
    import math
    for k in range(2 * n):
        a = math.pi * k / n
        r_out = 26 if k % 2 == 0 else 20
        r_in = 24 if k % 2 == 0 else 19
        rays_out.append((round(cx + r_out * math.cos(a), 1), round(cy + r_out * math.sin(a), 1)))
        rays_in.append((round(cx + r_in * math.cos(a), 1), round(cy + r_in * math.sin(a), 1)))
    if lit:
        s.poly(rays_out, RED)
        s.poly(rays_in, ORANGE)
        s.circle(cx, cy, 19, BLACK)
        s.circle(cx, cy, 18, GOLD)
        s.circle(cx, cy, 15, YELLOW)
        s.circle(cx, cy, 10, CREAM)
        s.text(cx + 1, cy - 12, 'BIG', MDRED, font=pixfont.FONT7, align='center', shadow=ORANGE)
        s.text(cx + 1, cy + 2, 'CHANCE', MDRED, align='center')
        s.rect(cx - 12, cy - 14, 4, 1, WHITE)
        s.rect(cx - 14, cy - 12, 1, 3, WHITE)
    else:
        s.poly(rays_out, DKRED)
        s.poly(rays_in, s.mix(DKRED, OLIVE, 2))
        s.circle(cx, cy, 19, BLACK)
        s.circle(cx, cy, 18, OCHRE)
        s.circle(cx, cy, 15, OLIVE)
        s.text(cx + 1, cy - 12, 'BIG', BLACK, font=pixfont.FONT7, align='center')
        s.text(cx + 1, cy + 2, 'CHANCE', BLACK, align='center')
        s.rect(cx - 12, cy - 14, 4, 1, OCHRE)


# --- STOP lamps: ice-blue lenses on stepped plaques ----------------------------------------
def StopLamp(s, r, lit):
    x, y = STOP_LAMPS[r]
    cx = x + STOP_W // 2
    s.poly(SteppedOutline(x + 3, y + 1, STOP_W - 6, 41, 2, 4), BLACK)
    s.poly(SteppedOutline(x + 4, y + 2, STOP_W - 8, 39, 2, 4), TURQ_DARK)
    s.poly(SteppedOutline(x + 5, y + 3, STOP_W - 10, 37, 2, 4), BLACK)
    lens_y = y + 23
    # the glint faces the middle of the machine: on the right reel it sits at the right
    glint = cx - 15 if r < 2 else cx + 8
    if lit:
        s.ellipse(cx, lens_y, 24, 14, BLUE)
        s.ellipse(cx, lens_y, 22, 12, TURQ_LIGHT)
        s.ellipse(cx, lens_y, 18, 9, TURQ_PALE)
        s.text(cx + 1, lens_y - 4, 'STOP', NAVY, font=pixfont.FONT7, align='center', shadow=TURQ)
        s.rect(glint, lens_y - 10, 8, 2, WHITE)
    else:
        s.ellipse(cx, lens_y, 24, 14, NAVY)
        s.ellipse(cx, lens_y, 22, 12, MDBLUE)
        s.ellipse(cx, lens_y, 18, 9, NAVY)
        s.text(cx + 1, lens_y - 4, 'STOP', BLACK, font=pixfont.FONT7, align='center')
        s.rect(glint, lens_y - 10, 8, 2, MDBLUE)
    # a stepped pointer under the plaque towards the button
    c = SUN if lit else OCHRE
    s.rect(cx - 5, y + 43, 11, 2, c)
    s.rect(cx - 3, y + 45, 7, 2, c)
    s.rect(cx - 1, y + 47, 3, 2, c)


# --- MEDALS lamp ---------------------------------------------------------------------------
def MedalLamp(s, lit):
    x, y = MEDAL_LAMP
    s.rect(x, y, MEDAL_W, MEDAL_H, BLACK, rx=2)
    s.rect(x + 1, y + 1, MEDAL_W - 2, MEDAL_H - 2, TURQ_DARK, rx=2)
    if lit:
        s.rect(x + 2, y + 2, MEDAL_W - 4, MEDAL_H - 4, MAGENTA)
        s.rect(x + 3, y + 3, MEDAL_W - 6, MEDAL_H - 6, '#FF80FF')
        s.rect(x + 4, y + 3, MEDAL_W - 8, 1, WHITE)
        s.text(x + MEDAL_W // 2, y + 6, 'MEDALS', PURPLE, align='center')
    else:
        s.rect(x + 2, y + 2, MEDAL_W - 4, MEDAL_H - 4, PURPLE)
        s.rect(x + 4, y + 3, MEDAL_W - 8, 1, VIOLET)
        s.text(x + MEDAL_W // 2, y + 6, 'MEDALS', BLACK, align='center')


# --- controls ------------------------------------------------------------------------------
def StopButton(s, x, y, pressed):
    """A gold dome in a stepped turquoise collar. It fills its square in plain colours (no
    dither, whose pattern follows the screen), so the three buttons share one look wherever
    they stand."""
    w, h = STOP_BUTTONS[0][2], STOP_BUTTONS[0][3]
    s.rect(x, y, w, h, BLACK)
    s.poly(SteppedOutline(x + 1, y + 1, w - 2, h - 2, 1, 3), TURQ_DARK)
    s.poly(SteppedOutline(x + 1, y + 1, w - 3, h - 3, 1, 3), TURQ)
    s.rect(x + 4, y + 4, w - 8, h - 8, BLACK)
    cx, cy = x + w // 2, y + h // 2
    if pressed:
        s.circle(cx, cy + 1, 7, OCHRE)
        s.circle(cx, cy + 1, 5, ORANGE)
        s.rect(cx - 3, cy - 2, 3, 1, GOLD)
    else:
        s.circle(cx, cy, 8, ORANGE)
        s.circle(cx - 0.5, cy - 0.5, 7, GOLD)
        s.circle(cx + 1, cy + 1, 4, ORANGE)
        s.circle(cx, cy, 3.5, GOLD)
        s.rect(cx - 5, cy - 5, 4, 2, WHITE)
        s.rect(cx - 5, cy - 3, 2, 1, PALEYEL)


def BetButton(s, pressed):
    x, y, w, h = BET
    s.rect(x, y, w, h, BLACK, rx=3)
    s.rect(x + 1, y + 1, w - 2, h - 2, TURQ_DARK, rx=3)
    s.rect(x + 3, y + 3, w - 6, h - 6, BLACK)
    d = 1 if pressed else 0
    if pressed:
        s.rect(x + 4, y + 4, w - 8, h - 8, TURQ_DARK)
        s.rect(x + 5, y + 5, w - 9, h - 9, s.mix(TURQ_DARK, TURQ, 2))
    else:
        s.bevel(x + 4, y + 4, w - 8, h - 8, TURQ, TURQ_PALE, TURQ_DARK, t=2)
        s.rect(x + 7, y + 6, 16, 1, WHITE)
    s.text(x + w // 2 + d, y + 7 + d, 'BET', NAVY, font=pixfont.FONT7, align='center')
    s.text(x + w // 2 + d, y + 20 + d, '+1', NAVY, align='center')


def Lever(s, pulled):
    x, y, w, h = LEVER
    cx = x + w // 2
    # a stepped base plate on the deck, drawn the same in both looks
    s.poly(SteppedOutline(x + 2, y + 28, w - 4, 13, 2, 3), BLACK)
    s.poly(SteppedOutline(x + 3, y + 29, w - 6, 12, 2, 3), SUN)
    s.poly(SteppedOutline(x + 4, y + 30, w - 8, 10, 2, 3), OCHRE)
    s.rect(cx - 5, y + 33, 10, 4, BLACK)
    if pulled:
        # the lever points at the player: short, knob low
        s.rect(cx - 3, y + 24, 6, 11, BLACK)
        s.rect(cx - 2, y + 25, 4, 10, GOLD)
        s.rect(cx - 1, y + 25, 1, 9, PALEYEL)
        s.circle(cx, y + 24, 9, BLACK)
        s.circle(cx, y + 24, 8, JADE_DEEP)
        s.circle(cx - 1, y + 23, 6, JADE)
        s.rect(cx - 5, y + 19, 4, 2, WHITE)
        s.rect(cx - 5, y + 21, 2, 1, JADE_LIGHT)
    else:
        s.poly([(cx - 3, y + 35), (cx + 3, y + 35), (cx + 2, y + 12), (cx - 2, y + 12)], BLACK)
        s.rect(cx - 1, y + 12, 3, 23, GOLD)
        s.rect(cx - 1, y + 12, 1, 23, PALEYEL)
        s.circle(cx, y + 10, 9, BLACK)
        s.circle(cx, y + 10, 8, JADE_DEEP)
        s.circle(cx - 1, y + 9, 6, JADE)
        s.rect(cx - 5, y + 5, 4, 2, WHITE)
        s.rect(cx - 5, y + 7, 2, 1, JADE_LIGHT)


def MedalSlot(s):
    """The medal acceptor below the MEDALS lamp: a turquoise-framed plate with an engraved
    medal, the words MEDAL IN and an upright chrome slot."""
    x, y, w, h = MEDAL_SLOT
    px, py, pw, ph = x + 20, y + 10, 48, h - 11
    s.rect(px, py, pw, ph, BLACK, rx=4)
    s.rect(px + 1, py + 1, pw - 2, ph - 2, TURQ_DARK, rx=3)
    s.rect(px + 2, py + 2, pw - 4, ph - 4, TURQ, rx=3)
    s.rect(px + 3, py + 3, pw - 6, 1, TURQ_PALE)
    s.rect(px + 4, py + 5, pw - 8, ph - 9, BLACK, rx=2)
    # the medal, engraved: a silver disc with a star
    mx, my = px + 13, py + ph // 2
    s.circle(mx, my, 7, BLACK)
    s.circle(mx, my, 6, GREY)
    s.circle(mx - 0.5, my - 0.5, 5.5, SILVER)
    s.circle(mx, my, 4, GREY)
    s.circle(mx - 0.5, my - 0.5, 3.5, SILVER)
    s.rect(mx - 1, my - 3, 1, 5, WHITE)
    s.rect(mx - 3, my - 1, 5, 1, WHITE)
    # the slot in a chrome rim, with arrows that point into it
    sx = px + 30
    s.rect(sx - 4, py + 6, 9, ph - 11, SILVER, rx=2)
    s.rect(sx - 4, py + 6, 1, ph - 11, WHITE)
    s.rect(sx + 4, py + 6, 1, ph - 11, GREY)
    s.rect(sx - 1, py + 8, 3, ph - 15, BLACK)
    for k in range(2):
        ay = py + 8 + 7 * k
        s.poly([(sx + 8, ay), (sx + 12, ay), (sx + 10, ay + 4)], SUN)


# --- cabinet -------------------------------------------------------------------------------
def Pillars(s):
    """Carved side pillars: turquoise reeds with a step notch every 24 rows."""
    top = 24
    for x0, bands in ((0, [BLACK, TURQ_DARK, TURQ, TURQ_PALE, TURQ, TURQ_DARK, JADE_DEEP, BLACK]),
                      (472, [BLACK, JADE_DEEP, TURQ_DARK, TURQ, TURQ_PALE, TURQ, TURQ_DARK, BLACK])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, top, 1, 432 - top, c)
        for ny in range(top + 20, 432, 24):
            s.rect(x0 + 2, ny, 4, 2, BLACK)
            s.rect(x0 + 3, ny + 2, 2, 1, TURQ_PALE)


def Crown(s):
    """The top of the machine: a stepped temple crown holding the sunset marquee."""
    s.rect(0, 0, 480, PANEL_TOP, BLACK)
    s.poly(SteppedOutline(0, 0, 480, PANEL_TOP, 3, 8), BLACK)
    s.poly(SteppedOutline(1, 1, 478, PANEL_TOP, 3, 8), TURQ)
    s.poly(SteppedOutline(3, 3, 474, PANEL_TOP, 3, 8), TURQ_DARK)
    s.poly(SteppedOutline(4, 4, 472, PANEL_TOP, 3, 8), JADE_DEEP)
    # the name plaque on the top step
    s.rect(190, 5, 100, 12, BLACK, rx=2)
    s.rect(191, 6, 98, 10, TURQ_DARK, rx=2)
    s.rect(192, 7, 96, 8, BLACK)
    s.text(240, 8, 'MERIDOLA', SUN, bold=False, align='center', spacing=3)
    for x in (182, 298):
        Rivet(s, x, 11)
    Marquee(s)
    StepFret(s, 8, PANEL_TOP - 12, 464, BLACK, TURQ)
    s.rect(8, PANEL_TOP - 13, 464, 1, TURQ_DARK)
    s.rect(8, PANEL_TOP - 4, 464, 1, TURQ_DARK)
    s.rect(0, PANEL_TOP - 3, 480, 3, BLACK)


def Marquee(s):
    mx, my, mw, mh = 16, 20, 448, 78
    outline = SteppedOutline(mx, my, mw, mh, 2, 5)
    s.poly(SteppedOutline(mx - 2, my - 2, mw + 4, mh + 4, 2, 5), BLACK)
    s.poly(SteppedOutline(mx - 1, my - 1, mw + 2, mh + 2, 2, 5), TERRA)
    s.clip_path('marquee', 'M' + ' L'.join('%s %s' % p for p in outline) + ' Z')
    s.begin(clip='marquee')
    # the sunset: violet sky down to a gold horizon, the sun going down behind the temple
    s.vbands(mx, my, mw, mh, [PURPLE, MDRED, RED, ORANGE, GOLD])
    for sx, sy in ((40, 27), (76, 33), (118, 25), (360, 26), (402, 33), (438, 28), (150, 31), (330, 31)):
        s.rect(sx, sy, 1, 1, PINK)
    sun_y = my + 26
    for k in range(12):
        import math
        a = math.pi * (k + 0.5) / 12
        s.line(240, sun_y, round(240 - 60 * math.cos(a), 1), round(sun_y - 60 * math.sin(a) + 30, 1),
               s.mix(ORANGE, YELLOW, 2), 3)
    s.circle(240, sun_y, 24, YELLOW)
    s.circle(240, sun_y, 20, PALEYEL)
    s.circle(240, sun_y, 15, CREAM)
    Jungle(s, mx, my, mw, mh)
    Temple(s, 240, my + mh)
    s.end()
    # the logo, carved across the terraces of the temple
    text = 'QUESSIDA'
    w = lettering.Width(text, 5, 4)
    lettering.Carved(s, 240 - w // 2, my + 37, text, 5, [TURQ_PALE, TURQ_LIGHT, TURQ_LIGHT, TURQ, TURQ],
                     WHITE, TURQ_DARK, gap=4, depth=2)


def Temple(s, cx, base):
    """The step pyramid in silhouette against the sun: four terraces and a shrine, the
    sunset catching the edge of every terrace."""
    y = base
    for w in (336, 300, 266, 234):
        y -= 10
        s.rect(cx - w // 2, y, w, 10, BLACK)
        s.rect(cx - w // 2, y, w, 1, MDRED)
        s.rect(cx - w // 2, y + 1, 1, 9, DKRED)
        s.rect(cx + w // 2 - 1, y + 1, 1, 9, DKRED)
    s.rect(cx - 36, y - 14, 72, 14, BLACK)
    s.rect(cx - 36, y - 14, 72, 1, MDRED)
    s.rect(cx - 22, y - 19, 44, 5, BLACK)
    s.rect(cx - 22, y - 19, 44, 1, MDRED)
    for dx in (-26, -12, 6, 20):
        s.rect(cx + dx, y - 10, 6, 10, DKRED)
        s.rect(cx + dx + 1, y - 9, 4, 9, s.mix(DKRED, GOLD, 1))


def Frond(s, x, y, length, angle, bend, colour):
    """A palm frond in silhouette: a curved stalk with drooping leaflets on both sides."""
    import math
    a = math.radians(angle)
    ex, ey = x + length * math.cos(a), y + length * math.sin(a) + bend
    cx, cy = x + length * 0.5 * math.cos(a), y + length * 0.5 * math.sin(a) - bend * 0.3
    s.path('M%.1f %.1f Q%.1f %.1f %.1f %.1f' % (x, y, cx, cy, ex, ey), None, colour, 3)
    n = 9
    for k in range(1, n + 1):
        t = k / float(n + 1)
        px = (1 - t) ** 2 * x + 2 * (1 - t) * t * cx + t * t * ex
        py = (1 - t) ** 2 * y + 2 * (1 - t) * t * cy + t * t * ey
        dx = 2 * (1 - t) * (cx - x) + 2 * t * (ex - cx)
        dy = 2 * (1 - t) * (cy - y) + 2 * t * (ey - cy)
        d = math.atan2(dy, dx)
        size = max(8.0, length * 0.2) * (1 - 0.5 * t)
        base = max(1.5, length * 0.025)
        for side in (-1, 1):
            b = d + side * 0.9
            tx, ty = px + size * math.cos(b), py + size * math.sin(b) + size * 0.3
            s.poly([(round(px - base * math.cos(d), 1), round(py - base * math.sin(d), 1)),
                    (round(px + base * 2 * math.cos(d), 1), round(py + base * 2 * math.sin(d), 1)),
                    (round(tx, 1), round(ty, 1))], colour)


def Jungle(s, mx, my, mw, mh):
    """Fronds hanging into the marquee from both sides, and two palms on the horizon."""
    for x, y, ln, ang, bend in ((mx - 8, my + 6, 74, 10, 14), (mx - 8, my + 36, 60, -10, 10),
                                (mx + mw + 8, my + 6, 74, 170, 14), (mx + mw + 8, my + 36, 60, 190, 10)):
        Frond(s, x, y, ln, ang, bend, BLACK)
    for px in (96, 384):
        s.path('M%d %d Q%d %d %d %d' % (px, my + mh, px - 3, my + 50, px + 2, my + 34), None, BLACK, 3)
        for ang, bend in ((200, 6), (160, 8), (340, 8), (20, 6), (255, 2), (290, 2)):
            Frond(s, px + 2, my + 34, 18, ang, bend, BLACK)


def ReelPanel(s):
    y0, y1 = PANEL_TOP, DECK_TOP
    s.rect(8, y0, 464, y1 - y0, JADE_DEEP)
    # lamp columns: black stone recesses rimmed with turquoise
    for x, y, w, h in ((12, 118, 78, 172), (372, 118, 97, 172)):
        s.rect(x, y, w, h, BLACK, rx=3)
        s.rect(x + 1, y + 1, w - 2, h - 2, TURQ_DARK, rx=3)
        s.rect(x + 2, y + 2, w - 4, h - 4, BLACK, rx=2)
    ReelBezel(s)
    # pay-line stubs from the lamps to the glass
    ends = [162, 171, 204, 237, 246]
    for (lx, ly), to in zip(LINE_LAMPS, ends):
        s.line(lx + LINE_W, ly + LINE_H // 2, REEL_LEFT - 5, to, OLIVE, 2)


def ReelBezel(s):
    """The reels sit in a temple doorway: a corbelled terracotta arch, stepped at the top."""
    gx0, gx1 = REEL_LEFT - 8, REEL_RIGHT + 8
    gy0, gy1 = REEL_TOP - 10, REEL_BOTTOM + 6
    x, y, w, h = gx0 - 6, gy0 - 12, gx1 - gx0 + 12, gy1 - gy0 + 16
    s.poly(SteppedOutline(x - 1, y - 1, w + 2, h + 2, 3, 4), BLACK)
    s.poly(SteppedOutline(x, y, w, h, 3, 4), TERRA_DARK)
    s.poly(SteppedOutline(x + 1, y + 1, w - 2, h - 3, 3, 4), TERRA)
    s.poly(SteppedOutline(x + 2, y + 2, w - 4, h - 6, 3, 4), s.mix(TERRA, TERRA_LIGHT, 1))
    s.poly(SteppedOutline(x + 4, y + 4, w - 8, h - 10, 3, 4), TERRA)
    s.rect(gx0 - 1, gy0 - 1, gx1 - gx0 + 2, gy1 - gy0 + 2, TERRA_DARK)
    s.rect(gx0, gy0, gx1 - gx0, gy1 - gy0, BLACK)
    s.text((gx0 + gx1) // 2, gy0 - 9, '1 BET 1 LINE  2 BET 3 LINES  3 BET 5 LINES', PALEYEL,
           font=pixfont.FONT3, align='center', spacing=1)
    # the glass between the reels, where the pay lines cross: dark stone
    s.rect(REEL_LEFT - 4, REEL_TOP - 4, REEL_RIGHT - REEL_LEFT + 8, REEL_BOTTOM - REEL_TOP + 8, DeepJade(s))
    s.rect(REEL_LEFT - 1, REEL_TOP - 1, REEL_RIGHT - REEL_LEFT + 2, REEL_BOTTOM - REEL_TOP + 2, BLACK)
    for r, (x, y, w, h) in enumerate(REELS):
        s.rect(x, y, w, h, CREAM)
        if r < 2:
            nx = REELS[r + 1][0]
            s.rect(x + w, y, nx - x - w, h, s.mix(BLACK, JADE_DEEP, 1))
            s.rect(x + w + 2, y, 1, h, TURQ_DARK)
            s.rect(nx - 3, y, 1, h, TURQ_DARK)


def Displays(s):
    # payout and WAIT window, left
    x0, y0 = PAY_CELLS[0][0] - 5, PAY_CELLS[0][1] - 4
    s.rect(x0, y0, 78, 38, BLACK, rx=3)
    s.rect(x0 + 1, y0 + 1, 76, 36, TURQ_DARK, rx=3)
    s.rect(x0 + 2, y0 + 2, 74, 34, BLACK, rx=2)
    for x, y in PAY_CELLS:
        SevenSeg(s, x, y, BLANK_GLYPH)
    s.text(PAY_CELLS[0][0] + DIGIT_W, y0 + 30, 'WIN', JADE, align='center')
    s.rect(WAIT_OFF[0], WAIT_OFF[1], WAIT_W, WAIT_H, BLACK)
    s.rect(WAIT_ON[0], WAIT_ON[1], WAIT_W, WAIT_H, BLACK)
    s.text(WAIT_ON[0] + WAIT_W // 2, WAIT_ON[1] + 2, 'WAIT', YELLOW, align='center')
    # credit window, right
    x0, y0 = CREDIT_CELLS[0][0] - 5, CREDIT_CELLS[0][1] - 4
    s.rect(x0, y0, 44, 38, BLACK, rx=3)
    s.rect(x0 + 1, y0 + 1, 42, 36, TURQ_DARK, rx=3)
    s.rect(x0 + 2, y0 + 2, 40, 34, BLACK, rx=2)
    for x, y in CREDIT_CELLS:
        SevenSeg(s, x, y, BLANK_GLYPH)
    s.text(CREDIT_CELLS[0][0] + DIGIT_W, y0 + 30, 'CREDIT', JADE, align='center')


def Deck(s):
    y0 = DECK_TOP
    # the ledge: a turquoise lip, its sloping jade top, then the front
    s.rect(8, y0, 464, 1, BLACK)
    s.rect(8, y0 + 1, 464, 1, TURQ_PALE)
    s.rect(8, y0 + 2, 464, 2, TURQ)
    s.rect(8, y0 + 4, 464, 1, TURQ_DARK)
    s.rect(8, y0 + 5, 464, 5, JADE)
    s.rect(8, y0 + 10, 464, DECK_FRONT - y0 - 12, s.mix(JADE, JADE_DEEP, 2))
    s.rect(8, DECK_FRONT - 2, 464, 1, JADE_LIGHT)
    s.rect(8, DECK_FRONT - 1, 464, 1, BLACK)
    s.rect(8, DECK_FRONT, 464, LOWER_TOP - DECK_FRONT, JADE_DEEP)
    s.rect(8, DECK_FRONT, 464, 2, DeepJade(s))
    s.rect(8, LOWER_TOP - 3, 464, 1, JADE)
    s.rect(8, LOWER_TOP - 2, 464, 2, BLACK)
    # lever housing: a stepped sun-gold plinth
    lx, ly, lw, lh = LEVER
    s.poly(SteppedOutline(lx - 24, ly - 6, lw + 50, lh + 10, 2, 4), BLACK)
    s.poly(SteppedOutline(lx - 23, ly - 5, lw + 48, lh + 8, 2, 4), TURQ_DARK)
    s.poly(SteppedOutline(lx - 22, ly - 4, lw + 46, lh + 6, 2, 4), BLACK)
    for i, ch in enumerate('START'):
        s.text(lx + lw + 12, ly + 2 + 7 * i, ch, SUN, font=pixfont.FONT3, align='center')
    s.text(lx - 12, ly + 14, 'PULL', TURQ, font=pixfont.FONT3, align='center')
    for k in range(3):
        s.rect(lx - 14 + k, ly + 21 + 2 * k, 5 - 2 * k, 1, TURQ)
    # the stop buttons' slab (plain, so the three buttons share one look)
    bx0 = STOP_BUTTONS[0][0] - 18
    bx1 = STOP_BUTTONS[2][0] + STOP_BUTTONS[2][2] + 18
    by = STOP_BUTTONS[0][1] - 8
    s.rect(bx0, by, bx1 - bx0, 40, BLACK, rx=4)
    s.rect(bx0 + 1, by + 1, bx1 - bx0 - 2, 38, TURQ_DARK, rx=4)
    s.rect(bx0 + 3, by + 3, bx1 - bx0 - 6, 34, BLACK, rx=3)
    for x in (bx0 + 8, bx1 - 9):
        Rivet(s, x, by + 20)
    # bet panel
    x, y, w, h = BET
    s.rect(x - 9, y - 12, w + 18, h + 20, BLACK, rx=4)
    s.rect(x - 8, y - 11, w + 16, h + 18, TURQ_DARK, rx=4)
    s.rect(x - 7, y - 10, w + 14, h + 16, BLACK, rx=3)
    s.text(x + w // 2, y - 8, 'CREDIT BET', TURQ, font=pixfont.FONT3, align='center')
    # a sun glyph at the right of the deck
    SunGlyph(s, 443, 388)


def SunGlyph(s, cx, cy):
    s.rect(cx - 19, cy - 19, 38, 38, BLACK, rx=3)
    s.rect(cx - 18, cy - 18, 36, 36, TURQ_DARK, rx=3)
    s.rect(cx - 17, cy - 17, 34, 34, BLACK, rx=2)
    for dx, dy in ((0, -13), (0, 13), (-13, 0), (13, 0)):
        s.rect(cx + dx - 2, cy + dy - 2, 4, 4, SUN)
    for dx, dy in ((-9, -9), (9, -9), (-9, 9), (9, 9)):
        s.rect(cx + dx - 1, cy + dy - 1, 3, 3, ORANGE)
    s.circle(cx, cy, 8, ORANGE)
    s.circle(cx, cy, 6, SUN)
    s.rect(cx - 3, cy - 2, 2, 2, BLACK)
    s.rect(cx + 2, cy - 2, 2, 2, BLACK)
    s.rect(cx - 2, cy + 3, 5, 1, DKRED)


def LowerPanel(s):
    """The top of the lower panel: a terracotta step-fret frieze."""
    s.rect(8, LOWER_TOP, 464, 432 - LOWER_TOP, BLACK)
    s.rect(8, LOWER_TOP, 464, 1, TERRA_LIGHT)
    StepFret(s, 8, LOWER_TOP + 2, 464, BLACK, TERRA)
    s.rect(8, LOWER_TOP + 10, 464, 1, TERRA_DARK)


def DrawFace(s, state=()):
    """The whole face; state names the parts drawn lit, pressed or pulled: 'line0'..'line4',
    'stop0'..'stop2', 'medal', 'bonus0'..'bonus2', 'big', 'lever', 'button0'..'button2', 'bet'."""
    s.rect(0, 0, 480, 432, BLACK)
    Crown(s)
    ReelPanel(s)
    Displays(s)
    Deck(s)
    LowerPanel(s)
    Pillars(s)
    for i, (x, y) in enumerate(LINE_LAMPS):
        LineLamp(s, x, y, LINE_NUMBERS[i], 'line%d' % i in state)
    for k, (x, y) in enumerate(BONUS_LAMPS):
        BonusLamp(s, x, y, len(BONUS_LAMPS) - k, 'bonus%d' % k in state)
    BigChanceLamp(s, 'big' in state)
    for r in range(3):
        StopLamp(s, r, 'stop%d' % r in state)
    MedalLamp(s, 'medal' in state)
    MedalSlot(s)
    Lever(s, 'lever' in state)
    for r, (x, y, w, h) in enumerate(STOP_BUTTONS):
        StopButton(s, x, y, 'button%d' % r in state)
    BetButton(s, 'bet' in state)


def Crop(w, h, pieces):
    """A picture cut from face drawings: pieces are (x, y, state) placed one below the other."""
    s = Svg(w, h)
    step = h // len(pieces)
    for i, (x, y, state) in enumerate(pieces):
        cid = s.clip_rect('c%d' % i, 0, step * i, w, step)
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (-x, -y + step * i))
        DrawFace(s, state)
        s.end()
        s.end()
    return s


def Check(ident, w, h):
    """The bitmap list gives each picture's size; a drawing of another size is a mistake."""
    bw, bh, _ = DESC.Bitmap(ident)
    assert (bw, bh) == (w, h), 'bitmap %d is %d x %d in the description' % (ident, bw, bh)


def Build():
    s = Svg(480, 432)
    DrawFace(s)
    Check(502, 480, 432)
    s.save(Path('502.svg'), 'machine face of the Quessida with empty reel windows')

    lx, ly, lw, lh = LEVER
    Check(601, lw, lh)
    Crop(lw, lh, [(lx, ly, ('lever',))]).save(Path('601.svg'), 'start lever pulled')
    bx, by, bw, bh = STOP_BUTTONS[0]
    Check(602, bw, bh)
    Crop(bw, bh, [(bx, by, ('button0',))]).save(Path('602.svg'), 'stop button pressed')
    x, y, w, h = BET
    Check(603, w, h)
    Crop(w, h, [(x, y, ('bet',))]).save(Path('603.svg'), 'bet button pressed')

    # 605: one lit STOP lamp per picture, in the order the strip names them
    pictures = []
    for r, p in enumerate(STOP_PICTURES):
        if p == len(pictures):
            pictures.append((STOP_LAMPS[r][0], STOP_LAMPS[r][1], ('stop%d' % r,)))
    Check(605, STOP_W, STOP_H * len(pictures))
    Crop(STOP_W, STOP_H * len(pictures), pictures).save(
        Path('605.svg'), 'lit STOP lamps, the one of the left and centre reels above the one of the right reel')
    Check(606, MEDAL_W, MEDAL_H)
    Crop(MEDAL_W, MEDAL_H, [(MEDAL_LAMP[0], MEDAL_LAMP[1], ('medal',))]).save(Path('606.svg'), 'lit MEDALS lamp')
    Check(608, BIG_W, BIG_H)
    Crop(BIG_W, BIG_H, [(BIG_LAMP[0], BIG_LAMP[1], ('big',))]).save(Path('608.svg'), 'lit BIG CHANCE lamp')

    # 604: lit line-lamp glass for the numbers 1, 2, 3 on the key colour
    Check(604, LINE_W, LINE_H * 3)
    s = Svg(LINE_W, LINE_H * 3, KEY)
    for n in (1, 2, 3):
        LineLampGlass(s, 0, LINE_H * (n - 1), n, True)
    s.save(Path('604.svg'), 'lit bet-line lamps with the numbers 1, 2 and 3 on the key colour')
    # 607: the lit BONUS glass on the key colour
    Check(607, BONUS_W, BONUS_H)
    s = Svg(BONUS_W, BONUS_H, KEY)
    BonusGlass(s, 0, 0, True)
    s.save(Path('607.svg'), 'lit BONUS lamp on the key colour')
    # 609: LED digits 0-9, blank, decimal point
    Check(609, DIGIT_W, DIGIT_H * 12)
    s = Svg(DIGIT_W, DIGIT_H * 12, BLACK)
    for g in range(12):
        SevenSeg(s, 0, DIGIT_H * g, g)
    s.save(Path('609.svg'), 'seven-segment digits 0-9, a blank and the decimal point alone, 16 x 24 each')


if __name__ == '__main__':
    Build()
