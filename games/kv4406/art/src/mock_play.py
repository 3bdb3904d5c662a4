# Artist's mock of the Quessida's play screen: the converted face with reels, shade, pay lines,
# lamps, digits and controls composed from the look strips the way the game draws them.
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import quessida  # noqa: E402
import compose  # noqa: E402
import raster  # noqa: E402

D = quessida.DESC
U = D.symbol_height


def Screen(bitmaps, strips, reels, scene):
    """One play screen. scene: 'reels' the three reel positions; per face part's strip the
    look of each of its places (-1 for nothing); 'pressed' the controls held down."""
    screen = bitmaps[502].Copy()
    compose.DrawReels(screen, reels, strips['ReelShade'][0], scene['reels'])
    for part in D.data['parts']:
        if part['draw'] != 'looks':
            continue
        looks = strips[part['strip']]
        # unless the scene says otherwise, each place shows its own first (unlit) look
        n = len(part['at'])
        wanted = scene.get(part['strip'], list(range(n)) if len(looks) >= 2 * n else [0] * n)
        for place, k in zip(part['at'], wanted):
            if k < 0:
                continue
            if len(place) > 2 and place[2] == 'or':
                screen.Or(looks[k], place[0], place[1])
            else:
                screen.Put(looks[k], place[0], place[1])
    controls = {'lever': 'LeverLooks', 'bet': 'BetButtonLooks', 'stop0': 'StopButtonLooks',
                'stop1': 'StopButtonLooks', 'stop2': 'StopButtonLooks'}
    for name, strip in controls.items():
        x, y, _, _ = D.Control(name)
        screen.Put(strips[strip][1 if name in scene.get('pressed', ()) else 0], x, y)
    return screen


def Digits(pay, credit, point):
    """Glyph rows for the two displays: payout tens, units, the point (or -1), credit."""
    return [pay // 10, pay % 10, 11 if point else -1, credit // 10, credit % 10]


SCENES = [
    # three sevens on the middle line: the line flashes, the big chance lamp is lit
    {'reels': [20 * U, 20 * U, 20 * U], 'LineLampLooks': [0, 1, 7, 3, 4], 'BigChanceLampLooks': [1],
     'PanelDigits': Digits(15, 38, True)},
    # the reels turning after a bet of three, the left and right reels still to stop
    {'reels': [5 * U + 18, 11 * U, 14 * U + 18], 'LineLampLooks': [5, 6, 7, 8, 9],
     'StopLampLooks': [3, 1, 5], 'PanelDigits': Digits(0, 12, False), 'pressed': ('stop1',)},
    # a JAC stage: two bonus lamps lit, the medal lamp waiting, the lever pulled
    {'reels': [8 * U, 2 * U, 3 * U], 'LineLampLooks': [0, 1, 7, 3, 4], 'BonusLampLooks': [0, 4, 5],
     'BigChanceLampLooks': [1], 'MedalLampLooks': [1], 'WaitLampLooks': [1],
     'PanelDigits': Digits(8, 50, True), 'pressed': ('lever', 'bet')},
]


def Main():
    bitmaps = {b[0]: raster.Bitmap(b[0]) for b in D.data['bitmaps']}
    strips, _ = compose.FaceStrips(bitmaps)
    reels = compose.ReelStrips(bitmaps[D.reels['symbols']])
    outs = []
    for k, scene in enumerate(SCENES):
        out = os.path.join(raster.WORK, 'mock%d.png' % (k + 1))
        Screen(bitmaps, strips, reels, scene).SavePng(out)
        outs.append(out)
    both = os.path.join(raster.WORK, 'mock.png')
    subprocess.check_call(['convert'] + outs + ['+append', both])
    print(both)


if __name__ == '__main__':
    Main()
