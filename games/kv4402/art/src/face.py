# Machine face of the Vexamira (bitmap 502): a sorceress's mirror under a violet night, gem
# lamps and silver trim; its lit, pressed and pulled looks are cut from the same drawing.
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402  (puts the shared art kit on the path)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402

L = no2face.Layout(2)

# Vexamira colours: violet lacquer, silver trim, pink and ice-blue light.
BODY, BODY_LIGHT, BODY_DARK = PURPLE, VIOLET, NAVY
PINK, HOTPINK, ICE = '#FF80FF', MAGENTA, CYAN
GEM_DARK = '#8000C0'


def Dark(s, c):
    return s.mix(c, BLACK, 2)


# --- top picture ---------------------------------------------------------------------------
def Sparkle(s, x, y, n, c):
    s.rect(x - n, y, 2 * n + 1, 1, c)
    s.rect(x, y - n, 1, 2 * n + 1, c)
    if n > 1:
        s.rect(x - 1, y - 1, 3, 3, c)


def CrystalBall(s, cx, cy, lit):
    # the stand: three silver claws on a violet foot
    s.poly([(cx - 22, cy + 40), (cx + 22, cy + 40), (cx + 14, cy + 26), (cx - 14, cy + 26)], BLACK)
    s.poly([(cx - 20, cy + 39), (cx + 20, cy + 39), (cx + 13, cy + 27), (cx - 13, cy + 27)], BODY_LIGHT)
    s.rect(cx - 20, cy + 36, 40, 3, BODY)
    s.rect(cx - 12, cy + 28, 24, 1, PINK)
    if lit:
        for i, (dx, dy) in enumerate(((-40, -10), (40, -10), (-30, -34), (30, -34), (0, -46), (-44, 14), (44, 14))):
            s.line(cx, cy, cx + dx, cy + dy, WHITE if i % 2 else PALEBLUE, 1)
    s.circle(cx, cy, 27, BLACK)
    if lit:
        s.circle(cx, cy, 26, SKY)
        s.circle(cx - 2, cy - 2, 22, LTBLUE)
        s.circle(cx - 4, cy - 4, 15, '#C0FFFF')
        s.circle(cx - 6, cy - 6, 8, WHITE)
    else:
        s.circle(cx, cy, 26, MDBLUE)
        s.circle(cx - 2, cy - 2, 22, '#0080C0')
        s.circle(cx - 4, cy - 4, 14, SKY)
        s.circle(cx - 7, cy - 8, 5, LTBLUE)
    # a star caught inside the ball
    s.poly([(cx + 6, cy - 2), (cx + 8, cy + 4), (cx + 14, cy + 5), (cx + 9, cy + 8), (cx + 11, cy + 14),
            (cx + 6, cy + 10), (cx + 1, cy + 14), (cx + 3, cy + 8), (cx - 2, cy + 5), (cx + 4, cy + 4)],
           YELLOW if lit else PINK)
    for cx2 in (cx - 14, cx, cx + 14):
        s.poly([(cx2 - 4, cy + 27), (cx2 + 4, cy + 27), (cx2, cy + 20)], SILVER, BLACK, 1)


def Moon(s, cx, cy, lit):
    if lit:
        s.circle(cx, cy, 26, s.mix(BODY_LIGHT, PINK, 1))
        s.circle(cx, cy, 22, s.mix(PINK, WHITE, 2))
    s.circle(cx, cy, 19, CREAM if lit else PALEYEL)
    s.circle(cx + 8, cy - 6, 17, s.mix(NAVY, BLACK, 2) if not lit else '#8000C0')
    for dx, dy in ((-10, 6), (-5, 12)):
        s.circle(cx + dx, cy + dy, 2, GOLD if not lit else PALEYEL)


