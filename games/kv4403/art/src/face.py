# Machine face of the Tarnolet 3 (bitmap 502) and the pictures cut from the same drawing: the
# pulled lever, pressed and lit buttons, lit lamps on the key colour (601-608), digits (609, 610).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402
import pixfont  # noqa: E402
import strokefont  # noqa: E402

OUT = os.path.join(HERE, '..')
DESC = gamedesc.Load(3)

# Where the game shows each part (all from the description).
REEL = DESC.reels
REEL_WINDOWS = [DESC.ReelWindow(r) for r in range(3)]
LINE_LAMPS = DESC.Places('LineLampLooks')
LINE_LAMP_W, LINE_LAMP_H = DESC.LookSize('LineLampLooks')
LINE_NUMBERS = [3, 2, 1, 2, 3]
STOP_LAMPS = DESC.Places('StopLampLooks')
STOP_LAMP_W, STOP_LAMP_H = DESC.LookSize('StopLampLooks')
MEDAL_LAMP = DESC.Places('MedalLampLooks')[0] + DESC.LookSize('MedalLampLooks')
START_LAMP = DESC.Places('StartLampLooks')[0] + DESC.LookSize('StartLampLooks')
WAIT_LAMP = DESC.Places('WaitLampLooks')[0] + DESC.LookSize('WaitLampLooks')
WIN_METER = DESC.Places('WinMeterLooks')[0] + DESC.LookSize('WinMeterLooks')
STAGE_LAMPS = DESC.Places('StageLampLooks')
STAGE_W, STAGE_H = DESC.LookSize('StageLampLooks')
BONUS_DIGIT = DESC.Places('BonusGameDigits')[0]
BONUS_DIGIT_W, BONUS_DIGIT_H = DESC.LookSize('BonusGameDigits')
METER_DIGITS = DESC.Places('MeterDigits')  # credit tens, units, payout tens, units
METER_W, METER_H = DESC.LookSize('MeterDigits')
LEVER = DESC.Control('lever')
BET = DESC.Control('bet')
STOP_BUTTONS = [DESC.Control('stop%d' % r) for r in range(3)]
MEDAL_SLOT = DESC.Control('medalIn')
# The pay lines begin at the glass's left edge; each lamp points at the start of its line.
LINE_STARTS = [tuple(DESC.pay_lines[2 * i][:2]) for i in range(5)]

# Tarnolet 3 colours: a plum cabinet, chrome trim, peach and amber lamps, an orchard at dusk.
PLUM_DARK, PLUM, PLUM_LIGHT = PURPLE, VIOLET, '#C080C0'
CHROME_HI, CHROME, CHROME_LO = WHITE, SILVER, GREY
AMBER, AMBER_DIM = GOLD, OCHRE

# --- the logo's letters the shared stroke font lacks -------------------------------------------
strokefont.LETTERS.setdefault('n', ('M0 3.2 V10 M0 6.3 Q0.6 3 3 3 Q5.5 3 5.5 6 V10', 5.5))
strokefont.LETTERS.setdefault('t', ('M1.6 0.6 V8.4 Q1.6 10 3.8 10 M0 3.4 H3.8', 3.8))


# --- seven-segment digits ----------------------------------------------------------------------
DIGIT_SEGS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg', '']


