# The info panel: background and data board (500, also the game palette's source), the lit
# machine plates (507) and the player tabs, counter board and page tabs (508).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402

OUT = os.path.join(HERE, '..')

NUMBERS = [1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 15, 16, 17, 18, 20]


def PlatePos(i):
    return (5, 149 - 16 * i) if i < 8 else (93, 37 + 16 * (i - 8))


def LampPos(i):
    return (38, 151 - 16 * i) if i < 8 else (78, 16 * i - 89)


# Lamp colours by occupant: 0 free, 1 customer, 2..5 players P1..P4 (bright, dark).
OCCUPANT = [(None, None), (CREAM, SILVER), (RED, DKRED), ('#00C0FF', '#0080C0'), (GREEN, DKGREEN),
            (MAGENTA, PURPLE)]
PLAYER = OCCUPANT[2:]

PANEL, PANEL_EDGE, PANEL_HI = BLACK, GREY, SILVER
BOARD = NAVY


def Plate(s, x, y, n, lit):
    """A 30 x 16 machine number plate; the 2-pixel rim is where the panel draws its frames."""
    s.rect(x, y, 30, 16, BLACK)
    if lit:
        s.rect(x + 1, y + 1, 28, 14, GOLD)
        s.rect(x + 2, y + 2, 26, 12, CREAM)
        s.rect(x + 2, y + 2, 26, 1, WHITE)
        s.text(x + 15, y + 3, str(n), DKRED, font=pixfont.FONT7, align='center', spacing=1)
    else:
        s.rect(x + 1, y + 1, 28, 14, GREY)
        s.rect(x + 2, y + 2, 26, 12, BLACK)
        s.text(x + 15, y + 3, str(n), GREY, font=pixfont.FONT7, align='center', spacing=1)


def Lamp(s, x, y, occupant):
    """A 12 x 12 occupancy lamp in its socket."""
    s.rect(x, y, 12, 12, BOARD)
    s.circle(x + 6, y + 6, 6, BLACK)
    s.circle(x + 6, y + 6, 5, GREY)
    bright, dark = OCCUPANT[occupant]
    if bright is None:
        s.circle(x + 6, y + 6, 4, BLACK)
        s.rect(x + 4, y + 4, 2, 1, GREY)
    else:
        s.circle(x + 6, y + 6, 4, dark)
        s.circle(x + 5.5, y + 5.5, 3, bright)
        s.rect(x + 4, y + 3, 2, 2, WHITE)


def Clock(s):
    s.rect(0, 0, 128, 32, PANEL)
    s.rect(0, 0, 128, 1, PANEL_HI)
    s.rect(0, 31, 128, 1, PANEL_EDGE)
    for x, w in ((5, 32), (47, 32), (91, 32)):
        s.rect(x - 2, 2, w + 4, 28, PANEL_EDGE)
        s.rect(x - 1, 3, w + 2, 26, BLACK)
    s.rect(44, 2, 82, 28, PANEL_EDGE)
    s.rect(45, 3, 80, 26, BLACK)
    # the colon between hours and minutes
    s.rect(84, 10, 3, 3, GREEN)
    s.rect(84, 19, 3, 3, GREEN)


