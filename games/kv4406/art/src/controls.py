# The Quessida's play controls as the face prints them, released or pressed: the start lever
# on its plinth, the gold stop buttons, the turquoise bet button and the medal acceptor.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
from layout import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402


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