def SegmentPixels(w, h, slant):
    """Pixel sets of the seven segments of a slanted LED cell of w x h, segments three pixels
    thick with pointed ends; each set is (centre line pixels, side pixels)."""
    xl, xr, yt, yb = 3, w - 4 - slant, 3, h - 3
    ym = (yt + yb) // 2

    def Across(yc):
        core = [(x, yc) for x in range(xl + 2, xr - 1)]
        side = [(x, yc + d) for d in (-1, 1) for x in range(xl + 3, xr - 2)]
        return core, side

    def Down(xc, y0, y1):
        core = [(xc, y) for y in range(y0 + 2, y1 - 1)]
        side = [(xc + d, y) for d in (-1, 1) for y in range(y0 + 3, y1 - 2)]
        return core, side
    segs = {'a': Across(yt), 'g': Across(ym), 'd': Across(yb),
            'f': Down(xl, yt, ym), 'e': Down(xl, ym, yb), 'b': Down(xr, yt, ym), 'c': Down(xr, ym, yb)}

    def Lean(pts):
        return [(x + (yb + 1 - y) * slant // (yb + 1 - yt), y) for x, y in pts]
    return {k: (Lean(core), Lean(side)) for k, (core, side) in segs.items()}


def LedCell(s, x, y, w, h, glyph, on, glow, off, slant):
    s.rect(x, y, w, h, BLACK)
    segs = SegmentPixels(w, h, slant)
    lit = DIGIT_SEGS[glyph]
    s.pixels([p for k in 'abcdefg' if k not in lit for part in segs[k] for p in part], off, x, y)
    s.pixels([p for k in lit for p in segs[k][1]], on, x, y)
    s.pixels([p for k in lit for p in segs[k][0]], glow, x, y)


def MeterCell(s, x, y, glyph):
    LedCell(s, x, y, METER_W, METER_H, glyph, GOLD, PALEYEL, s.mix(OLIVE, BLACK, 2), slant=2)


def BonusCell(s, x, y, glyph):
    LedCell(s, x, y, BONUS_DIGIT_W, BONUS_DIGIT_H, glyph, GREEN, LTGREEN, s.mix(DKGREEN, BLACK, 2), slant=2)


# --- lamps -------------------------------------------------------------------------------------
def Pill(s, x, y, w, h, rim, glass, text, ink, hilite=None, shadow=None, font=None):
    """A rounded lamp with a printed label, filling (x, y, w, h)."""
    s.rect(x, y, w, h, BLACK, rx=h // 2)
    s.rect(x + 1, y + 1, w - 2, h - 2, rim, rx=h // 2 - 1)
    s.rect(x + 2, y + 2, w - 4, h - 4, glass, rx=h // 2 - 2)
    if hilite:
        s.rect(x + h // 2, y + 3, w - h, 1, hilite)
    s.text(x + w // 2, y + (h - 7) // 2 + 1, text, ink, font=font, align='center', spacing=1, shadow=shadow)


def PillGlass(s, x, y, w, h, glass, text, ink, hilite=None, shadow=None):
    """The glass of a Pill alone: what a lit lamp picture holds."""
    s.rect(x + 2, y + 2, w - 4, h - 4, glass, rx=h // 2 - 2)
    if hilite:
        s.rect(x + h // 2, y + 3, w - h, 1, hilite)
    s.text(x + w // 2, y + (h - 7) // 2 + 1, text, ink, align='center', spacing=1, shadow=shadow)


# name: (unlit rim, unlit glass, unlit ink, lit glass, lit ink, lit highlight, lit shadow, label)
PILLS = {
    'wait': (DKRED, MDRED, BLACK, RED, WHITE, ROSE, DKRED, 'WAIT'),
    'medal': (NAVY, MDBLUE, BLACK, SKY, WHITE, LTBLUE, NAVY, 'MEDAL'),
    'start': (DKGREEN, DKGREEN, BLACK, GREEN, BLACK, LTGREEN, None, 'START'),
    'stop': (OCHRE, DKRED, BLACK, ORANGE, WHITE, PEACH, MDRED, 'STOP'),
}


def PillLamp(s, kind, x, y, w, h, lit):
    rim, glass, ink, lglass, link, lhi, lshadow, label = PILLS[kind]
    Pill(s, x, y, w, h, rim, glass, label, ink)
    if lit:
        PillGlass(s, x, y, w, h, lglass, label, link, lhi, lshadow)


def LineLampOutline(x, y, tip_y, inset):
    """Body of bet-line lamp with the pointer towards its line's start (tip at tip_y)."""
    i = inset
    bx1 = x + 42
    tx = x + LINE_LAMP_W - 1 - i
    ty = min(max(tip_y + 1, y + 1 + i), y + LINE_LAMP_H - 1 - i)
    # the pointer leaves the body between a third and two thirds of its height, bent to the tip
    return [(x + 3 + i, y + i), (bx1 - i // 2, y + i), (bx1 + 4 - i, y + 9 + i // 2),
            (tx, ty), (bx1 + 4 - i, y + LINE_LAMP_H - 9 - i // 2), (bx1 - i // 2, y + LINE_LAMP_H - i),
            (x + 3 + i, y + LINE_LAMP_H - i), (x + i, y + LINE_LAMP_H - 3 - i), (x + i, y + 3 + i)]


def LineLampGlass(s, i, lit, ox=None, oy=None):
    x, y = LINE_LAMPS[i]
    tip = LINE_STARTS[i][1] - y
    gx, gy = (x, y) if ox is None else (ox, oy)
    n = LINE_NUMBERS[i]
    if lit:
        s.poly(LineLampOutline(gx, gy, gy + tip, 2), ORANGE)
        s.poly(LineLampOutline(gx, gy, gy + tip, 4), YELLOW)
        s.rect(gx + 7, gy + 5, 30, 1, CREAM)
        s.text(gx + 22, gy + 9, str(n), MDRED, bold=True, scale=2, align='center', shadow=ORANGE)
    else:
        s.poly(LineLampOutline(gx, gy, gy + tip, 2), OCHRE)
        s.poly(LineLampOutline(gx, gy, gy + tip, 4), DKRED)
        s.rect(gx + 7, gy + 5, 30, 1, MDRED)
        s.text(gx + 22, gy + 9, str(n), MDRED, bold=True, scale=2, align='center', shadow=BLACK)


def LineLamp(s, i, lit):
    x, y = LINE_LAMPS[i]
    tip = LINE_STARTS[i][1]
    s.poly(LineLampOutline(x, y, tip, 0), BLACK)
    s.poly(LineLampOutline(x, y, tip, 1), CHROME)
    LineLampGlass(s, i, False)
    if lit:
        LineLampGlass(s, i, True)


def StageLampGlass(s, k, lit, ox=None, oy=None):
    x, y = STAGE_LAMPS[k] if ox is None else (ox, oy)
    if lit:
        s.rect(x + 2, y + 2, STAGE_W - 4, STAGE_H - 4, YELLOW, rx=2)
        s.rect(x + 3, y + 3, STAGE_W - 6, 1, CREAM)
        s.text(x + STAGE_W // 2, y + 3, str(k + 1), MDRED, font=pixfont.FONT3, align='center')
    else:
        s.rect(x + 2, y + 2, STAGE_W - 4, STAGE_H - 4, OLIVE, rx=2)
        s.text(x + STAGE_W // 2, y + 3, str(k + 1), BLACK, font=pixfont.FONT3, align='center')


def StageLamp(s, k, lit):
    x, y = STAGE_LAMPS[k]
    s.rect(x, y, STAGE_W, STAGE_H, BLACK, rx=3)
    s.rect(x + 1, y + 1, STAGE_W - 2, STAGE_H - 2, OCHRE, rx=2)
    StageLampGlass(s, k, False)
    if lit:
        StageLampGlass(s, k, True)


def WinMeterGlass(s, lit, ox=None, oy=None):
    x, y, w, h = WIN_METER
    if ox is not None:
        x, y = ox, oy
    if lit:
        s.rect(x + 2, y + 2, w - 4, h - 4, ORANGE, rx=2)
        s.rect(x + 3, y + 3, w - 6, h - 6, YELLOW, rx=2)
        s.text(x + w // 2, y + 5, 'WIN METER', MDRED, align='center', spacing=1)
    else:
        s.rect(x + 2, y + 2, w - 4, h - 4, BLACK, rx=2)
        s.text(x + w // 2, y + 5, 'WIN METER', OLIVE, align='center', spacing=1)


def WinMeter(s, lit):
    x, y, w, h = WIN_METER
    s.rect(x, y, w, h, BLACK, rx=3)
    s.rect(x + 1, y + 1, w - 2, h - 2, OCHRE, rx=3)
    WinMeterGlass(s, False)
    if lit:
        WinMeterGlass(s, True)


# --- controls ----------------------------------------------------------------------------------
def StopButton(s, x, y, pressed):
    s.rect(x, y, 24, 24, BLACK, rx=5)
    s.rect(x + 1, y + 1, 22, 22, CHROME_LO, rx=4)
    s.rect(x + 1, y + 1, 21, 21, CHROME, rx=4)
    s.rect(x + 3, y + 3, 18, 18, BLACK, rx=3)
    if pressed:
        s.rect(x + 4, y + 5, 16, 15, MDRED, rx=3)
        s.rect(x + 5, y + 6, 14, 13, s.mix(MDRED, ORANGE, 1), rx=2)
        s.rect(x + 7, y + 8, 6, 1, ORANGE)
    else:
        s.rect(x + 4, y + 4, 16, 16, MDRED, rx=3)
        s.rect(x + 4, y + 4, 15, 15, ORANGE, rx=3)
        s.rect(x + 6, y + 6, 11, 11, s.mix(ORANGE, GOLD, 2), rx=2)
        s.rect(x + 6, y + 6, 6, 2, PALEYEL)
        s.rect(x + 6, y + 8, 2, 2, PALEYEL)


def BetButton(s, look):
    """look 0 released, 1 pressed, 2 lit released, 3 lit pressed."""
    x, y, w, h = BET
    pressed = look in (1, 3)
    lit = look >= 2
    s.rect(x, y, w, h, BLACK, rx=3)
    s.rect(x + 1, y + 1, w - 2, h - 2, CHROME_LO, rx=2)
    s.rect(x + 1, y + 1, w - 3, h - 3, CHROME, rx=2)
    s.rect(x + 2, y + 2, w - 4, h - 4, BLACK, rx=2)
    face, hi, lo, ink = (YELLOW, CREAM, GOLD, MDRED) if lit else (ORANGE, PEACH, MDRED, WHITE)
    d = 1 if pressed else 0
    if pressed:
        s.rect(x + 3, y + 3, w - 6, h - 6, lo, rx=1)
        s.rect(x + 4, y + 4, w - 7, h - 7, s.mix(face, lo, 2), rx=1)
    else:
        s.rect(x + 3, y + 3, w - 6, h - 6, lo, rx=1)
        s.rect(x + 3, y + 3, w - 7, h - 7, hi, rx=1)
        s.rect(x + 4, y + 4, w - 8, h - 8, face, rx=1)
    s.text(x + w // 2 + d, y + 5 + d, 'BET', ink, align='center', spacing=1,
           shadow=(MDRED if not lit else None))


def Lever(s, pulled):
    x, y, w, h = LEVER
    cx = x + w // 2
    # the slot plate the lever swings in, the same in both looks
    s.rect(cx - 6, y + 20, 12, 16, BLACK, rx=3)
    s.rect(cx - 5, y + 21, 10, 14, CHROME, rx=2)
    s.rect(cx - 5, y + 21, 1, 13, CHROME_HI)
    s.rect(cx - 2, y + 23, 4, 11, BLACK, rx=1)
    if pulled:
        # pulled towards the player: a short arm, the knob low and close
        s.rect(cx - 2, y + 22, 4, 7, CHROME_LO)
        s.rect(cx - 1, y + 22, 1, 7, CHROME_HI)
        Knob(s, cx, y + 21, 10)
    else:
        s.poly([(cx - 2, y + 30), (cx + 2, y + 30), (cx + 2, y + 12), (cx - 2, y + 12)], BLACK)
        s.rect(cx - 1, y + 12, 3, 18, CHROME)
        s.rect(cx - 1, y + 12, 1, 18, CHROME_HI)
        Knob(s, cx, y + 9, 8.5)


def Knob(s, cx, cy, r):
    """The lever's plum ball, lit from the top left."""
    s.circle(cx, cy, r, BLACK)
    s.circle(cx, cy, r - 1, PLUM_DARK)
    s.circle(cx - 1, cy - 1, r * 0.72, PLUM)
    s.circle(cx - 3, cy - r * 0.38, r * 0.3, PLUM_LIGHT)
    s.rect(cx - r * 0.5, cy - r * 0.6, 2, 2, WHITE)


def MedalSlot(s):
    x, y, w, h = MEDAL_SLOT
    # a chrome insert plate with the slot, an arrow and a medal going in
    px, py, pw, ph = x + 22, y + 6, 56, 30
    s.rect(px, py, pw, ph, BLACK, rx=7)
    s.rect(px + 1, py + 1, pw - 2, ph - 2, CHROME_LO, rx=6)
    s.rect(px + 1, py + 1, pw - 3, ph - 3, CHROME_HI, rx=6)
    s.rect(px + 2, py + 2, pw - 4, ph - 4, CHROME, rx=5)
    s.rect(px + 6, py + 16, pw - 12, 8, CHROME_LO, rx=3)
    s.rect(px + 7, py + 17, pw - 14, 6, BLACK, rx=2)
    s.rect(px + 8, py + 23, pw - 16, 1, CHROME_HI)
    # the medal, half in
    s.ellipse(px + 28, py + 17, 10, 8, BLACK)
    s.ellipse(px + 28, py + 17, 9, 7, GOLD)
    s.ellipse(px + 28, py + 17, 6, 4.5, PALEYEL)
    s.ellipse(px + 28, py + 17, 5, 3.5, GOLD)
    s.rect(px + 17, py + 18, 23, 5, BLACK)
    s.rect(px + 7, py + 18, pw - 14, 1, CHROME_LO)
    s.text(px + pw // 2, py + 5, 'MEDAL', PLUM_DARK, font=pixfont.FONT3, align='center', spacing=1)
    for ax in (px + 8, px + pw - 13):
        s.poly([(ax, py + 6), (ax + 5, py + 6), (ax + 2.5, py + 10)], PLUM_DARK)


# --- panels ------------------------------------------------------------------------------------
def CabinetSides(s):
    for x0, bands in ((0, [BLACK, PLUM_DARK, CHROME_LO, CHROME, CHROME_HI, CHROME, CHROME_LO, BLACK]),
                      (472, [BLACK, CHROME_LO, CHROME, CHROME_HI, CHROME, CHROME_LO, PLUM_DARK, BLACK])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, 0, 1, 432, c)


def PeachTree(s, x, base, size, fruit=True):
    """A small peach tree at dusk: trunk, round crown and a few fruits."""
    s.rect(x - 1, base - size, 3, size, BLACK)
    s.circle(x, base - size - size * 0.4, size * 0.8, DKGREEN)
    s.circle(x - size * 0.5, base - size - size * 0.1, size * 0.55, DKGREEN)
    s.circle(x + size * 0.5, base - size - size * 0.15, size * 0.55, DKGREEN)
    s.circle(x - size * 0.2, base - size - size * 0.6, size * 0.4, s.mix(DKGREEN, MDGREEN, 2))
    if fruit:
        for dx, dy in ((-0.5, -0.9), (0.3, -1.4), (0.6, -0.8), (-0.1, -1.1), (-0.7, -1.3)):
            fx, fy = x + dx * size, base + dy * size
            s.circle(fx, fy, max(1.5, size * 0.14), ORANGE)
            s.rect(fx - 1, fy - 1, 1, 1, PEACH)


def TopPanel(s):
    s.rect(8, 0, 464, 4, CHROME)
    s.rect(8, 0, 464, 1, CHROME_HI)
    s.rect(8, 3, 464, 1, CHROME_LO)
    s.rect(8, 4, 464, 2, BLACK)
    ax, ay, aw, ah = 12, 8, 362, 122
    s.rect(ax - 2, ay - 2, aw + 4, ah + 4, BLACK, rx=4)
    s.rect(ax - 1, ay - 1, aw + 2, ah + 2, CHROME_LO, rx=3)
    # the orchard at dusk: a plum sky going to peach at the hills, the sun setting behind them
    s.begin(clip=s.clip_rect('sky', ax, ay, aw, ah))
    s.vbands(ax, ay, aw, 90, [NAVY, PURPLE, VIOLET, ROSE, PEACH])
    s.rect(ax, ay + 90, aw, 32, PEACH)
    for i, (sx, sy) in enumerate([(24, 14), (58, 26), (96, 12), (140, 20), (300, 14), (336, 24), (360, 12),
                                   (180, 11), (250, 22), (40, 40), (320, 40)]):
        s.rect(sx, sy, 1, 1, WHITE if i % 3 else PALEYEL)
    s.circle(300, ay + 100, 26, YELLOW)
    s.circle(300, ay + 100, 22, CREAM)
    for k, yy in enumerate((86, 92, 97)):
        s.rect(270, ay + yy, 60, 1 + k // 2, s.mix(PEACH, ROSE, 2))
    s.path('M%d %d Q80 80 170 96 Q250 108 310 94 Q350 86 %d 92 L%d %d L%d %d Z' %
           (ax, ay + 94, ax + aw, ax + aw, ay + ah, ax, ay + ah), MDGREEN)
    s.path('M%d %d Q120 100 220 112 Q300 120 %d 104 L%d %d L%d %d Z' %
           (ax, ay + 104, ax + aw, ax + aw, ay + ah, ax, ay + ah), DKGREEN)
    for tx, size in ((34, 12), (70, 9), (206, 8), (236, 11), (352, 12)):
        PeachTree(s, tx, ay + 108 + (size // 3), size)
    s.end()
    # the logo: Tarnolet in peach with a plum outline, and the 3 on a peach medallion
    strokefont.Draw(s, 164, 26, 'Tarnolet', 44,
                    [(BLACK, 15, 1, 2), (PLUM_DARK, 12, 0, 1), (MDRED, 10, 0, 0), (ORANGE, 8, 0, 0),
                     (PEACH, 5, 0, 0), (CREAM, 2, -1, -1)], align='center', skew=14, tracking=5)
    s.circle(330, 50, 23, BLACK)
    s.circle(330, 50, 21, CHROME)
    s.circle(330, 50, 19, PLUM_DARK)
    s.circle(330, 50, 16, PLUM)
    strokefont.Draw(s, 330, 36, '3', 26, [(BLACK, 8, 1, 1), (MDRED, 6, 0, 0), (PEACH, 4, 0, 0), (CREAM, 1.5, 0, -1)],
                    align='center')
    s.rect(112, 84, 104, 13, BLACK, rx=3)
    s.rect(113, 85, 102, 11, CHROME, rx=2)
    s.rect(114, 86, 100, 9, PLUM_DARK, rx=2)
    s.text(164, 87, 'MERIDOLA', PEACH, bold=True, align='center', spacing=2)


def Recess(s, x0, y0, x1, y1):
    """A box sunk into the cabinet, framed in chrome, from (x0, y0) to (x1, y1)."""
    s.rect(x0, y0, x1 - x0, y1 - y0, BLACK, rx=5)
    s.rect(x0 + 1, y0 + 1, x1 - x0 - 2, y1 - y0 - 2, CHROME_LO, rx=4)
    s.rect(x0 + 1, y0 + 1, x1 - x0 - 3, y1 - y0 - 3, CHROME, rx=4)
    s.rect(x0 + 3, y0 + 3, x1 - x0 - 6, y1 - y0 - 6, BLACK, rx=3)


def BonusBox(s):
    """The bonus-game counter beside the logo: its digit and the three stage lamps."""
    x0, y0, x1, y1 = 380, 6, 470, 132
    Recess(s, x0, y0, x1, y1)
    s.vbands(x0 + 4, y0 + 4, x1 - x0 - 8, y1 - y0 - 8, [PLUM_DARK, BLACK, PLUM_DARK], dither=True)
    cx = (x0 + x1) // 2
    s.text(cx, 14, 'BONUS', PEACH, font=pixfont.FONT7, align='center', spacing=1, shadow=BLACK)
    s.text(cx, 28, 'GAME', PEACH, align='center', spacing=2)
    bx, by = BONUS_DIGIT
    s.rect(bx - 3, by - 3, BONUS_DIGIT_W + 6, BONUS_DIGIT_H + 5, CHROME_LO, rx=2)
    s.rect(bx - 2, by - 2, BONUS_DIGIT_W + 4, BONUS_DIGIT_H + 3, BLACK, rx=1)
    BonusCell(s, bx, by, 10)
    for k in range(3):
        StageLamp(s, k, False)
    s.text(cx, STAGE_LAMPS[0][1] + STAGE_H + 4, 'STAGE', CHROME, align='center', spacing=1)
    # a plum with its JAC tag: this machine's JAC symbol
    py = STAGE_LAMPS[0][1] + STAGE_H + 16
    s.ellipse(cx - 10, py + 10, 8, 9, BLACK)
    s.ellipse(cx - 10, py + 10, 7, 8, PLUM)
    s.ellipse(cx - 12, py + 8, 2, 3, PLUM_LIGHT)
    s.rect(cx - 1, py + 5, 22, 11, BLACK, rx=2)
    s.rect(cx, py + 6, 20, 9, DKGREEN, rx=2)
    s.text(cx + 10, py + 7, 'JAC', WHITE, align='center', spacing=1)


def ReelPanel(s):
    y0, y1 = 136, 346
    s.rect(8, y0, 464, y1 - y0, PLUM_DARK)
    s.rect(8, y0, 464, 1, BLACK)
    s.rect(8, y0 + 1, 464, 1, PLUM)
    s.rect(8, y0 + 2, 464, 2, s.mix(PLUM_DARK, PLUM, 2))
    s.rect(8, y1 - 4, 464, 2, s.mix(PLUM_DARK, BLACK, 2))
    s.rect(8, y1 - 2, 464, 2, BLACK)
    # lamp column at the left
    s.rect(14, 146, 72, 186, BLACK, rx=5)
    s.rect(15, 147, 70, 184, s.mix(PLUM_DARK, BLACK, 2), rx=4)
    # the glass over the reels: the pay lines cross it from the lamps to the right column
    gx0, gy0 = LINE_STARTS[0][0] - 2, REEL['y'] - 8
    gx1 = DESC.pay_lines[0][2] + 3
    gy1 = REEL['y'] + REEL['h'] + 8
    s.rect(gx0 - 3, gy0 - 3, gx1 - gx0 + 6, gy1 - gy0 + 6, BLACK, rx=3)
    s.rect(gx0 - 2, gy0 - 2, gx1 - gx0 + 4, gy1 - gy0 + 4, CHROME, rx=3)
    s.rect(gx0 - 2, gy0 - 2, gx1 - gx0 + 4, 1, CHROME_HI)
    s.rect(gx0 - 1, gy1 + 1, gx1 - gx0 + 2, 1, CHROME_LO)
    s.rect(gx0, gy0, gx1 - gx0, gy1 - gy0, s.mix(BLACK, NAVY, 1))
    for r, (x, y, w, h) in enumerate(REEL_WINDOWS):
        s.rect(x - 2, y - 2, w + 4, h + 4, PLUM_DARK)
        s.rect(x - 1, y - 1, w + 2, h + 2, BLACK)
        s.rect(x, y, w, h, WHITE)
    # the lamps' pointers lead into the lines: printed stubs up to where the game draws them
    for i, (lx, ly) in enumerate(LINE_LAMPS):
        sx, sy = LINE_STARTS[i]
        end = sx if i in (0, 4) else REEL_WINDOWS[0][0] - 1
        s.rect(lx + LINE_LAMP_W, sy, end - lx - LINE_LAMP_W, 2, OLIVE)
    # what the bet opens, printed under the glass
    s.text((REEL_WINDOWS[0][0] + REEL_WINDOWS[2][0] + REEL['w']) // 2, gy1 + 7,
           '1 BET 1 LINE  -  2 BETS 3 LINES  -  3 BETS 5 LINES', PEACH, font=pixfont.FONT3, align='center')
    for r in range(3):
        StopLampBase(s, r)


def StopLampBase(s, r):
    x, y = STOP_LAMPS[r]
    s.rect(x - 2, y - 2, STOP_LAMP_W + 4, STOP_LAMP_H + 4, s.mix(PLUM_DARK, BLACK, 2), rx=9)


def MeterColumn(s):
    """WAIT lamp, credit and payout meters with the WIN METER label, the MEDAL lamp."""
    x0, y0, x1, y1 = 381, 142, 470, 326
    Recess(s, x0, y0, x1, y1)
    s.rect(x0 + 4, y0 + 4, x1 - x0 - 8, y1 - y0 - 8, s.mix(PLUM_DARK, BLACK, 2), rx=3)
    cx = METER_DIGITS[0][0] + METER_W
    for (dx, dy), label in ((METER_DIGITS[0], 'CREDIT'), (METER_DIGITS[2], None)):
        s.rect(dx - 3, dy - 3, 2 * METER_W + 6, METER_H + 6, CHROME_LO, rx=2)
        s.rect(dx - 2, dy - 2, 2 * METER_W + 4, METER_H + 4, BLACK, rx=1)
        if label:
            s.text(cx, dy - 13, label, PEACH, align='center', spacing=1)
    for (dx, dy) in METER_DIGITS:
        MeterCell(s, dx, dy, 10)


def Rivet(s, x, y):
    """A square chrome rivet holding a panel."""
    s.rect(x - 2, y - 2, 5, 5, BLACK)
    s.rect(x - 1, y - 1, 3, 3, CHROME_LO)
    s.rect(x - 1, y - 1, 2, 2, CHROME_HI)


def Deck(s):
    y0 = 346
    s.rect(8, y0, 464, 1, CHROME_HI)
    s.rect(8, y0 + 1, 464, 2, CHROME)
    s.rect(8, y0 + 3, 464, 1, CHROME_LO)
    s.vbands(8, y0 + 4, 464, 12, [PLUM, PLUM_DARK])
    s.rect(8, 362, 464, 1, BLACK)
    s.vbands(8, 363, 464, 52, [PLUM_DARK, BLACK])
    s.rect(8, 366, 464, 1, s.mix(PLUM_DARK, PEACH, 1))
    s.rect(8, 415, 464, 1, CHROME_HI)
    s.rect(8, 416, 464, 2, CHROME)
    s.rect(8, 418, 464, 1, CHROME_LO)
    s.rect(8, 419, 464, 1, BLACK)
    s.vbands(8, 420, 464, 12, [PLUM_DARK, BLACK])
    # lever housing at the left, reaching up to the bet button
    lx, ly, lw, lh = LEVER
    s.rect(lx - 20, ly - 6, lw + 40, 40, BLACK, rx=7)
    s.rect(lx - 19, ly - 5, lw + 38, 38, CHROME_LO, rx=6)
    s.rect(lx - 18, ly - 4, lw + 36, 36, PLUM_DARK, rx=5)
    s.text(lx - 11, ly + 4, 'S', PEACH, font=pixfont.FONT3, align='center')
    for i, ch in enumerate('TART'):
        s.text(lx - 11, ly + 10 + 6 * i, ch, PEACH, font=pixfont.FONT3, align='center')
    # the stop buttons' rail
    bx0 = STOP_BUTTONS[0][0] - 12
    bx1 = STOP_BUTTONS[2][0] + 24 + 12
    by0, by1 = STOP_BUTTONS[0][1] - 6, STOP_BUTTONS[0][1] + 24 + 5
    s.rect(bx0, by0, bx1 - bx0, by1 - by0, BLACK, rx=6)
    s.rect(bx0 + 1, by0 + 1, bx1 - bx0 - 2, by1 - by0 - 2, CHROME_LO, rx=5)
    s.rect(bx0 + 2, by0 + 2, bx1 - bx0 - 4, by1 - by0 - 4, PLUM_DARK, rx=4)
    Rivet(s, bx0 + 6, (by0 + by1) // 2)
    Rivet(s, bx1 - 7, (by0 + by1) // 2)
    for r in range(2):
        mx = (STOP_BUTTONS[r][0] + 24 + STOP_BUTTONS[r + 1][0]) // 2
        s.rect(mx, by0 + 6, 1, by1 - by0 - 12, PLUM)
    # the bet button's bezel
    x, y, w, h = BET
    s.rect(x - 4, y - 4, w + 8, h + 8, BLACK, rx=4)
    s.rect(x - 3, y - 3, w + 6, h + 6, CHROME_LO, rx=3)
    s.rect(x - 2, y - 2, w + 4, h + 4, PLUM_DARK, rx=2)
    s.text(x + w // 2, y + h + 5, 'MAX 3', PEACH, font=pixfont.FONT3, align='center', spacing=1)
    PayTable(s, BET[0] + BET[2] + 12, 365, MEDAL_SLOT[0] + 16, STOP_BUTTONS[0][1] - 8)
    # model plate at the right of the deck
    s.rect(404, 392, 62, 22, BLACK, rx=4)
    s.rect(405, 393, 60, 20, CHROME, rx=3)
    s.rect(407, 395, 56, 16, PLUM_DARK, rx=2)
    s.text(435, 397, 'TARNOLET', PEACH, font=pixfont.FONT3, align='center', spacing=1)
    s.text(435, 404, 'NO.3', CHROME, font=pixfont.FONT3, align='center', spacing=1)


def PayTable(s, x0, y0, x1, y1):
    """The pay plate on the deck: what lines up for the bonuses and what the fruit pay."""
    s.rect(x0, y0, x1 - x0, y1 - y0, BLACK, rx=3)
    s.rect(x0 + 1, y0 + 1, x1 - x0 - 2, y1 - y0 - 2, CHROME_LO, rx=2)
    s.rect(x0 + 2, y0 + 2, x1 - x0 - 4, y1 - y0 - 4, BLACK, rx=2)
    cx = (x0 + x1) // 2
    rows = (('RED 7 X3 BIG BONUS - BLUE 7 X3 SINGLE - BAR X3 REG', PEACH),
            ('PEACH PAIR 15 - PLUM 6 - ORANGE 5 - PEACH 1', AMBER))
    for i, (text, colour) in enumerate(rows):
        s.text(cx, y0 + 4 + 8 * i, text, colour, font=pixfont.FONT3, align='center')


def DrawFace(s, state=()):
    """The whole face; state names what is lit, pressed or pulled: 'line0'..'line4', 'stop0'..
    'stop2', 'medal', 'start', 'wait', 'stage0'..'stage2', 'winmeter', 'lever', 'button0'..
    'button2', 'bet1'..'bet3' (the bet button's looks)."""
    s.rect(0, 0, 480, 432, PLUM_DARK)
    TopPanel(s)
    BonusBox(s)
    ReelPanel(s)
    MeterColumn(s)
    Deck(s)
    CabinetSides(s)
    for i in range(5):
        LineLamp(s, i, 'line%d' % i in state)
    for r in range(3):
        x, y = STOP_LAMPS[r]
        PillLamp(s, 'stop', x, y, STOP_LAMP_W, STOP_LAMP_H, 'stop%d' % r in state)
    for k in range(3):
        StageLamp(s, k, 'stage%d' % k in state)
    PillLamp(s, 'wait', *WAIT_LAMP, 'wait' in state)
    PillLamp(s, 'medal', *MEDAL_LAMP, 'medal' in state)
    PillLamp(s, 'start', *START_LAMP, 'start' in state)
    WinMeter(s, 'winmeter' in state)
    MedalSlot(s)
    Lever(s, 'lever' in state)
    for r, (x, y, w, h) in enumerate(STOP_BUTTONS):
        StopButton(s, x, y, 'button%d' % r in state)
    look = 0
    for k in (1, 2, 3):
        if 'bet%d' % k in state:
            look = k
    BetButton(s, look)


def Crop(w, h, pieces):
    """A picture cut from face drawings: pieces are (x, y, state) placed one below the other."""
    return Cut(w, h, pieces, DrawFace)


def Sprite(w, h):
    return Svg(w, h, KEY)


def Save(s, ident, what):
    s.save(os.path.join(OUT, '%d.svg' % ident), what)


def Build():
    s = Svg(480, 432)
    DrawFace(s)
    Save(s, 502, 'machine face of the Tarnolet 3 with empty reel windows')
    Save(Crop(LEVER[2], LEVER[3], [(LEVER[0], LEVER[1], ('lever',))]), 601, 'start lever pulled')
    x, y, w, h = STOP_BUTTONS[0]
    Save(Crop(w, h, [(x, y, ('button0',))]), 602, 'stop button pressed')
    x, y, w, h = BET
    Save(Crop(w, 3 * h, [(x, y, ('bet%d' % k,)) for k in (1, 2, 3)]), 603,
         'bet button pressed, lit and lit pressed')
    s = Sprite(LINE_LAMP_W, 5 * LINE_LAMP_H)
    for i in range(5):
        LineLampGlass(s, i, True, 0, LINE_LAMP_H * i)
    Save(s, 604, 'lit glass of the five bet-line lamps, top to bottom, on the key colour')
    s = Sprite(STOP_LAMP_W, STOP_LAMP_H)
    rim, glass, ink, lglass, link, lhi, lshadow, label = PILLS['stop']
    PillGlass(s, 0, 0, STOP_LAMP_W, STOP_LAMP_H, lglass, label, link, lhi, lshadow)
    Save(s, 605, 'lit STOP lamp glass on the key colour')
    s = Sprite(64, 48)
    for k, (kind, (x, y, w, h)) in enumerate((('medal', MEDAL_LAMP), ('start', START_LAMP), ('wait', WAIT_LAMP))):
        rim, glass, ink, lglass, link, lhi, lshadow, label = PILLS[kind]
        PillGlass(s, 0, 16 * k, w, h, lglass, label, link, lhi, lshadow)
    Save(s, 606, 'lit glass of the MEDAL, START and WAIT lamps on the key colour')
    s = Sprite(STAGE_W, 3 * STAGE_H)
    for k in range(3):
        StageLampGlass(s, k, True, 0, STAGE_H * k)
    Save(s, 607, 'lit glass of the three stage lamps on the key colour')
    s = Sprite(WIN_METER[2], WIN_METER[3])
    WinMeterGlass(s, True, 0, 0)
    Save(s, 608, 'lit WIN METER label on the key colour')
    s = Svg(METER_W, 11 * METER_H, BLACK)
    for g in range(11):
        MeterCell(s, 0, METER_H * g, g)
    Save(s, 609, 'amber meter digits 0-9 and a blank, %d x %d each' % (METER_W, METER_H))
    s = Svg(BONUS_DIGIT_W, 11 * BONUS_DIGIT_H, BLACK)
    for g in range(11):
        BonusCell(s, 0, BONUS_DIGIT_H * g, g)
    Save(s, 610, 'green bonus-game digits 0-9 and a blank, %d x %d each' % (BONUS_DIGIT_W, BONUS_DIGIT_H))


if __name__ == '__main__':
    Build()
