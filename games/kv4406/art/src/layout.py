# Where the Quessida's face shows each part, as the game's description states it: the reel
# windows, the lamps, the displays and the controls, with the facts the look strips imply.
import quessida  # noqa: F401  (puts the shared art helpers on the path)
from quessida import DESC

REELS = [DESC.ReelWindow(r) for r in range(3)]
LINE_LAMPS = DESC.Places('LineLampLooks')
LINE_W, LINE_H = DESC.LookSize('LineLampLooks')
STOP_LAMPS = DESC.Places('StopLampLooks')
STOP_W, STOP_H = DESC.LookSize('StopLampLooks')
MEDAL_LAMP = DESC.Places('MedalLampLooks')[0]
MEDAL_W, MEDAL_H = DESC.LookSize('MedalLampLooks')
BONUS_LAMPS = DESC.Places('BonusLampLooks')
BONUS_W, BONUS_H = DESC.LookSize('BonusLampLooks')
BIG_LAMP = DESC.Places('BigChanceLampLooks')[0]
BIG_W, BIG_H = DESC.LookSize('BigChanceLampLooks')
DIGIT_W, DIGIT_H = DESC.LookSize('PanelDigits')
WAIT_ON = DESC.Places('WaitLampLooks')[0]
WAIT_OFF = tuple(DESC.Strip('WaitLampLooks')['looks'][0]['face'])
WAIT_W, WAIT_H = DESC.LookSize('WaitLampLooks')
LEVER = DESC.Control('lever')
STOP_BUTTONS = [DESC.Control('stop%d' % r) for r in range(3)]
BET = DESC.Control('bet')
MEDAL_SLOT = DESC.Control('medalIn')


def _LineNumbers():
    """The bet that opens each lamp's line: the row of 604 its lit look is painted from."""
    looks = DESC.Strip('LineLampLooks')['looks'][len(LINE_LAMPS):]
    return [look['paint']['from'][1] // LINE_H + 1 for look in looks]


def _StopPictures():
    """For each reel, which picture of 605 is its lit STOP lamp."""
    looks = DESC.Strip('StopLampLooks')['looks'][len(STOP_LAMPS):]
    return [look['from'][1] // STOP_H for look in looks]


def _Displays():
    """The two-digit displays as lists of cell places, and the cell the point is ORed on."""
    cells, point = [], None
    for a in DESC.Part('PanelDigits')['at']:
        if len(a) > 2 and a[2] == 'or':
            point = (a[0], a[1])
        else:
            cells.append((a[0], a[1]))
    cells.sort()
    groups = [[cells[0]]]
    for c in cells[1:]:
        if c[0] == groups[-1][-1][0] + DIGIT_W and c[1] == groups[-1][-1][1]:
            groups[-1].append(c)
        else:
            groups.append([c])
    return groups, point


LINE_NUMBERS = _LineNumbers()
STOP_PICTURES = _StopPictures()
DISPLAYS, POINT_CELL = _Displays()
PAY_CELLS = next(g for g in DISPLAYS if POINT_CELL in g)
CREDIT_CELLS = next(g for g in DISPLAYS if POINT_CELL not in g)
REEL_LEFT = REELS[0][0]
REEL_RIGHT = REELS[2][0] + REELS[2][2]
REEL_TOP = REELS[0][1]
REEL_BOTTOM = REELS[0][1] + REELS[0][3]

PANEL_TOP, DECK_TOP, DECK_FRONT, LOWER_TOP = 112, 338, 358, 420

