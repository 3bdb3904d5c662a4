# Machine face of the Quessida (bitmap 502) and the lit, pressed and pulled looks cut from
# the same drawing (601-608), so that every look matches the face pixel for pixel; 609 digits.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
from layout import *  # noqa: E402,F401,F403
from lamps import *  # noqa: E402,F401,F403
from controls import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import scenery  # noqa: E402


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
    scenery.Marquee(s)
    StepFret(s, 8, PANEL_TOP - 12, 464, BLACK, TURQ)
    s.rect(8, PANEL_TOP - 13, 464, 1, TURQ_DARK)
    s.rect(8, PANEL_TOP - 4, 464, 1, TURQ_DARK)
    s.rect(0, PANEL_TOP - 3, 480, 3, BLACK)


def ReelPanel(s):
    y0, y1 = PANEL_TOP, DECK_TOP
    s.rect(8, y0, 464, y1 - y0, JADE_DEEP)
    # lamp columns: black stone recesses rimmed with turquoise around the lamps
    left = (LINE_LAMPS[0][0] - 7, LINE_LAMPS[0][1] - 6, LINE_W + 14, LINE_LAMPS[-1][1] + LINE_H - LINE_LAMPS[0][1] + 10)
    top = BIG_LAMP[1] - 9
    right = (BONUS_LAMPS[0][0] - 7, top, BONUS_W + 11, BONUS_LAMPS[-1][1] + BONUS_H + 5 - top)
    for x, y, w, h in (left, right):
        s.rect(x, y, w, h, BLACK, rx=3)
        s.rect(x + 1, y + 1, w - 2, h - 2, TURQ_DARK, rx=3)
        s.rect(x + 2, y + 2, w - 4, h - 4, BLACK, rx=2)
    ReelBezel(s)
    # pay-line stubs from the lamps to where their lines start on the glass (each line is
    # drawn as several one-pixel segments, the lamps in the lines' order)
    for (lx, ly), to in zip(LINE_LAMPS, DESC.LineStarts()):
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
    # turquoise studs set into the ledge
    for x in range(24, 472, 32):
        cy = (y0 + 10 + DECK_FRONT - 2) // 2
        s.bitmap(x - 3, cy - 3, ['..K..', '.KTK.', 'KTWTK', '.KTK.', '..K..'], {'K': BLACK, 'T': TURQ, 'W': TURQ_PALE})
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