def MirrorFrame(s, cx, cy, rx, ry, lit):
    s.ellipse(cx, cy, rx + 5, ry + 5, BLACK)
    s.ellipse(cx, cy, rx + 4, ry + 4, GREY)
    s.ellipse(cx, cy, rx + 3, ry + 3, WHITE if lit else SILVER)
    s.ellipse(cx, cy, rx + 1, ry + 1, GREY)
    s.ellipse(cx, cy, rx, ry, BLACK)
    if lit:
        s.ellipse(cx, cy, rx - 1, ry - 1, LTBLUE)
        s.ellipse(cx, cy - 3, rx - 8, ry - 8, '#C0FFFF')
        s.ellipse(cx, cy - 6, rx - 30, ry - 20, WHITE)
    else:
        s.ellipse(cx, cy, rx - 1, ry - 1, s.mix(NAVY, BLACK, 2))
        s.ellipse(cx, cy - 3, rx - 8, ry - 8, NAVY)
        # the glass's faint reflections
        s.path('M%d %d Q%d %d %d %d' % (cx - rx + 20, cy + 10, cx - rx + 30, cy - ry + 14, cx - 30, cy - ry + 8),
               None, MDBLUE, 3)
    # gems at the four points of the frame
    for gx, gy in ((cx, cy - ry - 3), (cx, cy + ry + 3), (cx - rx - 3, cy), (cx + rx + 3, cy)):
        s.poly([(gx, gy - 6), (gx + 5, gy), (gx, gy + 6), (gx - 5, gy)], BLACK)
        s.poly([(gx, gy - 5), (gx + 4, gy), (gx, gy + 5), (gx - 4, gy)], HOTPINK if lit else VIOLET)
        s.rect(gx - 1, gy - 2, 1, 2, WHITE)


def TopPicture(s, lit):
    x0, y0, w, h = L.top
    s.rect(x0, y0, w, h, BLACK)
    # the crown of the cabinet: a silver cap with a row of pink jewels
    s.rect(0, 0, w, 7, SILVER)
    s.rect(0, 0, w, 1, WHITE)
    s.rect(0, 6, w, 1, GREY)
    for jx in range(20, 470, 30):
        s.rect(jx - 2, 2, 5, 3, HOTPINK if lit else VIOLET)
        s.rect(jx - 1, 2, 1, 1, WHITE)
    ax, ay, aw, ah = 12, 9, w - 24, h - 21
    sky = [NAVY, GEM_DARK, VIOLET, HOTPINK] if lit else [BLACK, NAVY, PURPLE, VIOLET]
    s.vbands(ax, ay, aw, ah, sky)
    if lit:
        # rays from behind the mirror
        cx, cy = 240, 70
        for i in range(24):
            a0, a1 = 2 * math.pi * i / 24, 2 * math.pi * (i + 0.45) / 24
            s.poly([(cx, cy), (round(cx + 400 * math.cos(a0), 1), round(cy + 400 * math.sin(a0), 1)),
                    (round(cx + 400 * math.cos(a1), 1), round(cy + 400 * math.sin(a1), 1))],
                   s.mix(PINK, HOTPINK, 2) if i % 2 else s.mix(PALEBLUE, VIOLET, 2))
        s.rect(ax - 2, 0, 2, h, BLACK)
    stars = [(30, 20), (96, 14), (150, 30), (196, 16), (300, 18), (338, 30), (380, 14), (446, 22), (24, 60),
             (120, 50), (360, 60), (456, 70), (130, 96), (350, 96), (444, 112), (30, 110)]
    for i, (sx, sy) in enumerate(stars):
        Sparkle(s, sx, sy, (2 if i % 3 == 0 else 1) + (1 if lit else 0), WHITE if (i % 2 or lit) else PALEBLUE)
    # distant hills and a castle of glass on the horizon
    s.path('M12 134 Q70 112 130 126 Q190 138 240 124 Q300 110 360 128 Q420 140 468 120 L468 140 L12 140 Z',
           GEM_DARK if lit else s.mix(PURPLE, BLACK, 2))
    # crystal spires growing from the hills
    for tx, tb, th in ((300, 130, 22), (312, 128, 34), (324, 131, 18), (150, 132, 16), (160, 130, 26)):
        s.poly([(tx - 5, tb), (tx, tb - th), (tx + 5, tb)], PALEBLUE if lit else MDBLUE)
        s.poly([(tx, tb - th), (tx + 5, tb), (tx + 1, tb)], WHITE if lit else '#0080C0')
    Moon(s, 420, 44, lit)
    CrystalBall(s, 62, 78, lit)
    MirrorFrame(s, 240, 66, 118, 48, lit)
    # the logo
    layers = ([(NAVY, 14, 0, 2), (HOTPINK, 11, 0, 0), (PINK, 7, 0, 0), (WHITE, 3, -1, -1)] if lit else
              [(BLACK, 14, 0, 2), (PURPLE, 11, 0, 0), (HOTPINK, 7, 0, 0), (PINK, 2.5, -1, -1)])
    strokefont.Draw(s, 240, 38, 'Vexamira', 40, layers, align='center', skew=14, tracking=4)
    # the maker's ribbon under the mirror
    s.poly([(168, 121), (312, 121), (320, 129), (312, 137), (168, 137), (160, 129)], BLACK)
    s.poly([(169, 122), (311, 122), (318, 129), (311, 136), (169, 136), (162, 129)], SILVER if lit else GREY)
    s.rect(170, 123, 140, 1, WHITE)
    s.text(240, 126, 'MERIDOLA  No.2', PURPLE if lit else BLACK, bold=True, align='center', spacing=1)
    # the frame of the picture
    s.frame(ax - 1, ay - 1, aw + 2, ah + 2, BLACK)
    s.frame(ax - 3, ay - 2, aw + 6, ah + 4, SILVER, 1)
    y = ay + ah + 2
    s.rect(0, y, w, h - y, BODY)
    s.rect(0, y, w, 2, SILVER)
    s.rect(0, y + 2, w, 1, GREY)
    s.rect(0, y + 3, w, 6, s.mix(BODY, BLACK, 2))
    s.rect(0, y + 5, w, 1, PINK if lit else HOTPINK)


