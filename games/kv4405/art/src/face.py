# Machine face of the Sulvano (bitmap 502) and the looks cut from the same drawing: the pulled
# lever, pressed buttons, lit lamp dots and the lit top picture (601-605), and its LED digits
# (606). Every place comes from the game's description (games/kv4405/game.json).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402
import pixfont  # noqa: E402
import strokefont  # noqa: E402

OUT = os.path.join(HERE, '..')
GAME = gamedesc.Load(5)


def RulePlaces(rule):
    """Places of the part drawn by a look rule (several parts share the dot strip)."""
    for p in GAME.data['parts']:
        if p.get('look') == rule:
            return [(a[0], a[1]) for a in p['at']]
    raise KeyError(rule)


# Where the game samples and paints the face.
REEL_X, REEL_Y = GAME.reels['x'], GAME.reels['y']
REEL_W, REEL_H, REEL_STEP = GAME.reels['w'], GAME.reels['h'], GAME.reels['step']
DOT = GAME.LookSize('DotLooks')[0]
STOP_DOTS = RulePlaces('No5StopDotLook')
LINE_DOTS = RulePlaces('No5LineDotLook')
MEDAL_DOT = RulePlaces('No5MedalInDotLook')[0]
START_DOT = RulePlaces('No5StartDotLook')[0]
STAGE_DOTS = RulePlaces('No5StageDotLook')
GAME_DOTS = RulePlaces('No5BonusGameDotLook')
DOT_PLACES = STOP_DOTS + LINE_DOTS + [MEDAL_DOT, START_DOT] + STAGE_DOTS + GAME_DOTS
TOP_W, TOP_H = GAME.LookSize('TopPictureLooks')
DIGIT_W, DIGIT_H = GAME.LookSize('DisplayDigits')
CREDIT_AT, PAYOUT_AT = RulePlaces('No5DigitGlyph')[0], RulePlaces('No5DigitGlyph')[2]
LEVER = GAME.Control('lever')
BET_BTN = GAME.Control('bet')
MEDAL_SLOT = GAME.Control('medalIn')
STOP_BTNS = [GAME.Control('stop%d' % r) for r in range(3)]
# The medals that open each bet line, top to bottom, and the colour it lights in.
LINE_BETS = [3, 2, 1, 2, 3]

# Sulvano colours: a lava-red cabinet with chrome, black glass panels and gold print.
CAB_DARK, CAB, CAB_LIGHT = DKRED, MDRED, RED
GLASS = BLACK
PRINT, PRINT_DIM = GOLD, OCHRE
RAIL = BLACK  # behind the stop buttons: plain, so the three buttons look alike
# Lit dot colours (looks 1, 2 and 3 of the dot strip): glass, rim of light, shine.
DOT_COLOURS = [(RED, MDRED, PINK), (YELLOW, GOLD, CREAM), (GREEN, MDGREEN, LTGREEN)]
BET_COLOURS = {1: RED, 2: YELLOW, 3: GREEN}


# --- lamp dots --------------------------------------------------------------------------------
def DotPixels():
    """The dot's pixels by part: 'rim' (chrome bezel), 'glass', 'shine', 'shade'; the rest of
    the square is black, so a dot looks the same wherever it is printed."""
    parts = {'rim': [], 'glass': [], 'shine': [], 'shade': []}
    c = (DOT - 1) / 2.0
    for y in range(DOT):
        for x in range(DOT):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            if d > c + 0.4:
                continue
            if d > c - 0.9:
                parts['rim'].append((x, y))
            elif (x, y) in ((3, 2), (2, 3), (3, 3)):
                parts['shine'].append((x, y))
            elif d > c - 2.2 and x + y > DOT:
                parts['shade'].append((x, y))
            else:
                parts['glass'].append((x, y))
    return parts


def Dot(s, x, y, colour=None):
    """A lamp dot: printed unlit (colour None) or lit with one of DOT_COLOURS."""
    p = DotPixels()
    s.rect(x, y, DOT, DOT, BLACK)
    s.pixels(p['rim'], GREY, x, y)
    if colour is None:  # a dark lens with a glint
        s.pixels(p['shine'], GREY, x, y)
    else:
        glass, shade, shine = colour
        s.pixels(p['glass'], glass, x, y)
        s.pixels(p['shade'], shade, x, y)
        s.pixels(p['shine'], WHITE, x, y)
        s.pixels([(4, 2), (2, 4)], shine, x, y)


