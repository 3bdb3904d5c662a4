# The Quessida's lamps and LED digits, unlit or lit, at their places on the face: stepped
# amber bet-line arrows, ice-blue STOP lenses, the sun-stone BIG CHANCE, red BONUS glass.
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
from layout import *  # noqa: E402,F401,F403
import lettering  # noqa: E402
import pixfont  # noqa: E402


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
    # dark segments show faintly: every other pixel of the dim green, counted from the cell's
    # corner so that every cell, on the face or in the strip, carries the same pixels
    s.pixels([(px, py) for k in 'abcdefg' if k not in on for px, py in SEGMENTS[k] if (px + py) % 2 == 0],
             SEG_OFF, x, y)
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
