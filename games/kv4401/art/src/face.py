# Machine face of the Orlido 2 (bitmap 502) and the lit, pressed and pulled looks cut from
# the same drawing (601-608), so that every look matches the face pixel for pixel; 609 digits.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
from artkit import *  # noqa: E402,F401,F403
import strokefont  # noqa: E402
import pixfont  # noqa: E402
import gamedesc  # noqa: E402

OUT = os.path.join(HERE, '..')

DESC = gamedesc.Load(1)

# Where the game samples and paints the face (play-window coordinates), as the game's
# description states it.
REEL_X, REEL_Y, REEL_W, REEL_H = DESC.ReelWindow(0)
REEL_STEP = DESC.reels['step']
LINE_LAMP = DESC.Places('LineLampLooks')
LINE_W, LINE_H = DESC.LookSize('LineLampLooks')
LINE_NUMBERS = [k + 1 for k in DESC.LitPictures('LineLampLooks')]  # the rows of 604 lit
STOP_LAMP = DESC.Places('StopLampLooks')
STOP_W, STOP_H = DESC.LookSize('StopLampLooks')
STOP_PICTURES = DESC.LitPictures('StopLampLooks')                  # each reel's picture of 605
MEDAL_LAMP = DESC.Places('MedalLampLooks')[0]
MEDAL_W, MEDAL_H = DESC.LookSize('MedalLampLooks')
BONUS_LAMP = DESC.Places('BonusLampLooks')                         # numbers 3, 2, 1
BONUS_W, BONUS_H = DESC.LookSize('BonusLampLooks')
BIG_LAMP = DESC.Places('BigChanceLampLooks')[0]
BIG_W, BIG_H = DESC.LookSize('BigChanceLampLooks')
DIGIT_W, DIGIT_H = DESC.LookSize('PanelDigits')
DISPLAYS, POINT_CELL = DESC.Displays()
PAY_DIGITS = next(g for g in DISPLAYS if POINT_CELL in g)          # cells of two digits each
CREDIT_DIGITS = next(g for g in DISPLAYS if POINT_CELL not in g)
WAIT_ON, WAIT_OFF = DESC.Places('WaitLampLooks')[0], DESC.FacePlace('WaitLampLooks', 0)
WAIT_W, WAIT_H = DESC.LookSize('WaitLampLooks')
LEVER = DESC.Control('lever')                                      # x, y, w, h
STOP_BTN = [DESC.Control('stop%d' % r) for r in range(3)]
BET_BTN = DESC.Control('bet')
MEDAL_SLOT = DESC.Control('medalIn')                               # the hit area

# Orlido 2 colours: royal blue cabinet, gold trim, desert night.
CAB_DARK, CAB, CAB_LIGHT = NAVY, MDBLUE, BLUE
TRIM, TRIM_DARK, TRIM_LIGHT = GOLD, OCHRE, PALEYEL


# --- seven-segment digits (609) ------------------------------------------------------------
SEGMENTS = {
    'a': [(x, 1) for x in range(3, 12)] + [(x, 2) for x in range(4, 11)],
    'b': [(12, y) for y in range(2, 10)] + [(11, y) for y in range(3, 9)],
    'c': [(12, y) for y in range(12, 20)] + [(11, y) for y in range(13, 19)],
    'd': [(x, 21) for x in range(3, 12)] + [(x, 20) for x in range(4, 11)],
    'e': [(2, y) for y in range(12, 20)] + [(3, y) for y in range(13, 19)],
    'f': [(2, y) for y in range(2, 10)] + [(3, y) for y in range(3, 9)],
    'g': [(x, 10) for x in range(4, 11)] + [(x, 11) for x in range(4, 11)],
}
DIGIT_SEGS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg', '']
DP = [(14, 20), (15, 20), (14, 21), (15, 21)]
SEG_ON, SEG_OFF = RED, DKRED