# --- LED digits (606) ------------------------------------------------------------------------
SEGS = {
    'a': [(x, y) for y in (2, 3) for x in range(5, 12)],
    'd': [(x, y) for y in (20, 21) for x in range(5, 12)],
    'g': [(x, y) for y in (11, 12) for x in range(5, 12)],
    'f': [(x, y) for x in (3, 4) for y in range(4, 11)],
    'b': [(x, y) for x in (12, 13) for y in range(4, 11)],
    'e': [(x, y) for x in (3, 4) for y in range(13, 20)],
    'c': [(x, y) for x in (12, 13) for y in range(13, 20)],
}
DIGIT_SEGS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg', '']
LED_ON, LED_HOT = GREEN, LTGREEN


def Led(s, x, y, glyph):
    """One 16 x 24 LED cell: glyphs 0-9 and 10, the blank (every segment dark)."""
    s.rect(x, y, DIGIT_W, DIGIT_H, BLACK)
    on = DIGIT_SEGS[glyph]
    # dark segments glow faintly: every other pixel, counted in the cell so that every cell
    # matches the glyph strip wherever it is printed
    s.pixels([p for k in 'abcdefg' if k not in on for p in SEGS[k] if (p[0] + p[1]) % 2 == 0], DKGREEN, x, y)
    s.pixels([p for k in on for p in SEGS[k]], LED_ON, x, y)
    # a hot middle in each lit segment
    hot = []
    for k in on:
        xs = sorted({px for px, _ in SEGS[k]})
        ys = sorted({py for _, py in SEGS[k]})
        if len(ys) == 2:
            hot += [(px, ys[0]) for px in xs[1:-1]]
        else:
            hot += [(xs[0], py) for py in ys[1:-1]]
    s.pixels(hot, LED_HOT, x, y)


# --- the top picture ---------------------------------------------------------------------------
def Bulb(s, cx, cy, lit):
    s.circle(cx, cy, 3.5, BLACK)
    if lit:
        s.circle(cx, cy, 2.5, YELLOW)
        s.rect(cx - 1, cy - 1, 2, 2, WHITE)
    else:
        s.circle(cx, cy, 2.5, OCHRE)
        s.rect(cx - 1, cy - 1, 1, 1, PALEYEL)


def Volcano(s, lit):
    # the cone, its crater and the lava running down
    s.poly([(286, 118), (350, 52), (372, 50), (392, 53), (456, 118)], BLACK)
    s.poly([(290, 118), (351, 55), (371, 53), (390, 56), (452, 118)], PURPLE if lit else s.mix(PURPLE, BLACK, 2))
    s.poly([(371, 53), (390, 56), (452, 118), (410, 118)], s.mix(PURPLE, BLACK, 2) if lit else BLACK)
    s.poly([(351, 55), (357, 51), (371, 50), (385, 52), (390, 56), (371, 58)], BLACK)
    lava, glow = (YELLOW, ORANGE) if lit else (MDRED, DKRED)
    s.path('M362 56 Q356 76 338 92 Q330 102 322 118 L332 118 Q338 104 346 96 Q362 80 368 57 Z', glow)
    s.path('M364 57 Q358 78 343 93 Q336 102 328 118 L330 118 Q340 102 348 94 Q362 78 366 57 Z', lava)
    s.path('M378 57 Q384 74 398 88 Q410 100 414 118 L422 118 Q416 98 404 86 Q388 72 382 56 Z', glow)
    s.path('M379 57 Q386 76 400 89 Q411 101 416 118 L418 118 Q412 99 402 87 Q388 73 381 57 Z', lava)
    if lit:
        # the eruption: a fountain of fire and flying sparks
        s.path('M356 52 Q350 30 362 18 Q366 34 371 22 Q376 34 382 16 Q394 30 386 52 Z', ORANGE)
        s.path('M362 52 Q358 36 366 28 Q369 38 372 30 Q376 38 380 28 Q386 40 380 52 Z', YELLOW)
        s.path('M367 52 Q366 42 371 38 Q376 42 375 52 Z', CREAM)
        for sx, sy in ((340, 26), (398, 22), (332, 42), (408, 40), (352, 12), (392, 8), (374, 6)):
            s.rect(sx, sy, 2, 2, YELLOW)
            s.rect(sx, sy, 1, 1, WHITE)
    else:
        # a lazy plume of smoke
        for cx, cy, r in ((370, 46, 5), (376, 37, 7), (386, 27, 8), (398, 20, 6), (407, 16, 4)):
            s.circle(cx, cy, r + 1, BLACK)
        for cx, cy, r in ((370, 46, 5), (376, 37, 7), (386, 27, 8), (398, 20, 6), (407, 16, 4)):
            s.circle(cx, cy, r, GREY)
            s.circle(cx - 1, cy - 2, r - 2, SILVER)


