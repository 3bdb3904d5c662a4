# Machine face of the Pembrix 7 (bitmap 502) and every look cut from the same drawing: the
# pulled lever, pressed buttons, lit lamp glass (601-607) and the two-colour digits (608).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout as L  # noqa: E402
from artkit import *  # noqa: E402,F401,F403
import glyphs  # noqa: E402
import pixfont  # noqa: E402
import symbols  # noqa: E402

OUT = os.path.join(HERE, '..')
FACE_W, FACE_H = L.BitmapSize(502)

# Pembrix 7 colours: orchard-green cabinet, chrome trim, apple red, cream glass.
CAB_DARK, CAB, CAB_LIGHT = BLACK, DKGREEN, MDGREEN
CHROME = (WHITE, SILVER, GREY)
GLASS = CREAM
LINE_INK = OLIVE  # the pay-line pen's colour, for the printed stubs that lead to the lamps

# Where the face's own furniture sits (the parts' places come from the game's description).
TOP_GLASS = (10, 12, 460, 112)
REEL_FRAME = (96, 146, 268, 172)
LEFT_BEZEL = (8, 127, 88, 208)
RIGHT_BEZEL = (374, 127, 98, 194)
DECK_Y = 316
SKIRT_Y = 404
TRAY = (150, 406, 180, 22)
STOP_PLATE = (138, 369, 182, 34)


# --- small helpers -------------------------------------------------------------------------
def Chrome(s, x, y, w, h, t=1):
    """A chrome rim t pixels thick, light at the top left."""
    s.rect(x, y, w, h, GREY)
    s.rect(x, y, w - t, h - t, WHITE)
    s.rect(x + t, y + t, w - 2 * t, h - 2 * t, SILVER)


def Screw(s, cx, cy):
    s.circle(cx, cy, 3, BLACK)
    s.circle(cx, cy, 2, SILVER)
    s.rect(cx - 1, cy, 3, 1, GREY)


# --- the cabinet and the top glass -----------------------------------------------------------
def Cabinet(s):
    s.rect(0, 0, FACE_W, FACE_H, BLACK)
    for i, c in enumerate([GREY, SILVER, WHITE, SILVER, GREY]):
        s.rect(i, 0, 1, FACE_H, c)
        s.rect(FACE_W - 1 - i, 0, 1, FACE_H, c)
        s.rect(0, i, FACE_W, 1, c)
    s.rect(5, 5, FACE_W - 10, FACE_H - 5, CAB)
    s.rect(5, 5, FACE_W - 10, 1, CAB_LIGHT)


def Sunburst(s, x, y, w, h):
    cx, cy = x + w // 2, y + h + 40
    import math
    n = 36
    for i in range(n):
        if i % 2:
            continue
        a0 = math.pi * (1 + i / n)
        a1 = math.pi * (1 + (i + 1) / n)
        r = 600
        s.poly([(cx, cy), (round(cx + r * math.cos(a0)), round(cy + r * math.sin(a0))),
                (round(cx + r * math.cos(a1)), round(cy + r * math.sin(a1)))], PALEYEL)


def BigApple(s, cx, cy):
    """The emblem: a red apple carrying the machine's seven."""
    s.begin('translate(%d,%d) scale(2)' % (cx - 58, cy - 34))
    s.path('M29 9 C22 4 13 5 13 14 C13 25 20 33 24 33 C26 33 28 32 29 33 C31 32 33 33 35 33 '
           'C39 33 45 25 45 14 C45 5 36 4 29 9 Z', RED, BLACK, 2)
    s.path('M18 12 C16 17 17 22 20 26', None, ROSE, 2)
    s.path('M41 15 C41 21 39 26 35 30', None, MDRED, 2)
    s.path('M29 9 Q29 4 32 1', None, OLIVE, 2)
    s.path('M31 6 Q39 -1 45 2 Q39 8 31 6 Z', MDGREEN, DKGREEN, 1)
    s.end()
    seven = [(cx - 13, cy - 12), (cx + 13, cy - 12), (cx + 13, cy - 6), (cx + 2, cy + 22),
             (cx - 8, cy + 22), (cx + 3, cy - 4), (cx - 13, cy - 4)]
    s.poly(seven, BLACK, BLACK, 4, stroke_linejoin='miter')
    s.poly(seven, CREAM)
    s.poly([(cx - 11, cy - 10), (cx + 11, cy - 10), (cx + 11, cy - 8), (cx - 11, cy - 8)], WHITE)