# --- lamps ---------------------------------------------------------------------------------
def GemShape(x, y, w, h, inset):
    """A bet-line lamp: a long gem pointing at the reels."""
    i = inset
    return [(x + 6 + i, y + i), (x + w - 14 - i // 2, y + i), (x + w - 1 - i, y + h // 2),
            (x + w - 14 - i // 2, y + h - 1 - i), (x + 6 + i, y + h - 1 - i), (x + i, y + h // 2)]


def LineLampGlass(s, x, y, n, lit=True):
    w, h = L.line_lamp_size
    if lit:
        s.poly(GemShape(x, y, w, h, 2), HOTPINK)
        s.poly(GemShape(x, y, w, h, 4), PINK)
        s.poly(GemShape(x, y, w, h, 7), '#FFC0FF')
        s.rect(x + 10, y + 4, 30, 1, WHITE)
        s.text(x + 23, y + 5, str(n), PURPLE, font=pixfont.FONT7, bold=True, align='center')
        s.text(x + 42, y + 9, 'BET', PURPLE, font=pixfont.FONT3, align='center')
    else:
        s.poly(GemShape(x, y, w, h, 2), PURPLE)
        s.poly(GemShape(x, y, w, h, 4), GEM_DARK)
        s.rect(x + 10, y + 4, 30, 1, VIOLET)
        s.text(x + 23, y + 5, str(n), BLACK, font=pixfont.FONT7, bold=True, align='center')
        s.text(x + 42, y + 9, 'BET', BLACK, font=pixfont.FONT3, align='center')


def LineLamp(s, x, y, n):
    w, h = L.line_lamp_size
    s.poly(GemShape(x, y, w, h, 0), BLACK)
    s.poly(GemShape(x, y, w, h, 1), SILVER)
    LineLampGlass(s, x, y, n, False)


def StopLamp(s, x, y, lit):
    w, h = L.stop_lamp_size
    s.rect(x + 2, y + 1, w - 4, h - 2, BLACK, rx=9)
    s.rect(x + 3, y + 2, w - 6, h - 4, SILVER, rx=8)
    if lit:
        s.rect(x + 5, y + 4, w - 10, h - 8, HOTPINK, rx=6)
        s.rect(x + 7, y + 5, w - 14, h - 10, PINK, rx=5)
        s.rect(x + 12, y + 6, w - 24, 1, WHITE)
        s.text(x + w // 2, y + 7, 'STOP', PURPLE, font=pixfont.FONT7, align='center', spacing=1)
    else:
        s.rect(x + 5, y + 4, w - 10, h - 8, PURPLE, rx=6)
        s.rect(x + 7, y + 5, w - 14, h - 10, GEM_DARK, rx=5)
        s.rect(x + 12, y + 6, w - 24, 1, VIOLET)
        s.text(x + w // 2, y + 7, 'STOP', BLACK, font=pixfont.FONT7, align='center', spacing=1)


def MedalLamp(s, lit):
    x, y, w, h = L.medal_lamp
    s.rect(x, y, w, h, BLACK, rx=3)
    s.rect(x + 1, y + 1, w - 2, h - 2, SILVER, rx=3)
    if lit:
        s.rect(x + 2, y + 2, w - 4, h - 4, ICE, rx=2)
        s.rect(x + 4, y + 3, w - 8, 1, WHITE)
        s.text(x + w // 2, y + 6, 'MEDAL IN', NAVY, align='center')
    else:
        s.rect(x + 2, y + 2, w - 4, h - 4, NAVY, rx=2)
        s.rect(x + 4, y + 3, w - 8, 1, MDBLUE)
        s.text(x + w // 2, y + 6, 'MEDAL IN', BLACK, align='center')


# --- displays and gauge --------------------------------------------------------------------
SEG = no2face.Segments(16, 24, slant=2)


def Digit(s, x, y, glyph):
    no2face.DigitCell(s, x, y, 16, 24, glyph, SEG, ICE, SKY, NAVY, core=WHITE)


GAUGE_COLOURS = [(GREEN, DKGREEN), (CYAN, MDBLUE), (PINK, PURPLE), (WHITE, GREY)]


def Gauge(s, lit):
    x, y, w, h = L.gauge
    steps = no2face.GAUGE_STEPS
    per = h // steps
    s.rect(x, y, w, h, BLACK)
    for k in range(steps):
        top = y + h - per * (k + 1)
        on, off = GAUGE_COLOURS[min(3, k * 4 // steps)]
        # a step's top row stays dark: each step of the rule ends on a gap
        s.rect(x + 3, top + 1, w - 6, per - 1, on if lit else Dark(s, off))
        if lit:
            s.rect(x + 4, top + 1, 4, 1, WHITE)
    s.rect(x, y, 1, h, GREY)
    s.rect(x + w - 1, y, 1, h, GREY)


def RightColumn(s, lit_gauge, lit_medal):
    gx, gy, gw, gh = L.gauge
    mx, my, mw, mh = L.medal_lamp
    right = max(mx + mw, L.displays[0][0] + 2 * L.digit_size[0]) + 8
    s.rect(gx - 5, gy - 17, right - gx + 5, my + mh + 3 - gy + 17, BLACK, rx=4)
    s.rect(gx - 4, gy - 16, right - gx + 3, my + mh + 1 - gy + 16, Dark(s, BODY), rx=3)
    s.rect(gx - 3, gy - 3, gw + 6, gh + 6, SILVER)
    s.rect(gx - 2, gy - 2, gw + 4, gh + 4, BLACK)
    Gauge(s, lit_gauge)
    s.text(gx + gw // 2, gy - 11, 'READY', PINK, font=pixfont.FONT3, align='center')
    no2face.DisplayCells(s, L, SILVER, Digit)
    for (x, y), label in zip(L.displays, ('BONUS', 'CREDIT', 'PAYOUT')):
        s.text(x + L.digit_size[0], y - 10, label, ICE, align='center')
    MedalLamp(s, lit_medal)


# --- reel panel ----------------------------------------------------------------------------
def ReelPanel(s, state):
    gl, gt, gr, gb = L.Glass()
    # bezel
    s.rect(gl - 7, gt - 7, gr - gl + 14, gb - gt + 14, BLACK, rx=8)
    s.rect(gl - 6, gt - 6, gr - gl + 12, gb - gt + 12, SILVER, rx=7)
    s.rect(gl - 5, gt - 5, gr - gl + 10, 1, WHITE)
    s.rect(gl - 4, gt - 4, gr - gl + 8, gb - gt + 8, GREY, rx=5)
    s.rect(gl - 2, gt - 2, gr - gl + 4, gb - gt + 4, BLACK)
    # the glass: deep violet behind the reels, stars printed on it
    s.rect(gl, gt, gr - gl, gb - gt, s.mix(GEM_DARK, BLACK, 2))
    for sx, sy in ((gl + 4, gt + 6), (gr - 6, gt + 8), (gl + 6, gb - 8), (gr - 5, gb - 6)):
        Sparkle(s, sx, sy, 1, PINK)
    for r, (x, y, w, h) in enumerate(L.reels):
        s.rect(x - 2, y - 1, w + 4, h + 2, SILVER)
        s.rect(x - 1, y, w + 2, h, BLACK)
        s.rect(x, y, w, h, WHITE)
    # pay-line stubs from the lamps to the glass
    lw, lh = L.line_lamp_size
    for (lx, ly), line in zip(L.line_lamps, L.pay_lines):
        s.line(lx + lw, ly + lh // 2, gl - 7, line[1], PINK, 1)
        s.rect(gl - 9, line[1] - 1, 3, 3, HOTPINK)
    for r, (x, y) in enumerate(L.stop_lamps):
        StopLamp(s, x, y, 'stop%d' % r in state)


# --- controls ------------------------------------------------------------------------------
def StopButton(s, x, y, pressed):
    w, h = L.stop_buttons[0][2:]
    cx, cy = x + w / 2, y + h / 2
    s.circle(cx, cy, w / 2, BLACK)
    s.circle(cx, cy, w / 2 - 1, SILVER)
    s.circle(cx, cy, w / 2 - 3, BLACK)
    if pressed:
        s.circle(cx, cy + 1, w / 2 - 4, PURPLE)
        s.circle(cx, cy + 1, w / 2 - 6, VIOLET)
        s.rect(cx - 3, cy - 2, 3, 1, PINK)
    else:
        s.circle(cx, cy, w / 2 - 4, VIOLET)
        s.circle(cx - 1, cy - 1, w / 2 - 5, HOTPINK)
        s.circle(cx - 2, cy - 2, 3, PINK)
        s.rect(cx - 4, cy - 4, 3, 2, WHITE)


def BetButton(s, pressed):
    x, y, w, h = L.bet
    s.rect(x, y, w, h, BLACK, rx=3)
    s.rect(x + 1, y + 1, w - 2, h - 2, GREY, rx=2)
    d = 1 if pressed else 0
    if pressed:
        s.rect(x + 2, y + 2, w - 4, h - 4, PURPLE)
        s.rect(x + 3, y + 3, w - 5, h - 5, VIOLET)
    else:
        s.bevel(x + 2, y + 2, w - 4, h - 4, HOTPINK, PINK, PURPLE)
        s.rect(x + 4, y + 3, w - 10, 1, WHITE)
    s.text(x + w // 2 + d, y + 5 + d, 'BET', WHITE if not pressed else PINK, align='center', shadow=PURPLE)


def Lever(s, pulled):
    x, y, w, h = L.lever
    cx = x + w // 2
    # the round base on the deck, the same in both looks
    s.ellipse(cx, y + h - 6, 14, 5, BLACK)
    s.ellipse(cx, y + h - 7, 13, 4, SILVER)
    s.ellipse(cx, y + h - 7, 9, 2.5, WHITE)
    s.ellipse(cx, y + h - 6, 4, 2, BLACK)
    knob = y + (17 if pulled else 8)
    s.rect(cx - 2, knob, 4, y + h - 6 - knob, BLACK)
    s.rect(cx - 1, knob, 2, y + h - 6 - knob, SILVER)
    s.rect(cx - 1, knob, 1, y + h - 6 - knob, WHITE)
    # the knob: a faceted pink crystal
    r = 7
    s.poly([(cx, knob - r - 1), (cx + r + 1, knob), (cx, knob + r + 1), (cx - r - 1, knob)], BLACK)
    s.poly([(cx, knob - r), (cx + r, knob), (cx, knob + r), (cx - r, knob)], HOTPINK)
    s.poly([(cx, knob - r), (cx, knob), (cx - r, knob)], PINK)
    s.poly([(cx, knob + r), (cx + r, knob), (cx, knob)], VIOLET)
    s.rect(cx - 3, knob - 3, 2, 1, WHITE)


def MedalSlot(s):
    x, y, w, h = L.medal_in
    s.rect(x, y, w, h, BLACK, rx=5)
    s.rect(x + 1, y + 1, w - 2, h - 2, SILVER, rx=4)
    s.rect(x + 2, y + 2, w - 4, 1, WHITE)
    s.rect(x + 3, y + h - 3, w - 6, 1, GREY)
    s.rect(x + 8, y + 8, w - 16, 8, GREY, rx=3)
    s.rect(x + 9, y + 9, w - 18, 6, BLACK, rx=2)
    s.rect(x + 10, y + 15, w - 20, 1, WHITE)
    for ax in (x + 4, x + w - 7):
        s.poly([(ax, y + 10), (ax + 3, y + 12), (ax, y + 14)], PURPLE)
    s.text(x + w // 2, y + 3, 'MEDAL', PURPLE, font=pixfont.FONT3, align='center')


def Deck(s, state):
    ledge_top = 338
    front_top = 376
    s.rect(8, ledge_top, 464, 2, WHITE)
    s.rect(8, ledge_top + 2, 464, 1, SILVER)
    s.rect(8, ledge_top + 3, 464, 1, GREY)
    s.vbands(8, ledge_top + 4, 464, front_top - ledge_top - 8, [BODY_LIGHT, BODY])
    s.rect(8, front_top - 4, 464, 1, PINK)
    s.rect(8, front_top - 3, 464, 3, BLACK)
    s.text(250, 350, '1 BET 1 LINE  -  2 BET 3 LINES  -  3 BET 5 LINES', PINK, font=pixfont.FONT3,
           align='center')
    s.text(250, 360, 'JAC GAME  1 BET  NO LEVER', PALEBLUE, font=pixfont.FONT3, align='center')
    BetButton(s, 'bet' in state)
    MedalSlot(s)
    # the front: lever well, the rail of stop buttons, the sorceress's seal
    s.vbands(8, front_top, 464, 44, [BODY, Dark(s, BODY)])
    lx, ly, lw, lh = L.lever
    s.rect(lx - 12, front_top + 4, lw + 40, 38, BLACK, rx=8)
    s.rect(lx - 11, front_top + 5, lw + 38, 36, Dark(s, GEM_DARK), rx=7)
    for i, ch in enumerate('START'):
        s.text(lx + lw + 11, front_top + 9 + 6 * i, ch, PINK, font=pixfont.FONT3, align='center')
    Lever(s, 'lever' in state)
    bx0 = L.stop_buttons[0][0]
    bx1 = L.stop_buttons[2][0] + L.stop_buttons[2][2]
    s.rect(bx0 - 12, front_top + 5, bx1 - bx0 + 24, 36, BLACK, rx=10)
    s.rect(bx0 - 11, front_top + 6, bx1 - bx0 + 22, 34, SILVER, rx=9)
    s.rect(bx0 - 9, front_top + 8, bx1 - bx0 + 18, 30, Dark(s, BODY), rx=7)
    for r, (x, y, w, h) in enumerate(L.stop_buttons):
        StopButton(s, x, y, 'button%d' % r in state)
    # the seal: a V in a ring of stars
    cx, cy = 438, front_top + 22
    s.circle(cx, cy, 19, BLACK)
    s.circle(cx, cy, 18, SILVER)
    s.circle(cx, cy, 16, PURPLE)
    strokefont.Draw(s, cx, cy - 9, 'V', 18, [(BLACK, 6, 1, 1), (HOTPINK, 4, 0, 0), (PINK, 1.5, 0, 0)],
                    align='center')
    s.text(cx - 54, cy - 8, 'VEXAMIRA', PINK, align='center')
    s.text(cx - 54, cy + 2, 'MERIDOLA', PALEBLUE, font=pixfont.FONT3, align='center', spacing=2)
    Sparkle(s, cx - 82, cy - 5, 2, PINK)
    # the bottom edge
    s.rect(8, 420, 464, 1, WHITE)
    s.rect(8, 421, 464, 2, SILVER)
    s.rect(8, 423, 464, 9, s.mix(PURPLE, BLACK, 2))


def Sides(s):
    for x0 in (0, 472):
        s.rect(x0, 0, 8, 432, BLACK)
        s.rect(x0 + 1, 0, 6, 432, SILVER)
        s.rect(x0 + 2, 0, 1, 432, WHITE)
        s.rect(x0 + 5, 0, 1, 432, GREY)
        for jy in range(176, 420, 24):
            s.rect(x0 + 2, jy, 4, 4, BLACK)
            s.rect(x0 + 3, jy + 1, 2, 2, HOTPINK)


def MainPanel(s):
    _, top, _, th = L.top
    y0 = top + th
    s.vbands(8, y0, 464, 338 - y0, [BODY, s.mix(BODY, GEM_DARK, 2), BODY])
    # the lamp column at the left
    lx, ly, lw, lh = L.LampColumn()
    s.rect(lx - 8, ly - 6, lw + 14, lh + 12, BLACK, rx=5)
    s.rect(lx - 7, ly - 5, lw + 12, lh + 10, Dark(s, BODY), rx=4)
    for i, (x, y) in enumerate(L.line_lamps):
        LineLamp(s, x, y, L.line_numbers[i])


def DrawFace(s, state=()):
    no2face.PaintFace(s, state, sys.modules[__name__])


if __name__ == '__main__':
    no2face.BuildFace(L, 'Vexamira', DrawFace, LineLampGlass, Digit)
