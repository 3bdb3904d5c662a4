# The description of a game (games/kv440N/game.json) as the art scripts read it: where the
# face's parts sit, the size of each look, the reel windows and the pay lines.
import json
import os

GAMES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..'))


def Read(game):
    """The description of game No.`game` as plain data. A description that names a `base`
    game takes every key it does not state itself from that game's description."""
    path = os.path.join(GAMES, 'kv440%d' % game, 'game.json')
    with open(path, encoding='utf-8') as f:
        data = json.load(f)
    if 'base' in data:
        merged = Read(data['base'])
        merged.update({k: v for k, v in data.items() if k != 'base'})
        data = merged
    return data


def Load(game):
    """The description of game No.`game` (1..7) as a Description."""
    return Description(Read(game))


class Description:
    def __init__(self, data):
        self.data = data
        self.reels = data['reels']
        self.symbol_height = data['symbolHeight']
        self.pay_lines = [tuple(s) for s in data['payLines']]
        self.controls = data['controls']

    def Strip(self, name):
        for s in self.data['strips'] + self.data.get('hall', {}).get('strips', []):
            if s['name'] == name:
                return s
        raise KeyError(name)

    def LookSize(self, name):
        """Width and height of one look of a strip."""
        s = self.Strip(name)
        if s.get('kind') == 'reels':
            return self.reels['w'], self.symbol_height
        if s.get('kind') == 'shade':
            return self.reels['w'], self.reels['shadeRows']
        return s['w'], s['h']

    def Part(self, strip):
        """The face part drawn from a strip."""
        for p in self.data['parts']:
            if p.get('strip') == strip:
                return p
        raise KeyError(strip)

    def Places(self, strip):
        """Every place (x, y) where the face shows a look of the strip."""
        return [(a[0], a[1]) for a in self.Part(strip)['at']]

    def FacePlace(self, strip, look):
        """Where on the face look `look` of the strip is taken from (an unlit look the part
        does not draw at its own place: the WAIT lamp's off look)."""
        return tuple(self.Strip(strip)['looks'][look]['face'])

    def LitPictures(self, strip):
        """For each place of a lamp's strip, which picture (counted in looks of the strip's
        height) of its bitmap, or of the sprite painted on the face, the lamp shows lit."""
        h = self.LookSize(strip)[1]
        looks = self.Strip(strip)['looks'][len(self.Places(strip)):]
        return [look.get('paint', look).get('from', [0, 0])[1] // h for look in looks]

    def Displays(self, strip='PanelDigits'):
        """The digit displays as lists of cell places, left to right, and the cell the point
        is ORed on (None without one)."""
        w = self.LookSize(strip)[0]
        cells, point = [], None
        for a in self.Part(strip)['at']:
            if len(a) > 2 and a[2] == 'or':
                point = (a[0], a[1])
            else:
                cells.append((a[0], a[1]))
        cells.sort()
        groups = [[cells[0]]]
        for c in cells[1:]:
            if c[0] == groups[-1][-1][0] + w and c[1] == groups[-1][-1][1]:
                groups[-1].append(c)
            else:
                groups.append([c])
        return groups, point

    def Cut(self, strip, bitmap):
        """x, y, w, h: the rectangle of `bitmap` a look of the strip is cut from (a hall lamp's
        unlit look in the machine picture 513, its lit one in 515)."""
        s = self.Strip(strip)
        look = next(look for look in s['looks'] if look.get('bitmap') == bitmap)
        x, y = look.get('from', [0, 0])
        return x, y, s['w'], s['h']

    def LineStarts(self):
        """Where each pay line starts at the reels' left edge (its top row), one per line lamp
        in the lamps' order (a line is drawn as several one-pixel segments)."""
        per_line = len(self.pay_lines) // len(self.Places('LineLampLooks'))
        return [self.pay_lines[i][1] for i in range(0, len(self.pay_lines), per_line)]

    def ReelWindow(self, reel):
        """x, y, w, h of reel 0..2's window."""
        r = self.reels
        return r['x'] + r['step'] * reel, r['y'], r['w'], r['h']

    def Control(self, name):
        """x, y, w, h of a play control: medalIn, bet, lever, or stop0..stop2."""
        if name.startswith('stop'):
            c = self.controls['stops']
            w, h = self.LookSize(c['strip'])
            return c['at'][0] + c['step'] * int(name[4:]), c['at'][1], w, h
        c = self.controls[name]
        if 'size' in c:
            return c['at'][0], c['at'][1], c['size'][0], c['size'][1]
        w, h = self.LookSize(c['strip'])
        return c['at'][0], c['at'][1], w, h

    def Bitmap(self, ident):
        """Width, height and converter options of one of the game's own bitmaps."""
        for b in self.data['bitmaps']:
            if b[0] == ident:
                return b[1], b[2], b[3]
        raise KeyError(ident)