def IslandBoard(s):
    y0, y1 = 32, 168
    s.rect(0, y0, 128, y1 - y0, PANEL)
    s.rect(2, y0 + 2, 124, y1 - y0 - 4, PANEL_EDGE, rx=3)
    s.rect(3, y0 + 3, 122, y1 - y0 - 6, BOARD, rx=2)
    # the island: a counter with eight machines on each side and the medal rail along its spine
    s.rect(51, 35, 26, 131, BLACK, rx=3)
    s.rect(52, 36, 24, 129, SILVER, rx=3)
    s.rect(53, 37, 22, 127, GREY, rx=2)
    for i in range(8):
        y = 37 + 16 * i
        s.rect(53, y + 1, 9, 14, BLACK)
        s.rect(54, y + 2, 7, 12, '#0000C0')
        s.rect(55, y + 4, 5, 3, WHITE)
        s.rect(66, y + 1, 9, 14, BLACK)
        s.rect(67, y + 2, 7, 12, '#0000C0')
        s.rect(68, y + 4, 5, 3, WHITE)
    s.rect(62, 37, 4, 127, SILVER)
    s.rect(63, 37, 2, 127, WHITE)
    for i in range(16):
        x, y = PlatePos(i)
        Plate(s, x, y, NUMBERS[i], False)
    # lamp sockets; the upper six of each column show the six lamp colours
    for col, x in ((0, 38), (1, 78)):
        for k in range(8):
            Lamp(s, x, 39 + 16 * k, k if k < 6 else 0)


def TabStrip(s):
    s.rect(0, 168, 128, 28, PANEL)
    s.rect(0, 195, 128, 1, PANEL_EDGE)


def PlainBoard(s):
    y0 = 196
    s.rect(0, y0, 128, 94, PANEL)
    s.rect(2, y0 + 2, 124, 90, PANEL_EDGE, rx=3)
    s.rect(3, y0 + 3, 122, 88, BOARD, rx=2)
    # the family emblem, engraved
    strokefont.Draw(s, 64, y0 + 22, 'MERIDOLA', 11, [(BLACK, 4, 1, 1), (GOLD, 2, 0, 0)], align='center',
                    tracking=2.5)
    s.rect(14, y0 + 42, 100, 1, OCHRE)
    s.text(64, y0 + 49, 'HALL DATA', SILVER, align='center', spacing=1)
    for x in (10, 118):
        s.circle(x, y0 + 10, 2, GREY)
        s.circle(x, y0 + 84, 2, GREY)


def ControlArea(s):
    y0 = 290
    s.rect(0, y0, 128, 432 - y0, PANEL)
    s.rect(0, y0, 128, 1, PANEL_EDGE)
    s.rect(1, y0 + 2, 126, 432 - y0 - 3, BOARD)
    s.rect(1, 431, 126, 1, PANEL_EDGE)


def Build500():
    s = Svg(128, 432, PANEL)
    Clock(s)
    IslandBoard(s)
    TabStrip(s)
    PlainBoard(s)
    ControlArea(s)
    s.rect(0, 0, 1, 432, PANEL_HI)
    s.save(os.path.join(OUT, '500.svg'),
           'info panel background (clock, island board with the unlit machine plates and the lamp sockets in the six occupant colours, plain counter board, control area); its colour table is the game palette')


def Build507():
    s = Svg(30, 256, BLACK)
    for i, n in enumerate(NUMBERS):
        Plate(s, 0, 16 * i, n, True)
    s.save(os.path.join(OUT, '507.svg'),
           'lit machine number plates 1 to 20 without 4, 9, 14 and 19, 30 x 16 each')


# --- 508 -------------------------------------------------------------------------------------
def PlayerTab(s, x, y, k, look):
    """Tab of player k (32 x 26): look 0 free, 1 free and current, 2 registered, 3 both."""
    registered = look >= 2
    current = look % 2 == 1
    bright, dark = PLAYER[k]
    s.rect(x, y, 32, 26, PANEL)
    if current:
        body, edge, ink, shade = ((bright, WHITE, WHITE, BLACK) if registered else (SILVER, WHITE, BLACK, GREY))
    else:
        body, edge, ink, shade = ((dark, GREY, bright, BLACK) if registered else (BLACK, GREY, GREY, None))
    top = y + (1 if current else 4)
    s.rect(x + 1, top, 30, y + 26 - top, edge, rx=4)
    s.rect(x + 2, top + 1, 28, y + 26 - top - 1, body, rx=3)
    if not current:
        s.rect(x, y + 25, 32, 1, PANEL_EDGE)
    else:
        s.rect(x + 2, y + 25, 28, 1, body)
    s.text(x + 16, top + (5 if current else 4), 'P%d' % (k + 1), ink, font=pixfont.FONT7, align='center',
           spacing=1, shadow=shade)


