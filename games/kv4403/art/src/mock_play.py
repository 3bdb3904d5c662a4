# Artist's mock of the Tarnolet 3's play screen: reels (with their darkened cells), pay lines,
# lamps, meters and controls put on the face from the look strips, to judge the art in play.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import facekit  # noqa: E402

OUT = facekit.D

# What each mock shows: the symbols in the five rows of each window (the one above the top row,
# top, middle, bottom, the one below), the dark cells as (reel, row) with rows -1 and 3 the
# edges above and below, and each part's looks.
SCENES = {
    'bet': {
        'reels': [[4, 0, 7, 2, 5], [7, 4, 0, 1, 4], [1, 5, 4, 7, 1]],
        'looks': {'LineLampLooks': [5, 6, 7, 8, 9], 'MedalLampLooks': [1], 'StartLampLooks': [1],
                  'MeterDigits': [1, 2, 0, 0]},
        'bet': 2,
    },
    'win': {
        'reels': [[2, 3, 0, 7, 5], [4, 0, 7, 4, 0], [7, 1, 0, 2, 5]],
        'dark': [(0, 1), (1, 1), (2, 1)],
        'looks': {'LineLampLooks': [0, 1, 7, 3, 4], 'MeterDigits': [2, 7, 1, 5], 'WinMeterLooks': [1]},
        'bet': 1,
    },
    'jac': {
        'reels': [[5, 2, 6, 3, 2], [1, 4, 7, 4, 0], [4, 5, 7, 1, 5]],
        'dark': [(r, row) for r in range(3) for row in (-1, 0, 2, 3)],
        'looks': {'LineLampLooks': [0, 1, 7, 3, 4], 'StopLampLooks': [3, 4, 2], 'BonusGameDigits': [4],
                  'StageLampLooks': [3, 4, 2], 'MeterDigits': [3, 6, 1, 5]},
        'lever': 1,
    },
    'wait': {
        'reels': [[0, 7, 5, 2, 3], [4, 0, 1, 4, 7], [5, 4, 7, 1, 5]],
        'looks': {'LineLampLooks': [5, 6, 7, 8, 9], 'StopLampLooks': [0, 1, 2], 'BonusGameDigits': [0],
                  'StageLampLooks': [3, 4, 5], 'WaitLampLooks': [1], 'MeterDigits': [4, 7, 0, 0]},
        'stop': 1,
    },
}


def DrawReels(face, screen, scene):
    desc = face.desc
    r = desc.reels
    u = desc.symbol_height
    symbols = face.Bitmap(r['symbols'])
    shade = symbols.Crop(0, r['shadeY'], r['w'], r['shadeRows'])
    dark = set(scene.get('dark', []))
    for reel in range(3):
        x, y, w, h = desc.ReelWindow(reel)
        column = facekit.Image(w, 5 * u)
        for row, code in enumerate(scene['reels'][reel]):
            cx = w if (reel, row - 1) in dark else 0
            column.Paste(symbols.Crop(cx, code * u, w, u), 0, row * u)
        screen.Paste(column.Crop(0, u - r['rowsAbove'], w, h), x, y)
        screen.And(shade, x, y)
        screen.And(shade, x, y + h - r['shadeRows'])
    for x0, y0, x1, y1 in desc.pay_lines:
        screen.Line(x0, y0, x1, y1, facekit.PAY_LINE)


def Mock(face, scene, name):
    screen = face.Bitmap(502).Crop(0, 0, 480, 432)
    DrawReels(face, screen, scene)
    for strip, looks in scene['looks'].items():
        part = face.Part(strip)
        for (at, look) in zip(part['at'], looks):
            screen.Paste(face.strips[strip][look], at[0], at[1])
    controls = face.desc.controls
    screen.Paste(face.strips['BetButtonLooks'][scene.get('bet', 0)], *controls['bet']['at'])
    screen.Paste(face.strips['LeverLooks'][scene.get('lever', 0)], *controls['lever']['at'])
    stops = controls['stops']
    if 'stop' in scene:
        screen.Paste(face.strips['StopButtonLooks'][1], stops['at'][0] + stops['step'] * scene['stop'],
                     stops['at'][1])
    return screen.Save(os.path.join(OUT, 'g3-mock-%s.png' % name))


if __name__ == '__main__':
    face = facekit.Face()
    pictures = [Mock(face, scene, name) for name, scene in SCENES.items()]
    facekit.subprocess.check_call(['convert', pictures[0], pictures[1], '+append', os.path.join(OUT, 'a.png')])
    facekit.subprocess.check_call(['convert', pictures[2], pictures[3], '+append', os.path.join(OUT, 'b.png')])
    facekit.subprocess.check_call(['convert', os.path.join(OUT, 'a.png'), os.path.join(OUT, 'b.png'), '-append',
                                   os.path.join(OUT, 'g3-mock.png')])
    print(os.path.join(OUT, 'g3-mock.png'))
