# Where the Pembrix 7's face shows each part, read from games/kv4404/game.json: the reel
# windows, the places of every look, the controls and the bitmap sizes, for every art script.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = os.path.normpath(os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, COMMON)
import gamedesc  # noqa: E402

GAME = 4
D = gamedesc.Load(GAME)


def Places(look_rule):
    """Every place (x, y) of the part drawn with the look rule, in the order of its indexes."""
    for p in D.data['parts']:
        if p.get('look') == look_rule:
            return [(a[0], a[1]) for a in p['at']]
    raise KeyError(look_rule)


def Place(look_rule):
    return Places(look_rule)[0]


def Size(strip):
    return D.LookSize(strip)


def Rect(look_rule, strip, index=0):
    x, y = Places(look_rule)[index]
    w, h = Size(strip)
    return x, y, w, h


def Looks(strip):
    return D.Strip(strip)['looks']


def FaceSample(strip, look):
    """Where the face is sampled for a look of a strip, or None for a look from a bitmap."""
    entry = Looks(strip)[look]
    return tuple(entry['face']) if 'face' in entry else None


def BitmapSize(ident):
    w, h, _ = D.Bitmap(ident)
    return w, h


def BitmapOptions(ident):
    return D.Bitmap(ident)[2].split()


# The reel windows, the pay lines and the controls.
REELS = D.reels
SYMBOL_H = D.symbol_height
WINDOWS = [D.ReelWindow(r) for r in range(3)]
PAY_LINES = D.pay_lines
LEVER = D.Control('lever')
BET = D.Control('bet')
STOPS = [D.Control('stop%d' % r) for r in range(3)]
MEDAL_SLOT = D.Control('medalIn')

# The face's lamps and displays.
LINE_LAMPS = [Rect('LineLampLook', 'LineLampLooks', i) for i in range(5)]
STOP_LAMPS = [Rect('StopLampLook', 'StopLampLooks', r) for r in range(3)]
GAME_OVER = Rect('No4GameOverLampLook', 'GameOverLampLooks')
PANEL_W, PANEL_H = Size('PanelLampLooks')
FRAME_LAMPS = Places('No4FrameLampLook')
JAC_LAMPS = Places('No4JacGameLampLook')
BET_LAMPS = Places('No4BetLampLook')
WAIT_LAMPS = Places('No4WaitLampLook')
START_LAMP = Place('No4StartLampLook')
DIGIT_W, DIGIT_H = Size('PanelDigits')
CREDIT_DIGITS = Places('No4CreditGlyph')
PAYOUT_DIGITS = Places('No4PayoutGlyph')

# The hall machine's band: where 513 holds it and how tall each of its looks is.
BAND_W, BAND_H = Size('HallBandLooks')
BAND_FROM = tuple(Looks('HallBandLooks')[0]['from'])

# The machine's own reel strips, for pictures that show the reels turning: read from the
# machine's model so that the mock and the game can never disagree.
def _ReadStrips():
    import re
    path = os.path.join(HERE, '..', '..', '..', '..', 'machine', 'families', 'no4', 'no4_machines.cpp')
    text = open(path).read()
    block = re.search(r'\.strips\s*=\s*\{(.*?)\},\s*//', text, re.S)
    if block is None:
        block = re.search(r'\.strips\s*=\s*\{(.*?)\n\s*\},', text, re.S)
    rows = re.findall(r'\{([0-9,\s]+)\}', block.group(1))
    strips = [[int(v) for v in r.split(',') if v.strip()] for r in rows]
    assert len(strips) == 3 and all(len(r) == 21 for r in strips), strips
    return strips


STRIPS = _ReadStrips()