def MiniSymbol(s, x, y, code):
    """A reel symbol at half size for the pay table; the two lettered ones are redrawn small,
    where halving would lose their letters."""
    w, h = L.REELS['w'] // 2, L.SYMBOL_H // 2
    s.rect(x, y, w, h, symbols.PAPER)
    if code == 0:
        s.ellipse(x + w / 2, y + h / 2, w / 2 - 1, h / 2 - 2, BLACK)
        s.ellipse(x + w / 2, y + h / 2, w / 2 - 2, h / 2 - 3, RED)
        s.text(x + w // 2, y + 6, 'FEVER', WHITE, font=pixfont.FONT3, align='center')
    elif code == 1:
        s.rect(x + 2, y + 3, w - 4, h - 6, BLACK)
        s.rect(x + 3, y + 5, w - 6, h - 10, WHITE)
        s.text(x + w // 2, y + 6, 'BAR', BLACK, font=pixfont.FONT3, align='center')
    else:
        s.begin('translate(%d,%d) scale(0.5)' % (x, y))
        symbols.SYMBOLS[code](s)
        s.end()
    s.frame(x - 1, y - 1, w + 2, h + 2, BLACK)


PAY_TABLE = [(0, '15', 'BIG'), (1, '15', 'REG'), (3, '15', ''), (5, '15', ''), (7, '15', ''),
             (4, '4', ''), (2, '2', '')]


def PayTable(s, x, y, w):
    s.rect(x, y, w, 24, BLACK)
    s.rect(x, y + 1, w, 22, CAB)
    s.rect(x, y + 1, w, 1, CAB_LIGHT)
    step = w // len(PAY_TABLE)
    for i, (code, pay, note) in enumerate(PAY_TABLE):
        px = x + 4 + i * step
        MiniSymbol(s, px, y + 4, code)
        s.text(px + 33, y + 5, pay, CREAM, font=pixfont.FONT5, shadow=BLACK)
        if note:
            s.text(px + 33, y + 14, note, YELLOW, font=pixfont.FONT3)


def TopGlass(s):
    x, y, w, h = TOP_GLASS
    s.rect(x - 2, y - 2, w + 4, h + 4, BLACK, rx=6)
    s.rect(x - 1, y - 1, w + 2, h + 2, SILVER, rx=5)
    cid = s.clip_rect('topglass', x, y, w, h)
    s.begin(clip=cid)
    s.rect(x, y, w, h, GLASS)
    Sunburst(s, x, y, w, h - 28)
    # the machine's name over a red ribbon
    s.rect(x, y + 30, w, 44, MDRED)
    s.rect(x, y + 30, w, 2, RED)
    s.rect(x, y + 72, w, 2, DKRED)
    s.text(208, y + 33, 'PEMBRIX', DKRED, font=pixfont.FONT7, scale=4, align='center',
           outline=BLACK, shadow=BLACK)
    s.text(207, y + 32, 'PEMBRIX', GOLD, font=pixfont.FONT7, scale=4, align='center')
    HighlightLetters(s, 207, y + 32)
    # the family's plate above the name
    s.rect(150, y + 6, 116, 17, BLACK, rx=3)
    s.rect(151, y + 7, 114, 15, CAB, rx=2)
    s.text(208, y + 11, 'MERIDOLA No.4', CREAM, font=pixfont.FONT5, align='center', spacing=1)
    BigApple(s, 400, y + 52)
    PayTable(s, x, y + h - 24, w)
    s.end()
    for sx in (x + 6, x + w - 7):
        Screw(s, sx, y + 5)


def HighlightLetters(s, cx, y):
    """A bright top edge on each letter of the name: the upper two font rows in yellow."""
    pts, w, _ = pixfont.TextPixels('PEMBRIX', pixfont.FONT7)
    left = cx - (w * 4) // 2
    top = [(px, py) for px, py in pts if py < 2]
    s.pixels(top, YELLOW, left, y, 4)
    s.pixels([(px, py) for px, py in pts if py >= 8], OCHRE, left, y, 4)


# --- the reel frame, pay-line stubs and STOP lamps --------------------------------------------
def ReelFrame(s):
    x, y, w, h = REEL_FRAME
    s.rect(x - 2, y - 2, w + 4, h + 4, BLACK, rx=8)
    Chrome(s, x, y, w, h, 2)
    s.rect(x + 3, y + 3, w - 6, h - 6, BLACK, rx=4)
    s.rect(x + 4, y + 4, w - 8, h - 8, s.mix(BLACK, DKGREEN, 1), rx=3)
    for wx, wy, ww, wh in L.WINDOWS:
        s.rect(wx - 2, wy - 2, ww + 4, wh + 4, GREY)
        s.rect(wx - 1, wy - 1, ww + 2, wh + 2, BLACK)
        s.rect(wx, wy, ww, wh, symbols.PAPER)
    # stubs of the three straight lines from the lamps to the windows
    for x0, y0, x1, y1 in L.PAY_LINES:
        if y0 == y1:
            s.rect(L.LINE_LAMPS[0][0] + L.LINE_LAMPS[0][2], y0,
                   x0 - L.LINE_LAMPS[0][0] - L.LINE_LAMPS[0][2], 1, LINE_INK)


def StopLampShape(s, x, y, w, h, inset, colour):
    s.rect(x + inset, y + inset, w - 2 * inset, h - 2 * inset, colour, rx=max(1, h // 2 - inset))


def StopLampGlass(s, x, y, lit):
    """The STOP lamp's glass; bitmap 605 is the lit glass alone."""
    _, _, w, h = L.STOP_LAMPS[0]
    if lit:
        StopLampShape(s, x, y, w, h, 2, RED)
        StopLampShape(s, x, y, w, h, 4, ORANGE)
        s.rect(x + 12, y + 4, w - 24, 1, PEACH)
        s.text(x + w // 2 + 1, y + 7, 'STOP', MDRED, font=pixfont.FONT5, align='center', spacing=2)
        s.text(x + w // 2, y + 6, 'STOP', WHITE, font=pixfont.FONT5, align='center', spacing=2)
    else:
        StopLampShape(s, x, y, w, h, 2, DKRED)
        StopLampShape(s, x, y, w, h, 4, s.mix(DKRED, BLACK, 2))
        s.rect(x + 12, y + 4, w - 24, 1, MDRED)
        s.text(x + w // 2, y + 6, 'STOP', MDRED, font=pixfont.FONT5, align='center', spacing=2)


def StopLamp(s, r, lit):
    x, y, w, h = L.STOP_LAMPS[r]
    StopLampShape(s, x, y, w, h, 0, BLACK)
    StopLampShape(s, x, y, w, h, 1, SILVER)
    StopLampGlass(s, x, y, False)
    if lit:
        StopLampGlass(s, x, y, True)


# --- the left column: bet-line lamps and GAME OVER --------------------------------------------
LINE_NUMBERS = [3, 2, 1, 2, 3]


def LineLampGlass(s, x, y, n, lit):
    """Glass of a bet-line lamp showing the bet that opens it; bitmap 604 is the lit glass."""
    _, _, w, h = L.LINE_LAMPS[0]
    glass, rim, ink = (YELLOW, ORANGE, MDRED) if lit else (OLIVE, s.mix(OLIVE, BLACK, 2), OCHRE)
    s.rect(x + 2, y + 2, w - 4, h - 4, rim, rx=4)
    s.rect(x + 3, y + 3, w - 6, h - 6, glass, rx=3)
    s.rect(x + 6, y + 4, w - 16, 1, WHITE if lit else OCHRE)
    cx, cy = x + 14, y + h // 2
    s.circle(cx, cy, 9, ink)
    s.circle(cx, cy, 8, WHITE if lit else s.mix(OLIVE, BLACK, 2))
    s.text(cx + 1, cy - 4, str(n), ink, font=pixfont.FONT5, bold=True, align='center')
    s.text(x + 40, y + 11, 'LINE', ink, font=pixfont.FONT5, align='center')
    ax = x + w - 14
    s.poly([(ax, cy - 6), (ax + 8, cy), (ax, cy + 6)], ink)


def LineLamp(s, i, lit):
    x, y, w, h = L.LINE_LAMPS[i]
    s.rect(x, y, w, h, BLACK, rx=6)
    s.rect(x + 1, y + 1, w - 2, h - 2, GREY, rx=5)
    LineLampGlass(s, x, y, LINE_NUMBERS[i], False)
    if lit:
        LineLampGlass(s, x, y, LINE_NUMBERS[i], True)


def GameOverGlass(s, x, y, lit):
    """Glass of the GAME OVER lamp; bitmap 606 is the lit glass."""
    _, _, w, h = L.GAME_OVER
    if lit:
        s.rect(x + 2, y + 2, w - 4, h - 4, RED, rx=4)
        s.rect(x + 4, y + 4, w - 8, h - 8, ORANGE, rx=3)
        s.rect(x + 8, y + 4, w - 16, 1, PEACH)
        s.text(x + w // 2 + 1, y + 9, 'GAME OVER', MDRED, font=pixfont.FONT5, align='center')
        s.text(x + w // 2, y + 8, 'GAME OVER', WHITE, font=pixfont.FONT5, align='center')
    else:
        s.rect(x + 2, y + 2, w - 4, h - 4, DKRED, rx=4)
        s.rect(x + 4, y + 4, w - 8, h - 8, s.mix(DKRED, BLACK, 2), rx=3)
        s.rect(x + 8, y + 4, w - 16, 1, MDRED)
        s.text(x + w // 2, y + 8, 'GAME OVER', MDRED, font=pixfont.FONT5, align='center')


def GameOverLamp(s, lit):
    x, y, w, h = L.GAME_OVER
    s.rect(x, y, w, h, BLACK, rx=6)
    s.rect(x + 1, y + 1, w - 2, h - 2, GREY, rx=5)
    GameOverGlass(s, x, y, False)
    if lit:
        GameOverGlass(s, x, y, True)


def LeftBezel(s):
    x, y, w, h = LEFT_BEZEL
    s.rect(x, y, w, h, BLACK, rx=6)
    s.rect(x + 1, y + 1, w - 2, h - 2, CAB_DARK, rx=5)
    s.rect(x + 2, y + 2, w - 4, 1, GREY)
    s.text(x + w // 2, y + 2 + 1, 'BET LINE', CREAM, font=pixfont.FONT3, align='center')


# --- the right column: the lamp panel and the displays ----------------------------------------
# The three kinds of small lamp, unlit and lit: glass, highlight, and a mark printed on it.
PANEL_KINDS = {
    'frame': ((OLIVE, OCHRE), (ORANGE, YELLOW)),
    'game': ((DKGREEN, MDGREEN), (GREEN, LTGREEN)),
    'start': ((DKRED, MDRED), (RED, PINK)),
}


def PanelLamp(s, x, y, kind, lit):
    """One small lamp filling its whole cell: a black rim, the glass and its highlight."""
    w, h = L.PANEL_W, L.PANEL_H
    glass, shine = PANEL_KINDS[kind][1 if lit else 0]
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y + 1, w - 2, h - 2, glass)
    s.rect(x + 2, y + 2, 1, h - 5, shine)
    if kind == 'start':
        mark = WHITE if lit else BLACK
        s.poly([(x + 3, y + 5), (x + 7, y + 9), (x + 3, y + 13)], mark)


def PanelLamps(s, lit):
    for x, y in L.FRAME_LAMPS + L.BET_LAMPS:
        PanelLamp(s, x, y, 'frame', lit)
    for x, y in L.JAC_LAMPS + L.WAIT_LAMPS:
        PanelLamp(s, x, y, 'game', lit)
    PanelLamp(s, L.START_LAMP[0], L.START_LAMP[1], 'start', lit)


def DigitWindow(s, places):
    x0, y0 = places[0]
    w = L.DIGIT_W * len(places)
    s.rect(x0 - 3, y0 - 3, w + 6, L.DIGIT_H + 6, BLACK)
    Chrome(s, x0 - 2, y0 - 2, w + 4, L.DIGIT_H + 4)
    for x, y in places:
        s.rect(x, y, L.DIGIT_W, L.DIGIT_H, BLACK)


def RightBezel(s):
    x, y, w, h = RIGHT_BEZEL
    s.rect(x, y, w, h, BLACK, rx=6)
    s.rect(x + 1, y + 1, w - 2, h - 2, CAB_DARK, rx=5)
    s.rect(x + 2, y + 2, w - 4, 1, GREY)
    # the big-bonus mark, printed large over the panel
    s.begin('translate(%d,%d)' % (x + w // 2 - L.REELS['w'] // 2, y + 8))
    symbols.Fever(s)
    s.end()
    s.text(x + w // 2, y + 46, 'BIG BONUS', YELLOW, font=pixfont.FONT3, align='center')
    # the lamp rows and their labels
    jx0 = L.JAC_LAMPS[0][0]
    jx1 = L.JAC_LAMPS[-1][0] + L.PANEL_W
    s.text((jx0 + jx1) // 2, L.JAC_LAMPS[0][1] - 7, 'JAC GAME', CREAM, font=pixfont.FONT3, align='center')
    row = L.BET_LAMPS[0][1]
    bx0, bx1 = L.BET_LAMPS[0][0], L.BET_LAMPS[-1][0] + L.PANEL_W
    wx0, wx1 = L.WAIT_LAMPS[0][0], L.WAIT_LAMPS[-1][0] + L.PANEL_W
    s.text((bx0 + bx1) // 2, row - 7, 'BET', CREAM, font=pixfont.FONT3, align='center')
    s.text((wx0 + wx1) // 2, row - 7, 'WAIT', CREAM, font=pixfont.FONT3, align='center')
    sx = L.START_LAMP[0] + L.PANEL_W // 2
    s.poly([(sx - 2, row - 7), (sx + 2, row - 5), (sx - 2, row - 3)], CREAM)
    for places, label in ((L.CREDIT_DIGITS, 'CREDIT'), (L.PAYOUT_DIGITS, 'PAYOUT')):
        DigitWindow(s, places)
        lx = places[-1][0] + L.DIGIT_W + 5
        s.text(lx, places[0][1] + (L.DIGIT_H - 5) // 2, label, CREAM, font=pixfont.FONT3)


# --- the deck: bet button, lever, stop buttons, medal slot, tray --------------------------------
def BetButton(s, pressed):
    x, y, w, h = L.BET
    s.rect(x, y, w, h, BLACK, rx=4)
    dy = 1 if pressed else 0
    s.rect(x + 1, y + 1, w - 2, h - 2, GREY, rx=3)
    cap = GOLD if pressed else YELLOW
    s.rect(x + 2, y + 2 + dy, w - 4, h - 5, OCHRE, rx=3)
    s.rect(x + 2, y + 2 + dy, w - 4, h - 6, cap, rx=3)
    if not pressed:
        s.rect(x + 5, y + 3, w - 10, 1, PALEYEL)
    s.text(x + w // 2, y + 6 + dy, 'BET', BLACK, font=pixfont.FONT5, align='center')


def Lever(s, pulled):
    x, y, w, h = L.LEVER
    # the housing the lever turns in, at the bottom of its place
    s.rect(x + 4, y + h - 12, w - 8, 12, BLACK, rx=3)
    Chrome(s, x + 5, y + h - 11, w - 10, 10)
    s.rect(x + w // 2 - 3, y + h - 9, 6, 4, BLACK)
    cx = x + w // 2
    knob = y + (34 if pulled else 16)
    s.rect(cx - 2, knob, 5, y + h - 7 - knob, BLACK)
    s.rect(cx - 1, knob, 3, y + h - 7 - knob, SILVER)
    s.rect(cx - 1, knob, 1, y + h - 7 - knob, WHITE)
    r = 8 if pulled else 10
    s.circle(cx, knob, r + 1, BLACK)
    s.circle(cx, knob, r, RED)
    s.circle(cx + 1, knob + 1, r - 3, MDRED)
    s.circle(cx - 1, knob - 1, r - 4, RED)
    s.rect(cx - r // 2, knob - r // 2 - 1, 3, 2, WHITE)


def StopButton(s, r, pressed):
    x, y, w, h = L.STOPS[r]
    cx, cy = x + w // 2, y + h // 2
    s.circle(cx, cy, 13, BLACK)
    s.circle(cx, cy, 12, SILVER)
    s.path('M%d %d A12 12 0 0 1 %d %d' % (cx - 11, cy + 4, cx + 4, cy - 11), None, WHITE, 1)
    s.circle(cx, cy, 10, BLACK)
    if pressed:
        s.circle(cx, cy + 1, 9, MDRED)
        s.circle(cx, cy + 1, 7, DKRED)
        s.rect(cx - 4, cy - 3, 3, 2, ROSE)
    else:
        s.circle(cx, cy, 9, RED)
        s.circle(cx + 1, cy + 1, 7, MDRED)
        s.circle(cx - 1, cy - 1, 6, RED)
        s.rect(cx - 5, cy - 5, 3, 2, WHITE)


def MedalSlot(s):
    x, y, w, h = L.MEDAL_SLOT
    s.rect(x, y, w, h, BLACK, rx=5)
    Chrome(s, x + 1, y + 1, w - 2, h - 2, 2)
    s.rect(x + 4, y + 4, w - 8, h - 8, GREY, rx=3)
    s.rect(x + 5, y + 5, w - 10, h - 10, SILVER, rx=2)
    s.text(x + 30, y + 8, 'MEDAL', BLACK, font=pixfont.FONT5, align='center')
    s.text(x + 30, y + 18, 'IN', BLACK, font=pixfont.FONT5, align='center')
    s.poly([(x + 48, y + 13), (x + 56, y + 17), (x + 48, y + 21)], RED)
    sx = x + 66
    s.rect(sx, y + 6, 14, h - 12, BLACK, rx=3)
    s.rect(sx + 5, y + 9, 4, h - 18, GREY)
    s.rect(sx + 6, y + 9, 2, h - 18, BLACK)


def Speaker(s, cx, cy):
    s.circle(cx, cy, 17, BLACK)
    s.circle(cx, cy, 16, GREY)
    s.circle(cx, cy, 14, BLACK)
    for dy in range(-12, 13, 4):
        for dx in range(-12, 13, 4):
            if dx * dx + dy * dy <= 130:
                s.rect(cx + dx - 1, cy + dy - 1, 2, 2, s.mix(BLACK, DKGREEN, 2))


def Instructions(s):
    """The printed plate between the bet button and the medal slot: how a game goes."""
    x, y, w, h = 156, 332, 166, 28
    s.rect(x, y, w, h, BLACK, rx=4)
    s.rect(x + 1, y + 1, w - 2, h - 2, CREAM, rx=3)
    steps = [('1', 'BET'), ('2', 'START'), ('3', 'STOP')]
    widths = [14 + 3 + Svg.text_width(label) for _, label in steps]
    gap = (w - 12 - sum(widths)) // 2
    cx = x + 6
    for i, (n, label) in enumerate(steps):
        s.circle(cx + 7, y + 14, 7, RED)
        s.text(cx + 8, y + 12, n, WHITE, font=pixfont.FONT3, align='center')
        s.text(cx + 17, y + 11, label, DKGREEN, font=pixfont.FONT5)
        cx += widths[i] + gap
        if i < 2:
            ax = cx - gap // 2 - 2
            s.poly([(ax, y + 10), (ax + 4, y + 14), (ax, y + 18)], MDRED)


def Deck(s):
    """The deck under the reels: green down to the skirt, a chrome plate under the stop buttons
    (even in its pattern, so that the three buttons sit on the same pixels), the skirt with its
    speaker grilles and the medal tray."""
    s.rect(5, DECK_Y, FACE_W - 10, SKIRT_Y - DECK_Y, CAB)
    s.rect(5, DECK_Y, FACE_W - 10, 1, CAB_LIGHT)
    x, y, w, h = STOP_PLATE
    s.rect(x, y, w, h, BLACK, rx=4)
    Chrome(s, x + 1, y + 1, w - 2, h - 2)
    s.rect(x + 3, y + 3, w - 6, h - 6, GREY, rx=2)
    Instructions(s)
    for cx in (34, FACE_W - 38):
        Speaker(s, cx, 378)
    s.text(L.LEVER[0] + L.LEVER[2] // 2, L.LEVER[1] - 8, 'START', CREAM, font=pixfont.FONT3,
           align='center')
    s.rect(5, SKIRT_Y - 2, FACE_W - 10, 2, BLACK)
    s.rect(5, SKIRT_Y, FACE_W - 10, FACE_H - SKIRT_Y, s.mix(BLACK, DKGREEN, 2))
    s.rect(5, SKIRT_Y, FACE_W - 10, 1, DKRED)
    for gx in (112, 352):
        for j in range(4):
            for i in range(4 if gx < 150 else 13):
                s.rect(gx + 8 * i + (4 if j % 2 else 0), SKIRT_Y + 7 + 5 * j, 3, 2, BLACK)
    x, y, w, h = TRAY
    s.rect(x, y, w, h, BLACK, rx=6)
    Chrome(s, x + 1, y + 1, w - 2, h - 2, 2)
    s.rect(x + 5, y + 5, w - 10, h - 8, BLACK, rx=3)
    for i, mx in enumerate(range(x + 12, x + 80, 9)):
        my = y + 12 + (i % 2)
        s.ellipse(mx, my, 4, 2, SILVER, GREY, 1)
    s.text(x + w - 30, y + 9, 'PEMBRIX 7', DKGREEN, font=pixfont.FONT3, align='center')


# --- the whole face ---------------------------------------------------------------------------
def DrawFace(s, lit=()):
    """The face as printed, with the looks named in lit shown lit, pressed or pulled:
    'lever', 'bet', 'stop0'..'stop2', 'line0'..'line4', 'lamp0'..'lamp2', 'gameover', 'panel'."""
    Cabinet(s)
    TopGlass(s)
    Deck(s)
    LeftBezel(s)
    RightBezel(s)
    ReelFrame(s)
    for i in range(5):
        LineLamp(s, i, 'line%d' % i in lit)
    GameOverLamp(s, 'gameover' in lit)
    for r in range(3):
        StopLamp(s, r, 'lamp%d' % r in lit)
    PanelLamps(s, 'panel' in lit)
    MedalSlot(s)
    BetButton(s, 'bet' in lit)
    Lever(s, 'lever' in lit)
    for r in range(3):
        StopButton(s, r, 'stop%d' % r in lit)


def FaceCrop(x, y, w, h, lit):
    """The face drawn with lit looks, cut to one rectangle (a look of a strip)."""
    s = Svg(w, h)
    s.begin('translate(%d,%d)' % (-x, -y))
    DrawFace(s, lit)
    s.end()
    return s


def OnKey(w, h):
    return Svg(w, h, KEY)


# --- the 600-series pictures ------------------------------------------------------------------
def Build601to603():
    x, y, w, h = L.LEVER
    FaceCrop(x, y, w, h, ('lever',)).save(os.path.join(OUT, '601.svg'),
                                          'the Pembrix 7 start lever pulled down')
    x, y, w, h = L.STOPS[0]
    FaceCrop(x, y, w, h, ('stop0',)).save(os.path.join(OUT, '602.svg'),
                                          'a Pembrix 7 stop button pressed')
    x, y, w, h = L.BET
    FaceCrop(x, y, w, h, ('bet',)).save(os.path.join(OUT, '603.svg'),
                                        'the Pembrix 7 bet button pressed')


def Build604():
    _, _, w, h = L.LINE_LAMPS[0]
    s = OnKey(*L.BitmapSize(604))
    for n in (1, 2, 3):
        LineLampGlass(s, 0, h * (n - 1), n, True)
    s.save(os.path.join(OUT, '604.svg'),
           'lit glass of the Pembrix 7 bet-line lamps for the bets 1, 2 and 3, on the key colour')


def Build605():
    s = OnKey(*L.BitmapSize(605))
    StopLampGlass(s, 0, 0, True)
    s.save(os.path.join(OUT, '605.svg'), 'lit glass of a Pembrix 7 STOP lamp, on the key colour')


def Build606():
    s = OnKey(*L.BitmapSize(606))
    GameOverGlass(s, 0, 0, True)
    s.save(os.path.join(OUT, '606.svg'), 'lit glass of the Pembrix 7 GAME OVER lamp, on the key colour')


def Build607():
    s = Svg(*L.BitmapSize(607))
    for i, kind in enumerate(('frame', 'game', 'start')):
        PanelLamp(s, 0, L.PANEL_H * i, kind, True)
    s.save(os.path.join(OUT, '607.svg'),
           'the lamp panel\'s three kinds of small lamp lit: frame and bet, JAC game and wait, start')


# Digits: glyphs 0-9 in the payout's red, 10-19 in the credit's green, 20 blank.
DIGIT_COLOURS = [(RED, ROSE), (GREEN, LTGREEN)]


def DigitCell(s, x, y, glyph):
    seg = glyphs.Segments(3, 12, 2, 11, 21, 2)
    s.rect(x, y, L.DIGIT_W, L.DIGIT_H, BLACK)
    if glyph >= 20:
        return
    on, hot = DIGIT_COLOURS[glyph // 10]
    lit = glyphs.DIGIT_SEGS[glyph % 10]
    s.pixels([p for k in lit for p in seg[k]], on, x, y)
    # the hot first row of each lit segment
    s.pixels([seg[k][0] for k in lit], hot, x, y)


def Build608():
    w, h = L.BitmapSize(608)
    s = Svg(w, h, BLACK)
    for g in range(h // L.DIGIT_H):
        DigitCell(s, 0, L.DIGIT_H * g, g)
    s.save(os.path.join(OUT, '608.svg'),
           'the Pembrix 7 display digits: 0-9 in red for the payout, 0-9 in green for the credit, '
           'then a blank')


def Build():
    s = Svg(FACE_W, FACE_H)
    DrawFace(s)
    s.save(os.path.join(OUT, '502.svg'),
           'the Pembrix 7 machine face with empty reel windows, every lamp and display unlit')
    Build601to603()
    Build604()
    Build605()
    Build606()
    Build607()
    Build608()


if __name__ == '__main__':
    Build()