def CounterBoard(s, y0):
    s.rect(0, y0, 128, 94, PANEL)
    s.rect(2, y0 + 2, 124, 90, PANEL_EDGE, rx=3)
    s.rect(3, y0 + 3, 122, 88, BOARD, rx=2)

    def Field(x, y, w, h):
        s.rect(x - 2, y - 2, w + 4, h + 4, GREY)
        s.rect(x - 1, y - 1, w + 2, h + 2, BLACK)

    Field(7, y0 + 6, 30, 16)                      # the machine's plate
    for x in (43, 71, 99):
        Field(x, y0 + 6, 24, 16)                  # day names
        Field(x + 2, y0 + 28, 20, 16)             # the big bonus count of that day
    Field(57, y0 + 50, 64, 16)                    # games since the last big bonus
    Field(57, y0 + 72, 64, 16)                    # medals
    # big bonus counts: a red seven badge
    s.rect(7, y0 + 27, 30, 18, GOLD, rx=2)
    s.rect(8, y0 + 28, 28, 16, DKRED, rx=2)
    s.poly([(11, y0 + 30), (19, y0 + 30), (19, y0 + 32), (15, y0 + 42), (12, y0 + 42), (16, y0 + 32),
            (11, y0 + 32)], RED)
    s.text(28, y0 + 32, 'BB', WHITE, font=pixfont.FONT5, align='center', spacing=1)
    # games: three little reels
    for i in range(3):
        s.rect(5 + 6 * i, y0 + 50, 5, 16, BLACK)
        s.rect(6 + 6 * i, y0 + 51, 3, 14, WHITE)
        s.rect(6 + 6 * i, y0 + 57, 3, 2, RED)
    s.text(40, y0 + 55, 'GAME', SILVER, align='center', spacing=1)
    # medals: a small stack of medals
    for i in range(3):
        yy = y0 + 82 - 4 * i
        s.ellipse(11, yy, 6, 3, BLACK)
        s.ellipse(11, yy - 1, 5, 2, SILVER)
        s.rect(8, yy - 2, 4, 1, WHITE)
    s.ellipse(11, y0 + 71, 6, 3, BLACK)
    s.ellipse(11, y0 + 70, 5, 2, WHITE)
    s.text(36, y0 + 77, 'MEDAL', SILVER, align='center', spacing=1)


def PageTabs(s, y0, page):
    s.rect(0, y0, 128, 24, PANEL)
    s.rect(0, y0 + 23, 128, 1, SILVER)
    for i, name in enumerate(('GAME', 'PLAY')):
        x = 64 * i
        on = i == page
        top = y0 + (1 if on else 4)
        s.rect(x + 1, top, 62, y0 + 24 - top, WHITE if on else GREY, rx=4)
        s.rect(x + 2, top + 1, 60, y0 + 24 - top - 1, SILVER if on else BLACK, rx=3)
        if on:
            s.rect(x + 2, y0 + 23, 60, 1, SILVER)
            s.rect(x + 4, top + 2, 56, 1, WHITE)
        s.text(x + 32, top + 5 if on else top + 4, name, BLACK if on else GREY, font=pixfont.FONT7,
               align='center', spacing=1, shadow=WHITE if on else None)


def Build508():
    s = Svg(128, 246, PANEL)
    for look in range(4):
        for k in range(4):
            PlayerTab(s, 32 * k, 26 * look, k, look)
    CounterBoard(s, 104)
    PageTabs(s, 198, 0)
    PageTabs(s, 222, 1)
    s.save(os.path.join(OUT, '508.svg'),
           'player tabs P1-P4 in four looks, the counter board with its icons, GAME/PLAY page tabs')


if __name__ == '__main__':
    Build500()
    Build507()
    Build508()
