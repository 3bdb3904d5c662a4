# The Sulvano as the hall shows it (bitmap 513, 140 x 272, standing on its island counter) and
# the three other looks of its sign band (515): lit while someone plays it, bulbs flashing in
# a bonus, and both; all cut from the same drawing.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src')
sys.path.insert(0, COMMON)
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402
import hall  # noqa: E402
import pixfont  # noqa: E402

OUT = os.path.join(HERE, '..')
GAME = gamedesc.Load(5)
CAB_DARK, CAB, CAB_LIGHT = DKRED, MDRED, RED

# The band: the machine's sign, where the hall shows who plays and which machine is in a bonus.
# Its first look is the machine picture's own, where the hall draws it.
_strip = GAME.Strip(GAME.data['hall']['parts'][0]['strip'])
BAND = tuple(_strip['looks'][0]['from']) + GAME.LookSize(_strip['name'])


def Bulbs(s, y, lit):
    for x in range(8, 136, 9):
        s.rect(x, y, 3, 3, BLACK)
        s.rect(x, y, 2, 2, YELLOW if lit else OCHRE)
        if lit:
            s.rect(x, y, 1, 1, WHITE)


def Band(s, seated, flash):
    """The sign: a volcano by night with the name; backlit while someone plays the machine, the
    bulbs and the eruption flashing during a bonus."""
    x, y, w, h = BAND
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y, w - 2, h, CAB)
    Bulbs(s, y + 2, flash)
    Bulbs(s, y + h - 5, flash)
    sx, sy, sw, sh = x + 6, y + 7, w - 12, h - 14
    s.rect(sx - 1, sy - 1, sw + 2, sh + 2, BLACK)
    if seated:
        s.vbands(sx, sy, sw, sh - 8, [NAVY, PURPLE, MDRED], dither=False)
        s.rect(sx, sy + sh - 8, sw, 8, MDBLUE)
    else:
        s.vbands(sx, sy, sw, sh - 8, [BLACK, NAVY], dither=False)
        s.rect(sx, sy + sh - 8, sw, 8, NAVY)
    # the volcano at the right
    cone = PURPLE if seated else s.mix(PURPLE, BLACK, 2)
    s.poly([(sx + 84, sy + sh), (sx + 104, sy + 10), (sx + 112, sy + 10), (sx + sw, sy + sh - 6),
            (sx + sw, sy + sh)], cone)
    lava = YELLOW if flash else (MDRED if seated else DKRED)
    s.poly([(sx + 106, sy + 11), (sx + 108, sy + 11), (sx + 100, sy + sh), (sx + 96, sy + sh)], lava)
    if flash:
        s.poly([(sx + 102, sy + 10), (sx + 106, sy + 1), (sx + 108, sy + 6), (sx + 111, sy), (sx + 114, sy + 10)],
               ORANGE)
        s.rect(sx + 106, sy + 5, 3, 5, YELLOW)
    # the name
    ink = YELLOW if seated else OCHRE
    edge = DKRED if seated else BLACK
    s.text(sx + 44, sy + 6, 'SULVANO', ink, font=pixfont.FONT7, align='center', spacing=1, outline=edge)
    s.text(sx + 44, sy + 19, 'MERIDOLA NO.5', SILVER if seated else GREY, font=pixfont.FONT3, align='center')


# Reel symbols at hall size, pixel pictures in cells of 16 x 10 (k black outline).
MINI = {
    'seven': (["kkkkkkkk", "krrrrrrk", "kkkkkrrk", "....krrk", "...krrk.", "...krrk.", "..krrk..",
               "..kkkk.."], {'r': RED}),
    'bar': (["kkkkkkkkkkkkkk", "krrrrrrrrrrrrk", "krwwwwwwwwwwrk", "krrrrrrrrrrrrk", "kkkkkkkkkkkkkk"],
            {'r': RED, 'w': WHITE}),
    'melon': (["kkkkkkkkkk", "krrrrrrrrk", ".krrkrrrk.", ".kgrrrrgk.", "..kggggk..", "...kkkk..."],
              {'r': RED, 'g': MDGREEN}),
    'bell': (["...kk...", "..kyyk..", ".kyyyyk.", ".kyyyyk.", "kyyyyyyk", "kkkkkkkk", "...kk..."],
             {'y': GOLD}),
    'jac': (["kkkkkkkkkkkk", "kbbbbbbbbbbk", "kbwwbwwbwwbk", "kbbbbbbbbbbk", "kkkkkkkkkkkk"],
            {'b': BLUE, 'w': WHITE}),
    'cherry': (["....gg....", "...g..g...", "..g....g..", ".kkk..kkk.", "krrrkkrrrk", "krrrkkrrrk",
                ".kkk..kkk."], {'r': RED, 'g': MDGREEN}),
    'orange': (["...gg...", ".kkkkkk.", "kooooook", "kooooook", "kooooook", ".kkkkkk."], {'o': ORANGE, 'g': MDGREEN}),
}


