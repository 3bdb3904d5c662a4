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
WAIT_OFF = DESC.FacePlace('WaitLampLooks', 0)
WAIT_W, WAIT_H = DESC.LookSize('WaitLampLooks')
LEVER = DESC.Control('lever')
STOP_BUTTONS = [DESC.Control('stop%d' % r) for r in range(3)]
BET = DESC.Control('bet')
MEDAL_SLOT = DESC.Control('medalIn')


# the bet that opens each lamp's line: the row of 604 its lit look is painted from
LINE_NUMBERS = [k + 1 for k in DESC.LitPictures('LineLampLooks')]
# for each reel, which picture of 605 is its lit STOP lamp
STOP_PICTURES = DESC.LitPictures('StopLampLooks')
DISPLAYS, POINT_CELL = DESC.Displays()
PAY_CELLS = next(g for g in DISPLAYS if POINT_CELL in g)
CREDIT_CELLS = next(g for g in DISPLAYS if POINT_CELL not in g)
REEL_LEFT = REELS[0][0]
REEL_RIGHT = REELS[2][0] + REELS[2][2]
REEL_TOP = REELS[0][1]
REEL_BOTTOM = REELS[0][1] + REELS[0][3]

PANEL_TOP, DECK_TOP, DECK_FRONT, LOWER_TOP = 112, 338, 358, 420