def Palm(s, x, base, lit):
    trunk = OCHRE if lit else OLIVE
    s.path('M%d %d Q%d %d %d %d' % (x, base, x - 6, base - 30, x + 4, base - 58), None, BLACK, 6)
    s.path('M%d %d Q%d %d %d %d' % (x, base, x - 6, base - 30, x + 4, base - 58), None, trunk, 4)
    leaf, dark = (GREEN, MDGREEN) if lit else (MDGREEN, DKGREEN)
    top = (x + 4, base - 58)
    for dx, dy in ((-30, 10), (-24, -8), (-6, -16), (16, -12), (30, 6), (26, 16)):
        tip = (top[0] + dx, top[1] + dy)
        mid = (top[0] + dx // 2, top[1] + dy // 2 - 8)
        s.path('M%d %d Q%d %d %d %d' % (top[0], top[1], mid[0], mid[1], tip[0], tip[1]), None, BLACK, 5)
        s.path('M%d %d Q%d %d %d %d' % (top[0], top[1], mid[0], mid[1], tip[0], tip[1]), None, dark, 3)
        s.path('M%d %d Q%d %d %d %d' % (top[0], top[1] - 1, mid[0], mid[1] - 1, tip[0], tip[1] - 1), None, leaf, 1)
    s.circle(top[0] - 2, top[1] + 3, 2.5, BLACK)
    s.circle(top[0] + 3, top[1] + 4, 2.5, BLACK)


def DrawTop(s, lit):
    """Rows 0 .. TOP_H - 1: the marquee with its bulbs and the volcano island scene."""
    s.rect(0, 0, 480, TOP_H, CAB_DARK)
    s.rect(0, 0, 480, 2, SILVER)
    s.rect(0, 0, 480, 1, WHITE)
    s.rect(0, 2, 480, 1, GREY)
    # the marquee box and its bulbs
    s.rect(8, 5, 464, TOP_H - 8, BLACK, rx=6)
    s.rect(9, 6, 462, TOP_H - 10, CAB, rx=5)
    s.rect(10, 7, 460, 1, CAB_LIGHT)
    for i in range(29):
        Bulb(s, 16 + 16 * i, 11, lit)
        Bulb(s, 16 + 16 * i, TOP_H - 9, lit)
    for j in range(1, 7):
        Bulb(s, 16, 11 + 16 * j + 2, lit)
        Bulb(s, 464, 11 + 16 * j + 2, lit)
    # the scene window: the island at night, or the volcano erupting into a sky of fire
    wx, wy, ww, wh = 24, 18, 432, TOP_H - 36
    s.rect(wx - 2, wy - 2, ww + 4, wh + 4, BLACK)
    s.rect(wx - 1, wy - 1, ww + 2, wh + 2, PRINT_DIM)
    cid = s.clip_rect('topwin%d' % lit, wx, wy, ww, wh)
    s.begin(clip=cid)
    horizon = 90
    if lit:
        s.vbands(wx, wy, ww, horizon - wy, [MDRED, RED, ORANGE, GOLD])
    else:
        s.vbands(wx, wy, ww, horizon - wy, [BLACK, NAVY, PURPLE])
        for i, (sx, sy) in enumerate(((40, 26), (74, 44), (118, 22), (160, 52), (204, 24), (246, 40),
                                      (280, 22), (318, 50), (404, 58), (446, 46), (30, 60), (232, 62))):
            s.rect(sx, sy, 1, 1, WHITE if i % 3 else PALEYEL)
        s.path('M427.27 21.02 A11 11 0 1 0 438.66 34.7 A9 9 0 0 1 427.27 21.02 Z', PALEYEL)
    s.rect(wx, horizon, ww, wh - (horizon - wy), MDBLUE if lit else NAVY)
    glint = ORANGE if lit else MDBLUE
    for i, (y, dash) in enumerate(((horizon + 3, 9), (horizon + 8, 13), (horizon + 13, 7), (horizon + 18, 11))):
        for x in range(wx + (i * 17) % 40, wx + ww, 40):
            s.rect(x, y, dash, 1, glint)
    if not lit:  # the moon on the water
        for i, y in enumerate(range(horizon + 2, horizon + 24, 4)):
            s.rect(422 + i, y, 10 - 2 * i, 1, PALEYEL)
    Volcano(s, lit)
    # the island's beach and its palms
    s.path('M24 118 Q40 104 90 106 Q150 108 196 118 Z', GOLD if lit else OLIVE)
    s.path('M24 118 Q44 110 90 111 Q150 113 196 118 Z', OCHRE if lit else s.mix(OLIVE, BLACK, 2))
    Palm(s, 54, 112, lit)
    Palm(s, 166, 114, lit)
    s.end()
    # the name of the machine
    if lit:
        layers = [(BLACK, 14, 1, 3), (MDRED, 11, 0, 1), (ORANGE, 9, 0, 0), (YELLOW, 5.5, 0, 0),
                  (WHITE, 1.8, -1, -1)]
    else:
        layers = [(BLACK, 14, 1, 3), (DKRED, 11, 0, 1), (MDRED, 9, 0, 0), (GOLD, 5.5, 0, 0),
                  (PALEYEL, 1.8, -1, -1)]
    strokefont.Draw(s, 200, 28, 'SULVANO', 46, layers, align='center', skew=14, tracking=7)
    # the family plate under it
    s.rect(146, 86, 108, 15, BLACK, rx=3)
    s.rect(147, 87, 106, 13, SILVER if lit else GREY, rx=2)
    s.rect(148, 88, 104, 11, BLACK, rx=2)
    s.text(200, 90, 'MERIDOLA No.5', YELLOW if lit else PRINT, align='center', spacing=1)


# --- the bonus panel under the top picture -----------------------------------------------------
def BonusPanel(s):
    y0 = TOP_H
    s.rect(0, y0, 480, 33, CAB_DARK)
    s.rect(8, y0 + 1, 464, 31, BLACK, rx=4)
    s.rect(9, y0 + 2, 462, 29, s.mix(BLACK, NAVY, 1), rx=3)
    s.rect(10, y0 + 2, 460, 1, GREY)
    gy = GAME_DOTS[0][1]
    s.text(52, gy - 4, 'BONUS', PRINT, align='center', spacing=1)
    s.text(52, gy + 5, 'GAME', PRINT, align='center', spacing=1)
    # the twelve games in four spins of three
    for j, (x, y) in enumerate(GAME_DOTS):
        s.text(x + DOT // 2, y + DOT + 3, str(j + 1), SILVER if j % 3 == 0 else GREY, font=pixfont.FONT3,
               align='center')
    for k in range(1, 4):
        left = GAME_DOTS[3 * k - 1][0] + DOT
        right = GAME_DOTS[3 * k][0]
        sx = (left + right) // 2
        s.rect(sx, y0 + 5, 1, 24, PRINT_DIM)
    s.rect(GAME_DOTS[0][0] - 6, y0 + 5, 1, 24, PRINT_DIM)
    end = GAME_DOTS[-1][0] + DOT + 6
    s.rect(end, y0 + 5, 1, 24, PRINT_DIM)
    # the JAC stages of a big bonus
    sx = STAGE_DOTS[0][0]
    s.text((end + sx) // 2, gy - 4, 'JAC', PRINT, align='center', spacing=1)
    s.text((end + sx) // 2, gy + 5, 'IN', PRINT, align='center', spacing=1)
    for i, (x, y) in enumerate(STAGE_DOTS):
        s.text(x + DOT // 2, y + DOT + 3, str(i + 1), SILVER, font=pixfont.FONT3, align='center')
    s.rect(STAGE_DOTS[-1][0] + DOT + 6, y0 + 5, 1, 24, PRINT_DIM)
    for x, y in GAME_DOTS + STAGE_DOTS:
        Dot(s, x, y)


# --- the reels and the bet lines ---------------------------------------------------------------
PAY_TABLE = [  # (symbols as mini pictures, count shown, medals)
    (['seven'] * 3, '15'), (['bar'] * 3, '15'), (['jac'] * 3, '15'),
    (['plum'] * 3, '8'), (['bell'] * 3, '8'), (['orange'] * 3, '8'),
    (['melon'] * 3, '6'), (['cherry', 'cherry'], '6'), (['cherry'], '2'),
]


def Mini(s, x, y, kind):
    """Pay-table pictures of the symbols, 9 x 9."""
    if kind == 'seven':
        s.poly([(x + 1, y + 1), (x + 8, y + 1), (x + 8, y + 3), (x + 5, y + 9), (x + 2, y + 9), (x + 5, y + 3),
                (x + 1, y + 3)], RED)
    elif kind == 'bar':
        s.rect(x, y + 2, 9, 6, WHITE)
        s.rect(x + 1, y + 3, 7, 4, RED)
        s.rect(x + 2, y + 4, 5, 2, WHITE)
    elif kind == 'jac':
        s.rect(x, y + 1, 9, 8, BLUE)
        s.text(x + 5, y + 3, 'J', WHITE, font=pixfont.FONT3, align='center')
    elif kind == 'plum':
        s.circle(x + 4.5, y + 5, 4, VIOLET)
        s.rect(x + 5, y, 2, 2, MDGREEN)
    elif kind == 'bell':
        s.path('M%d %d Q%d %d %d %d Q%d %d %d %d Z' % (x, y + 8, x + 1, y, x + 4.5, y + 1, x + 8, y, x + 9, y + 8),
               GOLD)
        s.rect(x + 4, y + 8, 2, 1, OCHRE)
    elif kind == 'orange':
        s.circle(x + 4.5, y + 5, 4, ORANGE)
        s.rect(x + 4, y, 3, 2, MDGREEN)
    elif kind == 'melon':
        s.path('M%d %d h9 a4.5 4.5 0 0 1 -9 0 z' % (x, y + 3), GREEN)
        s.path('M%d %d h7 a3.5 3.5 0 0 1 -7 0 z' % (x + 1, y + 3), RED)
    elif kind == 'cherry':
        s.circle(x + 2.5, y + 6, 2.5, RED)
        s.circle(x + 6.5, y + 6, 2.5, RED)
        s.rect(x + 4, y + 1, 1, 3, MDGREEN)


def PayTable(s, x, y, w, h):
    s.rect(x, y, w, h, BLACK, rx=4)
    s.rect(x + 1, y + 1, w - 2, h - 2, PRINT_DIM, rx=3)
    s.rect(x + 2, y + 2, w - 4, h - 4, BLACK, rx=2)
    s.text(x + w // 2, y + 5, 'PAYOUT', PRINT, align='center', spacing=1)
    s.rect(x + 6, y + 14, w - 12, 1, PRINT_DIM)
    for i, (kinds, medals) in enumerate(PAY_TABLE):
        ry = y + 18 + 12 * i
        for k, kind in enumerate(kinds):
            Mini(s, x + 8 + 12 * k, ry, kind)
        s.text(x + w - 8, ry + 1, medals, WHITE, align='right', spacing=1)
        for dx in range(x + 46, x + w - 24, 3):
            s.rect(dx, ry + 7, 1, 1, GREY)


def ReelPanel(s):
    y0, y1 = TOP_H + 33, 308
    s.vbands(0, y0, 480, y1 - y0, [CAB_DARK, CAB, CAB_DARK])
    s.rect(0, y0, 480, 1, BLACK)
    # the bet-line column
    s.rect(12, y0 + 3, 70, y1 - y0 - 6, BLACK, rx=5)
    s.rect(13, y0 + 4, 68, y1 - y0 - 8, s.mix(BLACK, NAVY, 1), rx=4)
    for ch_i, ch in enumerate('LINE'):
        s.text(25, y0 + 40 + 14 * ch_i, ch, PRINT_DIM, font=pixfont.FONT7, align='center')
    # the glass around the reels, where the pay lines run
    gx0, gx1 = 84, 352
    gy0, gy1 = y0 + 3, y1 - 3
    s.rect(gx0 - 2, gy0 - 1, gx1 - gx0 + 4, gy1 - gy0 + 2, BLACK, rx=6)
    s.rect(gx0 - 1, gy0, gx1 - gx0 + 2, gy1 - gy0, SILVER, rx=5)
    s.rect(gx0, gy0 + 1, gx1 - gx0, gy1 - gy0 - 2, WHITE, rx=5)
    s.rect(gx0 + 1, gy0 + 2, gx1 - gx0 - 2, gy1 - gy0 - 3, GREY, rx=4)
    s.rect(gx0 + 3, gy0 + 4, gx1 - gx0 - 6, gy1 - gy0 - 7, GLASS, rx=3)
    for r in range(3):
        x = REEL_X + REEL_STEP * r
        s.rect(x - 2, REEL_Y - 2, REEL_W + 4, REEL_H + 4, GREY)
        s.rect(x - 1, REEL_Y - 1, REEL_W + 2, REEL_H + 2, BLACK)
        s.rect(x, REEL_Y, REEL_W, REEL_H, WHITE)
    # what each bet opens, printed on the glass
    s.text(218, y0 + 6, '1 BET 1 LINE  2 BET 3 LINES  3 BET 5 LINES', PRINT_DIM, font=pixfont.FONT3,
           align='center')
    # the bet-line dots, their numbers and a printed stub of each line up to the glass
    ends = [(line[0], line[1]) for line in GAME.pay_lines]  # where each line starts, left
    for i, (x, y) in enumerate(LINE_DOTS):
        cy = y + DOT // 2
        s.text(x - 9, cy - 3, str(LINE_BETS[i]), BET_COLOURS[LINE_BETS[i]], align='center')
        ex, ey = ends[i]
        s.line(x + DOT, cy, ex, ey, OLIVE, 1, shape_rendering='crispEdges')
        Dot(s, x, y)
    PayTable(s, 358, y0 + 3, 112, y1 - y0 - 6)


# --- displays and the dots of the game ---------------------------------------------------------
def DisplayBox(s, x, y, label):
    bx, by, bw, bh = x - 6, y - 6, 2 * DIGIT_W + 12, DIGIT_H + 20
    s.rect(bx, by, bw, bh, BLACK, rx=3)
    s.rect(bx + 1, by + 1, bw - 2, bh - 2, GREY, rx=3)
    s.rect(bx + 2, by + 2, bw - 4, bh - 4, BLACK, rx=2)
    for i in range(2):
        Led(s, x + DIGIT_W * i, y, 10)
    s.text(x + DIGIT_W, y + DIGIT_H + 3, label, PRINT, font=pixfont.FONT3, align='center')


def DisplayBand(s):
    y0, y1 = 308, 356
    s.rect(0, y0, 480, y1 - y0, CAB_DARK)
    s.rect(0, y0, 480, 1, CAB_LIGHT)
    s.rect(8, y0 + 3, 464, y1 - y0 - 6, s.mix(CAB_DARK, BLACK, 2), rx=4)
    DisplayBox(s, PAYOUT_AT[0], PAYOUT_AT[1], 'WIN')
    DisplayBox(s, CREDIT_AT[0], CREDIT_AT[1], 'CREDIT')
    for x, y in [START_DOT] + STOP_DOTS + [MEDAL_DOT]:
        s.rect(x - 2, y - 2, DOT + 4, DOT + 4, BLACK, rx=2)
    s.text(START_DOT[0] + DOT // 2, START_DOT[1] - 8, 'START', PRINT, font=pixfont.FONT3, align='center')
    for x, y in STOP_DOTS:
        s.text(x + DOT // 2, y - 8, 'STOP', PRINT, font=pixfont.FONT3, align='center')
    mx, my = MEDAL_DOT
    s.text(mx - 4, my + 3, 'MEDAL IN', PRINT, font=pixfont.FONT3, align='right')
    for x, y in [START_DOT] + STOP_DOTS + [MEDAL_DOT]:
        Dot(s, x, y)


# --- the deck and its controls -------------------------------------------------------------------
def Lever(s, pulled):
    """A chrome stick with a black rubber grip and a red collar, standing in a round boss; pulled,
    it points at the player and shows the end of its grip low in the slot."""
    x, y, w, h = LEVER
    cx = x + w // 2
    base = y + h - 6
    # the boss and the slot it swings in, printed the same in both looks
    s.ellipse(cx, base, 13, 5, BLACK)
    s.ellipse(cx, base - 1, 12, 4, SILVER)
    s.ellipse(cx, base - 1, 9, 2.5, GREY)
    s.path('M%d %d h6 v%d h-6 z' % (cx - 3, y + 12, base - y - 13), BLACK)
    if pulled:
        s.path('M%d %d L%d %d L%d %d L%d %d Z' % (cx - 2, base - 2, cx + 2, base - 2, cx + 3, y + 24,
                                                  cx - 3, y + 24), SILVER)
        s.ellipse(cx, y + 22, 10, 9, BLACK)
        s.ellipse(cx, y + 22, 9, 8, MDRED)
        s.ellipse(cx, y + 22, 6, 5, BLACK)
        s.ellipse(cx - 1, y + 21, 3, 2, GREY)
    else:
        s.path('M%d %d L%d %d L%d %d L%d %d Z' % (cx - 1, base - 2, cx + 2, base - 2, cx + 2, y + 14,
                                                  cx - 1, y + 14), SILVER)
        s.path('M%d %d v%d' % (cx, y + 14, base - y - 16), None, WHITE, 1)
        s.path('M%d %d h10 l-2 4 h-6 z' % (cx - 5, y + 13), MDRED)
        s.path('M%d %d q0 -10 6 -11 q6 1 6 11 z' % (cx - 6, y + 13), BLACK)
        s.path('M%d %d q1 -7 3 -8' % (cx - 3, y + 11), None, GREY, 1)


def StopButton(s, x, y, pressed):
    """A square key with a lava-orange cap in a black rail; pressed, the cap sinks and darkens."""
    s.rect(x, y, 22, 22, RAIL)
    s.path('M%d %d h18 v18 h-18 z' % (x + 2, y + 2), GREY)
    s.path('M%d %d h16 v16 h-16 z' % (x + 3, y + 3), BLACK)
    d = 1 if pressed else 0
    cap, edge, shine = (OCHRE, DKRED, ORANGE) if pressed else (ORANGE, MDRED, CREAM)
    s.path('M%d %d h14 v13 h-14 z' % (x + 4, y + 4 + d), edge)
    s.path('M%d %d h12 v11 h-12 z' % (x + 4, y + 4 + d), cap)
    s.path('M%d %d h8' % (x + 6, y + 6.5 + d), None, shine, 1)
    s.text(x + 11, y + 9 + d, 'S', edge, font=pixfont.FONT3, align='center')


def BetButton(s, pressed):
    x, y, w, h = BET_BTN
    s.rect(x, y, w, h, BLACK, rx=2)
    d = 1 if pressed else 0
    if pressed:
        s.rect(x + 1, y + 1, w - 2, h - 2, GREY)
        s.rect(x + 2, y + 2, w - 3, h - 3, OCHRE)
    else:
        s.bevel(x + 1, y + 1, w - 2, h - 2, GOLD, CREAM, OCHRE)
    s.text(x + w // 2 + d, y + 5 + d, 'BET', DKRED, align='center', spacing=1)


def MedalSlot(s):
    """A chrome plate with an arched top and an upright slot, a gold medal half in it."""
    x, y, w, h = MEDAL_SLOT
    left, top, right, bottom = x + 6, y + 2, x + 46, y + 50
    mid = (left + right) // 2
    arch = 'M%d %d V%d Q%d %d %d %d Q%d %d %d %d V%d Z' % (
        left, bottom, top + 12, left, top, mid, top, right, top, right, top + 12, bottom)
    s.path(arch, BLACK)
    s.begin('translate(1,1)')
    s.path(arch, GREY)
    s.end()
    s.begin('translate(%s,%s) scale(0.9)' % (mid * 0.1, (top + bottom) * 0.05 + 1))
    s.path(arch, SILVER)
    s.end()
    # a dark recess with the slot, lit round its mouth
    s.path('M%d %d h18 q3 0 3 3 v22 q0 3 -3 3 h-18 q-3 0 -3 -3 v-22 q0 -3 3 -3 z' % (mid - 9, top + 6), BLACK)
    s.path('M%d %d h4 v22 h-4 z' % (mid - 2, top + 8), ORANGE)
    s.path('M%d %d h2 v20 h-2 z' % (mid - 1, top + 9), BLACK)
    s.ellipse(mid, top + 12, 3, 7, BLACK)
    s.ellipse(mid, top + 12, 2, 6, GOLD)
    s.path('M%d %d v8' % (mid + 0.5, top + 8), None, CREAM, 1)
    for dx in (-6, 6):
        s.path('M%d %d l-2 -3 h4 z' % (mid + dx, top + 30), YELLOW)
    s.path('M%d %d h%d v8 h-%d z' % (left + 5, top + 34, right - left - 10, right - left - 10), DKRED)
    s.text(mid, top + 36, 'MEDAL', WHITE, font=pixfont.FONT3, align='center')


def Deck(s):
    y0 = 356
    s.rect(0, y0, 480, 3, WHITE)
    s.rect(0, y0 + 1, 480, 2, SILVER)
    s.rect(0, y0 + 3, 480, 1, GREY)
    s.vbands(0, y0 + 4, 480, 432 - y0 - 12, [CAB, CAB_DARK])
    s.rect(0, 424, 480, 1, BLACK)
    s.rect(0, 425, 480, 2, SILVER)
    s.rect(0, 427, 480, 5, s.mix(CAB_DARK, BLACK, 2))
    # lever housing
    lx, ly, lw, lh = LEVER
    s.rect(lx - 12, ly - 8, lw + 24, 432 - 8 - ly + 8 - 4, BLACK, rx=6)
    s.rect(lx - 11, ly - 7, lw + 22, 432 - 8 - ly + 6 - 4, s.mix(CAB_DARK, BLACK, 2), rx=5)
    # the guide from each STOP dot down to its button
    for (dx, dy), (bx, by, bw, bh) in zip(STOP_DOTS, STOP_BTNS):
        s.line(dx + DOT // 2, y0 + 4, bx + bw // 2, by - 4, PRINT_DIM, 2)
    # the stop-button rail
    rx0 = STOP_BTNS[0][0] - 10
    rx1 = STOP_BTNS[2][0] + STOP_BTNS[2][2] + 10
    ry = STOP_BTNS[0][1] - 6
    s.rect(rx0 - 2, ry - 2, rx1 - rx0 + 4, 36, SILVER, rx=7)
    s.rect(rx0, ry, rx1 - rx0, 32, RAIL, rx=6)
    # bet button housing
    bx, by, bw, bh = BET_BTN
    s.rect(bx - 4, by - 4, bw + 8, bh + 8, BLACK, rx=3)
    s.rect(bx - 3, by - 3, bw + 6, bh + 6, GREY, rx=3)
    s.text(bx + bw // 2, by + bh + 7, 'MAX 3', PRINT, font=pixfont.FONT3, align='center')
    # a grille at the left and a badge at the right of the deck
    for i in range(5):
        s.rect(118, 392 + 6 * i, 36, 2, BLACK)
        s.rect(118, 393 + 6 * i, 36, 1, CAB)
    s.circle(314, 404, 13, BLACK)
    s.circle(314, 404, 12, SILVER)
    s.circle(314, 404, 10, CAB)
    s.text(314, 398, '5', YELLOW, font=pixfont.FONT7, align='center')
    for x in (452, 466):
        s.circle(x, 408, 3, BLACK)
        s.circle(x, 408, 2, SILVER)


def CabinetSides(s, y0=0):
    for x0, bands in ((0, [BLACK, GREY, SILVER, WHITE, SILVER, GREY, BLACK]),
                      (473, [BLACK, GREY, SILVER, WHITE, SILVER, GREY, BLACK])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, y0, 1, 432 - y0, c)


def DrawFace(s, state=()):
    """The whole face; state may hold 'top' (lit top picture), 'lever', 'bet', 'button'
    (the stop buttons pressed) and dot colours by place: ('dot', x, y) -> colour index."""
    DrawTop(s, 'top' in state)
    BonusPanel(s)
    ReelPanel(s)
    DisplayBand(s)
    Deck(s)
    CabinetSides(s, TOP_H)
    Lever(s, 'lever' in state)
    for x, y, w, h in STOP_BTNS:
        StopButton(s, x, y, 'button' in state)
    BetButton(s, 'bet' in state)
    MedalSlot(s)


def Crop(w, h, x, y, state):
    """A look cut from the face drawn in `state`."""
    return Cut(w, h, [(x, y, state)], DrawFace)


def Build():
    s = Svg(480, 432)
    DrawFace(s)
    s.save(os.path.join(OUT, '502.svg'), 'machine face of the Sulvano with empty reel windows')
    x, y, w, h = LEVER
    Crop(w, h, x, y, ('lever',)).save(os.path.join(OUT, '601.svg'), 'start lever pulled')
    x, y, w, h = STOP_BTNS[0]
    Crop(w, h, x, y, ('button',)).save(os.path.join(OUT, '602.svg'), 'stop button pressed')
    x, y, w, h = BET_BTN
    Crop(w, h, x, y, ('bet',)).save(os.path.join(OUT, '603.svg'), 'bet button pressed')
    s = Svg(DOT, 3 * DOT)
    for k, colour in enumerate(DOT_COLOURS):
        Dot(s, 0, DOT * k, colour)
    s.save(os.path.join(OUT, '604.svg'), 'lamp dots lit red, yellow and green, %d x %d each' % (DOT, DOT))
    s = Svg(TOP_W, TOP_H)
    DrawTop(s, True)
    s.save(os.path.join(OUT, '605.svg'), 'the top picture lit: bulbs on and the volcano erupting')
    s = Svg(DIGIT_W, 11 * DIGIT_H, BLACK)
    for g in range(11):
        Led(s, 0, DIGIT_H * g, g)
    s.save(os.path.join(OUT, '606.svg'),
           'LED digits 0-9 and the blank, %d x %d each' % (DIGIT_W, DIGIT_H))


if __name__ == '__main__':
    Build()