def MiniSymbol(s, x, y, kind):
    rows, colours = MINI[kind]
    colours = dict(colours, k=BLACK)
    s.bitmap(x + (16 - len(rows[0])) // 2, y + (10 - len(rows)) // 2, rows, colours)


def Dot(s, x, y, colour):
    s.rect(x, y, 4, 4, BLACK)
    s.rect(x + 1, y + 1, 2, 2, colour)


def Machine(s, seated=False, flash=False):
    # cabinet with its chrome edges; the topper above the sign
    s.rect(0, 0, 140, hall.COUNTER_TOP, BLACK)
    s.path('M1 6 Q1 1 8 1 H132 Q139 1 139 6 V32 H1 Z', CAB_DARK)
    s.path('M4 5 Q4 3 9 3 H131 Q136 3 136 5', None, SILVER, 1)
    s.rect(44, 8, 52, 21, BLACK, rx=4)
    s.rect(45, 9, 50, 19, SILVER, rx=3)
    s.rect(47, 11, 46, 15, CAB, rx=2)
    s.text(70, 14, 'No.5', YELLOW, font=pixfont.FONT5, align='center', spacing=1, shadow=BLACK)
    for x in (16, 124):
        s.circle(x, 18, 5, BLACK)
        s.circle(x, 18, 4, GREY)
        s.circle(x - 1, 17, 2, SILVER)
    Band(s, seated, flash)
    top = BAND[1] + BAND[3]
    for x0, bands in ((1, [GREY, SILVER, WHITE, GREY]), (135, [GREY, WHITE, SILVER, GREY])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, top, 1, hall.COUNTER_TOP - top, c)
    # the bonus dots, then the reels with the bet-line dots and the pay table beside them
    s.rect(5, top, 130, 8, BLACK)
    for j in range(12):
        s.rect(20 + 7 * j + j // 3, top + 2, 4, 4, GREY)
    for i in range(3):
        s.rect(112 + 6 * i, top + 2, 4, 4, GREY)
    ry = top + 8
    s.vbands(5, ry, 130, 50, [CAB_DARK, CAB, CAB_DARK], dither=False)
    for i in range(5):
        Dot(s, 10, ry + 4 + 9 * i, GREY)
    s.rect(20, ry + 3, 82, 44, SILVER)
    s.rect(21, ry + 4, 80, 42, BLACK)
    reels = [['bell', 'seven', 'cherry'], ['jac', 'seven', 'melon'], ['orange', 'seven', 'bar']]
    for r in range(3):
        rx = 24 + 26 * r
        s.rect(rx, ry + 6, 22, 38, WHITE)
        for j, kind in enumerate(reels[r]):
            MiniSymbol(s, rx + 3, ry + 8 + 12 * j, kind)
        s.rect(rx, ry + 6, 22, 2, s.mix(WHITE, BLACK, 2))
        s.rect(rx, ry + 42, 22, 2, s.mix(WHITE, BLACK, 2))
    s.rect(21, ry + 25, 80, 1, OLIVE)
    s.rect(106, ry + 3, 26, 44, OCHRE)
    s.rect(107, ry + 4, 24, 42, BLACK)
    for i in range(6):
        s.rect(109, ry + 7 + 7 * i, 8, 3, [RED, RED, BLUE, VIOLET, GOLD, GREEN][i])
        s.rect(121, ry + 7 + 7 * i, 8, 3, WHITE if i < 3 else SILVER)
    # displays and the dots of the game
    dy = ry + 50
    s.rect(5, dy, 130, 12, s.mix(CAB_DARK, BLACK, 2))
    s.rect(8, dy + 2, 16, 8, BLACK)
    s.rect(10, dy + 3, 12, 6, s.mix(BLACK, DKGREEN, 2))
    s.rect(116, dy + 2, 16, 8, BLACK)
    s.rect(118, dy + 3, 12, 6, s.mix(BLACK, DKGREEN, 2))
    for x in (30, 50, 70, 90, 106):
        s.rect(x, dy + 4, 4, 4, GREY)
    # the deck: lever, stop buttons, bet button and medal slot
    ky = dy + 12
    s.rect(5, ky, 130, 2, WHITE)
    s.rect(5, ky + 2, 130, 16, CAB)
    s.rect(5, ky + 17, 130, 1, BLACK)
    s.rect(12, ky + 5, 3, 10, SILVER)
    s.circle(13.5, ky + 5, 3, GOLD, BLACK, 1)
    s.rect(44, ky + 5, 40, 10, BLACK, rx=2)
    for i in range(3):
        s.circle(52 + 12 * i, ky + 10, 3.5, RED, BLACK, 1)
    s.rect(94, ky + 5, 10, 6, GOLD)
    s.rect(94, ky + 10, 10, 1, OCHRE)
    s.rect(114, ky + 3, 12, 12, SILVER)
    s.rect(119, ky + 5, 2, 8, BLACK)
    # the medal tray
    ty = ky + 18
    s.rect(3, ty, 134, 3, WHITE)
    s.rect(3, ty + 3, 134, 14, SILVER)
    s.rect(8, ty + 5, 124, 10, BLACK)
    s.rect(9, ty + 6, 122, 8, GREY)
    for i, mx in enumerate(range(12, 60, 5)):
        s.rect(mx, ty + 9 + i % 2, 5, 3, BLACK)
        s.rect(mx, ty + 9 + i % 2, 4, 2, GOLD)
    s.rect(3, ty + 17, 134, hall.COUNTER_TOP - ty - 17, BLACK)
    s.rect(40, ty + 19, 60, 3, CAB)
    hall.IslandCounter(s, 0, 0, 140)


def Build():
    s = Svg(140, 272, BLACK)
    Machine(s)
    s.save(os.path.join(OUT, '513.svg'), 'the Sulvano on its island counter as the hall shows it')
    x, y, w, h = BAND
    looks = [(x, y, (seated, flash)) for seated, flash in ((False, True), (True, False), (True, True))]
    s = Cut(w, 3 * h, looks, lambda svg, state: Machine(svg, *state))
    s.save(os.path.join(OUT, '515.svg'),
           'the sign band of the Sulvano in the hall: flashing in a bonus, lit while played, both')


if __name__ == '__main__':
    Build()