def SevenSeg(s, x, y, glyph):
    """One LED cell of the digit strip: glyphs 0-9, 10 blank (all segments dark), 11 the point alone."""
    s.rect(x, y, DIGIT_W, DIGIT_H, BLACK)
    if glyph == 11:
        s.pixels(DP, SEG_ON, x, y)
        return
    on = DIGIT_SEGS[glyph]
    s.pixels([p for k in 'abcdefg' if k not in on for p in SEGMENTS[k]], SEG_OFF, x, y)
    s.pixels([p for k in on for p in SEGMENTS[k]], SEG_ON, x, y)
    # a hot line inside each lit segment
    s.pixels([p for k in on for p in SEGMENTS[k][:1]], '#FF8080', x, y)


# --- lamps ---------------------------------------------------------------------------------
def LineLampShape(x, y, inset):
    i = inset
    return [(x + 2 + i, y + i), (x + 50 - i // 2, y + i), (x + 63 - i, y + 15), (x + 50 - i // 2, y + 29 - i),
            (x + 2 + i, y + 29 - i), (x + i, y + 27 - i), (x + i, y + 2 + i)]


def LineLampGlass(s, x, y, n, lit):
    """The glass of a bet-line lamp with its number; lit glass is what bitmap 604 holds."""
    if lit:
        s.poly(LineLampShape(x, y, 2), RED)
        s.poly(LineLampShape(x, y, 4), ORANGE)
        s.poly(LineLampShape(x, y, 7), YELLOW)
        s.rect(x + 8, y + 5, 38, 1, PALEYEL)
        s.text(x + 24, y + 8, str(n), WHITE, bold=True, scale=2, align='center', shadow=DKRED)
        for cx in (x + 43, x + 50):
            s.poly([(cx, y + 10), (cx + 4, y + 15), (cx, y + 20)], WHITE)
    else:
        s.poly(LineLampShape(x, y, 2), MDRED)
        s.poly(LineLampShape(x, y, 3), DKRED)
        s.rect(x + 8, y + 5, 38, 1, MDRED)
        s.text(x + 24, y + 8, str(n), MDRED, bold=True, scale=2, align='center', shadow=BLACK)
        for cx in (x + 43, x + 50):
            s.poly([(cx, y + 10), (cx + 4, y + 15), (cx, y + 20)], MDRED)


def LineLamp(s, x, y, n):
    s.poly(LineLampShape(x, y, 0), BLACK)
    s.poly(LineLampShape(x, y, 1), TRIM_DARK)
    LineLampGlass(s, x, y, n, False)


def BonusGlass(s, x, y, lit):
    """The BONUS half of a bonus lamp (x + 28 .. x + 85); bitmap 607 is the lit glass."""
    gx, gy, gw, gh = x + 30, y + 2, 54, 28
    if lit:
        s.rect(gx, gy, gw, gh, ORANGE, rx=4)
        s.rect(gx + 2, gy + 2, gw - 4, gh - 4, YELLOW, rx=3)
        s.rect(gx + 4, gy + 4, gw - 8, gh - 8, CREAM, rx=2)
        s.rect(gx + 5, gy + 3, gw - 10, 1, WHITE)
        s.text(gx + gw // 2, gy + 9, 'BONUS', MDRED, font=pixfont.FONT7, align='center', shadow=ORANGE)
    else:
        s.rect(gx, gy, gw, gh, OCHRE, rx=4)
        s.rect(gx + 2, gy + 2, gw - 4, gh - 4, OLIVE, rx=3)
        s.rect(gx + 5, gy + 3, gw - 10, 1, OCHRE)
        s.text(gx + gw // 2, gy + 9, 'BONUS', BLACK, font=pixfont.FONT7, align='center')


def BonusLamp(s, x, y, n):
    s.rect(x, y, BONUS_W, BONUS_H, BLACK, rx=5)
    s.rect(x + 1, y + 1, 84, 30, TRIM_DARK, rx=4)
    s.rect(x + 2, y + 2, 82, 28, BLACK, rx=3)
    # the printed stage number, never lit: the lamp beside it tells
    s.circle(x + 14, y + 16, 11, TRIM)
    s.circle(x + 14, y + 16, 9, CAB_DARK)
    s.text(x + 15, y + 9, str(n), TRIM_LIGHT, bold=True, scale=2, align='center')
    BonusGlass(s, x, y, False)


def BigChanceLamp(s, lit):
    x, y = BIG_LAMP
    cx, cy = x + 27, y + 27
    s.rect(x, y, BIG_W, BIG_H, CAB_DARK)
    s.circle(cx, cy, 27, BLACK)
    s.circle(cx, cy, 26, TRIM_DARK)
    s.circle(cx, cy, 25, TRIM)
    s.circle(cx, cy, 23, BLACK)
    if lit:
        s.circle(cx, cy, 22, RED)
        s.circle(cx, cy, 19, ORANGE)
        s.circle(cx, cy, 15, YELLOW)
        s.circle(cx, cy, 10, CREAM)
        # rays
        for dx, dy in ((-16, -9), (16, -9), (-16, 9), (16, 9), (0, -18), (0, 18)):
            s.rect(cx + dx - 1, cy + dy - 1, 2, 2, WHITE)
        s.text(cx + 1, cy - 11, 'BIG', MDRED, font=pixfont.FONT7, align='center', shadow=ORANGE)
        s.text(cx, cy + 3, 'CHANCE', MDRED, align='center')
        s.rect(cx - 10, cy - 19, 6, 2, WHITE)
    else:
        s.circle(cx, cy, 22, MDRED)
        s.circle(cx, cy, 20, DKRED)
        s.text(cx + 1, cy - 11, 'BIG', BLACK, font=pixfont.FONT7, align='center')
        s.text(cx, cy + 3, 'CHANCE', BLACK, align='center')
        s.rect(cx - 10, cy - 19, 6, 2, MDRED)


def StopLamp(s, r, lit):
    x, y = STOP_LAMP[r]
    s.rect(x, y, STOP_W, STOP_H, CAB_DARK)
    s.rect(x + 3, y + 2, 56, 40, BLACK, rx=6)
    s.rect(x + 4, y + 3, 54, 38, TRIM_DARK, rx=5)
    s.rect(x + 5, y + 4, 52, 36, BLACK, rx=4)
    glint = x + 9 if r < 2 else x + 41
    if lit:
        s.rect(x + 6, y + 5, 50, 34, ROSE, rx=3)
        s.rect(x + 8, y + 7, 46, 30, RED, rx=2)
        s.rect(x + 12, y + 11, 38, 22, s.mix(RED, ROSE, 1))
        s.text(x + 31, y + 17, 'STOP', WHITE, font=pixfont.FONT7, align='center', shadow=DKRED)
        s.rect(glint, y + 8, 12, 2, WHITE)
    else:
        s.rect(x + 6, y + 5, 50, 34, MDRED, rx=3)
        s.rect(x + 8, y + 7, 46, 30, DKRED, rx=2)
        s.text(x + 31, y + 17, 'STOP', BLACK, font=pixfont.FONT7, align='center')
        s.rect(glint, y + 8, 12, 2, MDRED)
    # a pointer under the lamp towards the button
    s.poly([(x + 25, y + 44), (x + 37, y + 44), (x + 31, y + 49)], TRIM if lit else TRIM_DARK)


def MedalLamp(s, lit):
    x, y = MEDAL_LAMP
    s.rect(x, y, MEDAL_W, MEDAL_H, BLACK, rx=2)
    s.rect(x + 1, y + 1, 38, 16, TRIM_DARK, rx=2)
    if lit:
        s.rect(x + 2, y + 2, 36, 14, GREEN)
        s.rect(x + 3, y + 3, 34, 1, LTGREEN)
        s.text(x + 20, y + 6, 'MEDALS', BLACK, align='center')
    else:
        s.rect(x + 2, y + 2, 36, 14, DKGREEN)
        s.rect(x + 3, y + 3, 34, 1, MDGREEN)
        s.text(x + 20, y + 6, 'MEDALS', BLACK, align='center')


# --- controls ------------------------------------------------------------------------------
def StopButton(s, x, y, w, h, pressed):
    s.rect(x, y, w, h, BLACK)
    s.bevel(x + 1, y + 1, 22, 22, SILVER, WHITE, GREY)
    s.rect(x + 3, y + 3, 18, 18, BLACK, rx=3)
    if pressed:
        s.circle(x + 12, y + 13, 7, MDRED)
        s.circle(x + 12, y + 13, 5, DKRED)
        s.rect(x + 9, y + 10, 3, 1, RED)
    else:
        s.circle(x + 12, y + 12, 8, MDRED)
        s.circle(x + 11.5, y + 11.5, 7, RED)
        s.circle(x + 13, y + 13, 4, MDRED)
        s.circle(x + 12, y + 12, 3.5, RED)
        s.rect(x + 7, y + 7, 4, 2, WHITE)
        s.rect(x + 7, y + 9, 2, 1, PINK)


def BetButton(s, pressed):
    x, y, w, h = BET_BTN
    s.rect(x, y, w, h, BLACK, rx=3)
    s.bevel(x + 1, y + 1, 44, 30, SILVER, WHITE, GREY)
    s.rect(x + 3, y + 3, 40, 26, BLACK)
    d = 1 if pressed else 0
    if pressed:
        s.rect(x + 4, y + 4, 38, 24, TRIM_DARK)
        s.rect(x + 5, y + 5, 37, 23, s.mix(TRIM_DARK, TRIM, 2))
    else:
        s.bevel(x + 4, y + 4, 38, 24, TRIM, TRIM_LIGHT, TRIM_DARK, t=2)
        s.rect(x + 7, y + 6, 20, 1, WHITE)
    s.text(x + 23 + d, y + 7 + d, 'BET', DKRED, font=pixfont.FONT7, align='center')
    s.rect(x + 12 + d, y + 20 + d, 22, 1, DKRED)
    s.text(x + 23 + d, y + 22 + d, '1', DKRED, font=pixfont.FONT3, align='center')


def Lever(s, pulled):
    x, y = LEVER[:2]
    cx = x + 17
    # escutcheon: a chrome ring on the deck, drawn the same in both looks
    s.ellipse(cx, y + 34, 16, 7, BLACK)
    s.ellipse(cx, y + 34, 15, 6, GREY)
    s.ellipse(cx, y + 33, 14, 5, SILVER)
    s.ellipse(cx, y + 33, 11, 3.5, WHITE)
    s.ellipse(cx, y + 34, 6, 3, BLACK)
    if pulled:
        # the lever points at the player: short, knob low
        s.rect(cx - 3, y + 25, 6, 10, BLACK)
        s.rect(cx - 2, y + 26, 4, 9, SILVER)
        s.rect(cx - 1, y + 26, 1, 8, WHITE)
        s.circle(cx, y + 25, 9, BLACK)
        s.circle(cx, y + 25, 8, MDRED)
        s.circle(cx - 1, y + 24, 6, RED)
        s.rect(cx - 5, y + 20, 4, 2, WHITE)
    else:
        s.poly([(cx - 3, y + 34), (cx + 3, y + 34), (cx + 2, y + 12), (cx - 2, y + 12)], BLACK)
        s.rect(cx - 1, y + 12, 3, 22, SILVER)
        s.rect(cx - 1, y + 12, 1, 22, WHITE)
        s.circle(cx, y + 10, 9, BLACK)
        s.circle(cx, y + 10, 8, MDRED)
        s.circle(cx - 1, y + 9, 6, RED)
        s.rect(cx - 5, y + 5, 4, 2, WHITE)
        s.rect(cx - 5, y + 7, 2, 1, PINK)


def MedalSlot(s):
    x, y = MEDAL_SLOT[:2]
    # chrome insert plate with the slot and a medal dropping in
    px, py = x + 17, y + 9
    s.rect(px, py, 54, 27, BLACK, rx=6)
    s.rect(px + 1, py + 1, 52, 25, GREY, rx=5)
    s.rect(px + 1, py + 1, 51, 24, WHITE, rx=5)
    s.rect(px + 2, py + 2, 50, 23, SILVER, rx=4)
    s.rect(px + 5, py + 4, 44, 1, WHITE)
    s.rect(px + 5, py + 14, 44, 7, GREY, rx=3)
    s.rect(px + 6, py + 15, 42, 5, BLACK, rx=2)
    s.rect(px + 7, py + 20, 40, 1, WHITE)
    # the medal, half in the slot
    s.ellipse(px + 27, py + 14, 11, 8, BLACK)
    s.ellipse(px + 27, py + 14, 10, 7, SILVER)
    s.ellipse(px + 27, py + 14, 7, 5, WHITE)
    s.ellipse(px + 27, py + 14, 6, 4, SILVER)
    s.rect(px + 24, py + 11, 6, 1, GREY)
    s.rect(px + 15, py + 15, 25, 5, BLACK)
    s.rect(px + 6, py + 15, 42, 1, GREY)
    s.poly([(px + 6, py + 6), (px + 12, py + 6), (px + 9, py + 11)], DKRED)
    s.poly([(px + 42, py + 6), (px + 48, py + 6), (px + 45, py + 11)], DKRED)


# --- panels --------------------------------------------------------------------------------
def CabinetSides(s):
    for x0, bands in ((0, [BLACK, GREY, SILVER, WHITE, SILVER, GREY, CAB_DARK, BLACK]),
                      (472, [BLACK, CAB_DARK, GREY, SILVER, WHITE, SILVER, GREY, BLACK])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, 0, 1, Size(502)[1], c)


def TopPanel(s):
    x0, y0, x1, y1 = 8, 0, 472, 112
    s.rect(x0, y0, x1 - x0, 4, SILVER)
    s.rect(x0, 0, x1 - x0, 1, WHITE)
    s.rect(x0, 3, x1 - x0, 1, GREY)
    s.rect(x0, 4, x1 - x0, 2, BLACK)
    ax, ay, aw, ah = 12, 6, 456, 102
    # desert night: sky, moon, stars, dunes and the pyramids on the horizon
    s.vbands(ax, ay, aw, 70, [BLACK, NAVY, CAB, PURPLE, MDRED])
    s.rect(ax, ay + 70, aw, 8, s.mix(MDRED, ORANGE, 2))
    for i, (sx, sy) in enumerate([(30, 14), (64, 30), (110, 12), (150, 24), (200, 9), (262, 16), (300, 28),
                                   (338, 11), (378, 25), (420, 15), (448, 34), (90, 44), (240, 38),
                                   (20, 40), (460, 52), (180, 50), (350, 46)]):
        c = WHITE if i % 3 else PALEYEL
        s.rect(sx, sy, 1, 1, c)
        if i % 4 == 0:
            s.rect(sx - 1, sy, 3, 1, c)
            s.rect(sx, sy - 1, 1, 3, c)
    # crescent moon: an outer arc of the disc and an inner arc of the shadow disc
    s.path('M421.87 17.18 A13 13 0 1 0 435.02 36.9 A12 12 0 1 1 421.87 17.18 Z', PALEYEL)
    # pyramids behind the dunes
    s.poly([(40, 86), (78, 50), (116, 86)], TRIM_DARK)
    s.poly([(78, 50), (116, 86), (84, 86)], OLIVE)
    s.poly([(96, 86), (120, 64), (144, 86)], TRIM_DARK)
    s.poly([(120, 64), (144, 86), (124, 86)], OLIVE)
    s.poly([(350, 86), (386, 54), (422, 86)], TRIM_DARK)
    s.poly([(386, 54), (422, 86), (392, 86)], OLIVE)
    s.path('M12 96 Q80 74 160 90 Q240 104 320 84 Q400 70 468 92 L468 108 L12 108 Z', TRIM_DARK)
    s.path('M12 100 Q110 86 200 98 Q300 108 380 94 Q430 88 468 100 L468 108 L12 108 Z', TRIM)
    s.path('M60 104 Q150 96 250 104', None, TRIM_LIGHT, 1)
    # the logo
    strokefont.Draw(s, 240, 18, 'Orlido', 46, [(BLACK, 15, 0, 2), (DKRED, 12, 0, 1), (MDRED, 11, 0, 0),
                                               (TRIM, 7, 0, 0), (TRIM_LIGHT, 2.5, -1, -1)],
                    align='center', skew=12, tracking=6)
    # the model number in a red medallion
    s.circle(368, 56, 19, BLACK)
    s.circle(368, 56, 17, TRIM)
    s.circle(368, 56, 14, MDRED)
    strokefont.Draw(s, 368, 44, '2', 24, [(DKRED, 7, 1, 1), (WHITE, 4.5, 0, 0)], align='center')
    s.rect(196, 89, 88, 13, BLACK, rx=3)
    s.rect(197, 90, 86, 11, TRIM_DARK, rx=2)
    s.rect(198, 91, 84, 9, BLACK, rx=2)
    s.text(240, 92, 'MERIDOLA', TRIM, bold=True, align='center', spacing=2)
    s.frame(ax - 2, ay - 1, aw + 4, ah + 3, TRIM_DARK, 1)
    s.rect(x0, 108, x1 - x0, 4, BLACK)
    s.rect(x0, 109, x1 - x0, 1, TRIM_DARK)


def ReelPanel(s):
    y0, y1 = 112, 338
    s.vbands(8, y0, 464, y1 - y0, [CAB_DARK, CAB, CAB_DARK])
    # pinstripes
    s.rect(8, y0 + 2, 464, 1, TRIM_DARK)
    s.rect(8, y1 - 3, 464, 1, TRIM_DARK)
    # left lamp column and right lamp column recesses
    s.rect(13, 118, 76, 172, BLACK, rx=4)
    s.rect(14, 119, 74, 170, CAB_DARK, rx=3)
    s.rect(370, 118, 101 - 4, 172, BLACK, rx=4)
    s.rect(371, 119, 95, 170, CAB_DARK, rx=3)
    # reel bezel
    bx, by, bw, bh = REEL_X - 9, REEL_Y - 9, 2 * REEL_STEP + REEL_W + 18, REEL_H + 18
    s.rect(bx - 1, by - 1, bw + 2, bh + 2, BLACK, rx=5)
    s.rect(bx, by, bw, bh, TRIM_DARK, rx=4)
    s.rect(bx + 1, by + 1, bw - 2, bh - 2, TRIM, rx=4)
    s.rect(bx + 2, by + 2, bw - 4, 1, TRIM_LIGHT)
    s.rect(bx + 3, by + 3, bw - 6, bh - 6, TRIM_DARK, rx=2)
    s.rect(bx + 5, by + 5, bw - 10, bh - 10, BLACK)
    # the glass between the reels, where the pay lines cross
    s.rect(REEL_X - 4, REEL_Y - 4, 2 * REEL_STEP + REEL_W + 8, REEL_H + 8, CAB_DARK)
    s.rect(REEL_X - 1, REEL_Y - 1, 2 * REEL_STEP + REEL_W + 2, REEL_H + 2, BLACK)
    for r in range(3):
        x = REEL_X + REEL_STEP * r
        s.rect(x, REEL_Y, REEL_W, REEL_H, WHITE)
        if r < 2:
            gx = x + REEL_W
            s.rect(gx, REEL_Y, REEL_STEP - REEL_W, REEL_H, s.mix(NAVY, BLACK, 2))
            s.rect(gx + 2, REEL_Y, 1, REEL_H, CAB)
            s.rect(gx + REEL_STEP - REEL_W - 3, REEL_Y, 1, REEL_H, CAB)
    # pay-line stubs from the lamps to the glass
    for (lx, ly), to in zip(LINE_LAMP, DESC.LineStarts()):
        s.line(lx + LINE_W, ly + LINE_H // 2, REEL_X - 5, to, OLIVE, 2)
    # what the bet opens, printed on the glass above the reels
    s.text(229, 119, '1 BET 1 LINE   2 BET 3 LINES   3 BET 5 LINES', TRIM, font=pixfont.FONT3, align='center',
           spacing=1)


def DisplayStrip(s):
    # payout and WAIT window, left
    s.rect(14, 290, 78, 38, BLACK, rx=3)
    s.rect(15, 291, 76, 36, TRIM_DARK, rx=3)
    s.rect(16, 292, 74, 34, BLACK, rx=2)
    for x, y in PAY_DIGITS:
        SevenSeg(s, x, y, 10)
    s.text(35, 320, 'WIN', GREY, align='center')
    s.rect(WAIT_OFF[0], WAIT_OFF[1], WAIT_W, WAIT_H, BLACK)
    s.rect(WAIT_ON[0], WAIT_ON[1], WAIT_W, WAIT_H, BLACK)
    s.text(WAIT_ON[0] + 15, WAIT_ON[1] + 2, 'WAIT', ORANGE, align='center')
    # credit window, right
    s.rect(424, 290, 44, 38, BLACK, rx=3)
    s.rect(425, 291, 42, 36, TRIM_DARK, rx=3)
    s.rect(426, 292, 40, 34, BLACK, rx=2)
    for x, y in CREDIT_DIGITS:
        SevenSeg(s, x, y, 10)
    s.text(446, 320, 'CREDIT', GREY, align='center')


def Screw(s, x, y):
    s.circle(x, y, 2.5, BLACK)
    s.circle(x, y, 1.5, SILVER)
    s.rect(x - 1, y, 2, 1, GREY)


def Deck(s):
    y0 = 338
    s.rect(8, y0, 464, 2, WHITE)
    s.rect(8, y0 + 2, 464, 2, SILVER)
    s.rect(8, y0 + 4, 464, 1, GREY)
    # the sloping top of the ledge, then its front
    s.vbands(8, y0 + 5, 464, 14, [CAB_LIGHT, CAB])
    s.rect(8, 357, 464, 1, SKY)
    s.rect(8, 358, 464, 1, BLACK)
    s.vbands(8, 359, 464, 56, [CAB, CAB_DARK])
    s.rect(8, 362, 464, 1, TRIM_DARK)
    s.rect(8, 411, 464, 1, TRIM_DARK)
    s.rect(8, 415, 464, 1, WHITE)
    s.rect(8, 416, 464, 2, SILVER)
    s.rect(8, 418, 464, 1, GREY)
    s.rect(8, 419, 464, 1, BLACK)
    # lever housing
    s.rect(22, 365, 86, 44, BLACK, rx=8)
    s.rect(23, 366, 84, 42, TRIM_DARK, rx=7)
    s.rect(24, 367, 82, 40, CAB_DARK, rx=6)
    s.text(94, 372, 'S', TRIM, font=pixfont.FONT3, align='center')
    for i, ch in enumerate('TART'):
        s.text(94, 378 + 6 * i, ch, TRIM, font=pixfont.FONT3, align='center')
    # button rail behind the stop buttons (plain colour: the three buttons share one look)
    s.rect(120, 366, 218, 40, BLACK, rx=6)
    s.rect(121, 367, 216, 38, TRIM_DARK, rx=5)
    s.rect(123, 369, 212, 34, CAB_DARK, rx=4)
    for x in (127, 331):
        Screw(s, x, 386)
    for i, x in enumerate((179, 258)):
        s.rect(x, 372, 1, 28, CAB)
    # bet panel
    s.rect(350, 366, 64, 44, BLACK, rx=6)
    s.rect(351, 367, 62, 42, TRIM_DARK, rx=5)
    s.rect(352, 368, 60, 40, CAB_DARK, rx=4)
    # model plate at the right of the deck
    s.rect(420, 368, 46, 38, BLACK, rx=4)
    s.rect(421, 369, 44, 36, TRIM, rx=3)
    s.rect(423, 371, 40, 32, TRIM_DARK, rx=2)
    s.rect(424, 372, 38, 30, BLACK, rx=2)
    s.poly([(443, 374), (458, 396), (428, 396)], TRIM)
    s.poly([(443, 374), (458, 396), (445, 396)], TRIM_DARK)
    s.rect(426, 397, 34, 1, TRIM_DARK)
    s.circle(455, 379, 3, RED)
    # bottom: the upper edge of the lower panel
    s.vbands(8, 420, 464, 12, [PURPLE, CAB_DARK, BLACK])
    s.rect(8, 421, 464, 1, TRIM_DARK)


def DrawFace(s, state=()):
    s.rect(0, 0, *Size(502), CAB_DARK)
    TopPanel(s)
    ReelPanel(s)
    DisplayStrip(s)
    Deck(s)
    CabinetSides(s)
    for i, (x, y) in enumerate(LINE_LAMP):
        LineLamp(s, x, y, LINE_NUMBERS[i])
    for k, (x, y) in enumerate(BONUS_LAMP):
        BonusLamp(s, x, y, 3 - k)
    BigChanceLamp(s, 'big' in state)
    for r in range(3):
        StopLamp(s, r, 'stop%d' % r in state)
    MedalLamp(s, 'medal' in state)
    MedalSlot(s)
    Lever(s, 'lever' in state)
    for r, (x, y, w, h) in enumerate(STOP_BTN):
        StopButton(s, x, y, w, h, 'button%d' % r in state)
    BetButton(s, 'bet' in state)


def Size(ident):
    """Width and height of one of the game's own bitmaps."""
    return DESC.Bitmap(ident)[:2]


def Crop(ident, pieces):
    """Bitmap `ident` cut from face drawings: pieces are (x, y, state) placed one below the other."""
    w, h = Size(ident)
    s = Svg(w, h)
    for i, (x, y, state) in enumerate(pieces):
        cid = s.clip_rect('c%d' % i, 0, h // len(pieces) * i, w, h // len(pieces))
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (-x, -y + h // len(pieces) * i))
        DrawFace(s, state)
        s.end()
        s.end()
    return s


def Build():
    s = Svg(*Size(502))
    DrawFace(s)
    s.save(os.path.join(OUT, '502.svg'),
           'machine face of the Orlido 2 with empty reel windows')
    Crop(601, [(LEVER[0], LEVER[1], ('lever',))]).save(os.path.join(OUT, '601.svg'),
           'start lever pulled')
    Crop(602, [(STOP_BTN[0][0], STOP_BTN[0][1], ('button0',))]).save(os.path.join(OUT, '602.svg'),
           'stop button pressed')
    Crop(603, [(BET_BTN[0], BET_BTN[1], ('bet',))]).save(os.path.join(OUT, '603.svg'),
           'bet button pressed')
    first = [STOP_PICTURES.index(p) for p in range(max(STOP_PICTURES) + 1)]  # a reel lit in each picture
    Crop(605, [(STOP_LAMP[r][0], STOP_LAMP[r][1], ('stop%d' % r,)) for r in first]).save(os.path.join(OUT, '605.svg'),
           'lit STOP lamps, the one of the left and centre reels above the one of the right reel')
    Crop(606, [(MEDAL_LAMP[0], MEDAL_LAMP[1], ('medal',))]).save(os.path.join(OUT, '606.svg'),
           'lit MEDALS lamp')
    Crop(608, [(BIG_LAMP[0], BIG_LAMP[1], ('big',))]).save(os.path.join(OUT, '608.svg'),
           'lit BIG CHANCE lamp')
    # 604: lit line-lamp glass for the numbers 1, 2, 3 on the key colour
    s = Svg(*Size(604), KEY)
    for n in range(1, max(LINE_NUMBERS) + 1):
        LineLampGlass(s, 0, LINE_H * (n - 1), n, True)
    s.save(os.path.join(OUT, '604.svg'),
           'lit bet-line lamps with the numbers 1, 2 and 3 on the key colour')
    # 607: the lit BONUS glass on the key colour
    s = Svg(*Size(607), KEY)
    BonusGlass(s, 0, 0, True)
    s.save(os.path.join(OUT, '607.svg'),
           'lit BONUS lamp on the key colour')
    # 609: LED digits 0-9, blank, decimal point
    s = Svg(*Size(609), BLACK)
    for g in range(Size(609)[1] // DIGIT_H):
        SevenSeg(s, 0, DIGIT_H * g, g)
    s.save(os.path.join(OUT, '609.svg'),
           'seven-segment digits 0-9, a blank and the decimal point alone, 16 x 24 each')


if __name__ == '__main__':
    Build()
