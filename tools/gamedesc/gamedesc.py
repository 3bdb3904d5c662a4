#!/usr/bin/env python3
# Turns the games' descriptions (games/kv440N/game.json) into the C++ records the programs walk,
# after checking them: every strip, bitmap, bit and place a description names must make sense.
#   gamedesc.py OUT_DIR GAME...      writes OUT_DIR/game_<N>.cpp and OUT_DIR/game_catalog.cpp
#   gamedesc.py --cmake GAME OUT     writes the build's list of the game's bitmaps and sounds
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'games', 'common', 'art', 'src'))
import gamedesc  # noqa: E402  (the one reader of descriptions, shared with the art scripts)

FACE_W, FACE_H = 480, 432
WAVE_MODES = {'once': 'Once', 'loopUnlessBusy': 'LoopUnlessBusy', 'stopThenLoop': 'StopThenLoop',
              'stopThenOnce': 'StopThenOnce', 'onceWithoutSingle': 'OnceWithoutSingle',
              'onceWithoutBig': 'OnceWithoutBig'}
# The bitmaps every game shares: strips may cut from them too.
COMMON_BITMAPS = {500, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 514, 516, 517, 518, 519}


class DescriptionError(Exception):
    pass


def Need(ok, game, what):
    if not ok:
        raise DescriptionError('game No.%d: %s' % (game, what))


def Identifier(name):
    Need(name.replace('_', '').isalnum() and not name[0].isdigit(), 0, 'bad rule name %r' % name)
    return '&' + name


class Generator:
    def __init__(self, game):
        self.n = game
        self.d = gamedesc.Read(game)
        self.out = []
        self.bitmaps = {b[0]: b for b in self.d['bitmaps']}

    def need(self, ok, what):
        Need(ok, self.n, what)

    def emit(self, line=''):
        self.out.append(line)

    def check_bitmap(self, ident, where):
        self.need(ident in self.bitmaps or ident in COMMON_BITMAPS,
                  '%s names bitmap %d, which the game does not have' % (where, ident))

    def check_rect(self, x, y, w, h, where, width=FACE_W, height=FACE_H):
        self.need(0 <= x and 0 <= y and x + w <= width and y + h <= height,
                  '%s: %dx%d at (%d, %d) lies outside %dx%d' % (where, w, h, x, y, width, height))

    def check_in_bitmap(self, ident, x, y, w, h, where):
        if ident in self.bitmaps:
            _, bw, bh, _ = self.bitmaps[ident]
            self.check_rect(x, y, w, h, where + ' (bitmap %d)' % ident, bw, bh)

    def sprite_look_height(self, bitmap):
        """A sprite's look height: that of the looks painted from it (the whole picture when
        no look paints it); 0 for a picture without transparency."""
        if '--sprite' not in bitmap[3]:
            return 0
        for s in self.d['strips']:
            for look in s.get('looks', []):
                if look.get('paint', {}).get('sprite') == bitmap[0]:
                    return s['h']
        return bitmap[2]

    # --- strips -----------------------------------------------------------------------------
    def strip_rows(self, strips, face):
        """C++ rows of StripSpec, and the strips' names with their look counts and sizes."""
        rows, known = [], {}
        reels = self.d['reels']
        for s in strips:
            name, kind = s['name'], s.get('kind', 'looks')
            self.need(name not in known, 'strip %s is named twice' % name)
            steps, step_count = 'nullptr', 0
            bitmap, symbols_x = 0, 0
            if kind == 'reels':
                w, h, looks = reels['w'], self.d['symbolHeight'], 1
                bitmap, symbols_x = reels['symbols'], s.get('symbolsX', 0)
                self.check_bitmap(bitmap, name)
                # How many pictures the bitmap needs depends on the machine's codes (eight to
                # ten): the native test of the descriptions checks them against the machine.
                self.check_in_bitmap(bitmap, symbols_x, 0, w, h, name)
                cpp_kind = 'Reels'
            elif kind == 'shade':
                w, h, looks = reels['w'], reels['shadeRows'], 1
                bitmap = reels['symbols']
                self.check_in_bitmap(bitmap, 0, reels['shadeY'], w, h, name)
                cpp_kind = 'Shade'
            elif kind == 'whole':
                w, h, bitmap = s['w'], s['h'], s['bitmap']
                self.check_bitmap(bitmap, name)
                bw, bh = self.bitmaps[bitmap][1:3] if bitmap in self.bitmaps else (w, h)
                self.need(bw == w and bh % h == 0, '%s: %dx%d looks do not tile bitmap %d' % (name, w, h, bitmap))
                looks = bh // h
                cpp_kind = 'Whole'
            else:
                self.need(kind == 'looks', 'strip %s: unknown kind %r' % (name, kind))
                w, h = s['w'], s['h']
                step_rows = []
                for i, look in enumerate(s['looks']):
                    where = '%s look %d' % (name, i)
                    if 'face' in look:
                        self.need(face, where + ': the hall has no face to sample')
                        x, y = look['face']
                        self.check_rect(x, y, w, h, where)
                        if 'paint' in look:
                            p = look['paint']
                            sx, sy = p.get('from', [0, 0])
                            self.check_bitmap(p['sprite'], where)
                            self.need('--sprite' in self.bitmaps.get(p['sprite'], (0, 0, 0, '--sprite'))[3],
                                      where + ': bitmap %d is painted but is not a sprite' % p['sprite'])
                            self.check_in_bitmap(p['sprite'], sx, sy, w, h, where)
                            step_rows.append('{LookSource::PaintedFace, %d, %d, %d, %d, %d}' % (x, y, p['sprite'], sx, sy))
                        else:
                            step_rows.append('{LookSource::Face, %d, %d, 0, 0, 0}' % (x, y))
                    else:
                        ident = look['bitmap']
                        sx, sy = look.get('from', [0, 0])
                        self.check_bitmap(ident, where)
                        self.check_in_bitmap(ident, sx, sy, w, h, where)
                        step_rows.append('{LookSource::Bitmap, 0, 0, %d, %d, %d}' % (ident, sx, sy))
                looks = len(step_rows)
                self.need(looks > 0, 'strip %s has no looks' % name)
                array = 'kSteps%s' % name
                self.emit('const LookStep %s[] = {' % array)
                for r in step_rows:
                    self.emit('    %s,' % r)
                self.emit('};')
                steps, step_count = array, looks
                cpp_kind = 'Looks'
            known[name] = (len(rows), looks, w, h)
            rows.append('{"%s", StripKind::%s, %d, %d, %d, %d, %s, %d}' %
                        (name, cpp_kind, w, h, bitmap, symbols_x, steps, step_count))
        return rows, known

    def strip_index(self, known, name, where):
        self.need(name in known, '%s names strip %r, which is not described' % (where, name))
        return known[name][0]

    # --- parts ------------------------------------------------------------------------------
    def part_rows(self, known):
        rows = []
        for k, p in enumerate(self.d['parts']):
            bit, draw = p['bit'], p['draw']
            where = 'part %d (bit %d)' % (k, bit)
            self.need(bit in (1, 2, 4, 8, 16, 32, 64, 128), where + ': not a redraw bit')
            strip, dark, look, places = -1, -1, 'nullptr', []
            if draw == 'reels':
                if 'dark' in p:
                    dark = self.strip_index(known, p['dark'], where)
                    self.need('look' in p, where + ': dark cells need a rule')
            else:
                self.need(draw in ('looks', 'gauge'), where + ': unknown drawer %r' % draw)
                strip = self.strip_index(known, p['strip'], where)
                _, looks, w, h = known[p['strip']]
                self.need('look' in p, where + ': no look rule')
                for a in p['at']:
                    self.check_rect(a[0], a[1], w, h, where)
                    self.need(len(a) == 2 or a[2] == 'or', where + ': a place is [x, y] or [x, y, "or"]')
                    places.append('{%d, %d, %s}' % (a[0], a[1], 'true' if len(a) == 3 else 'false'))
                self.need(places, where + ': no places')
                self.need(draw != 'gauge' or (looks == 2 and len(places) == 1),
                          where + ': a gauge is one place of a two-look strip')
            if 'look' in p:
                look = Identifier(p['look'])
            array = 'nullptr'
            if places:
                array = 'kPlaces%d' % k
                self.emit('const Place %s[] = {%s};' % (array, ', '.join(places)))
            drawer = {'reels': 'Reels', 'looks': 'Looks', 'gauge': 'Gauge'}[draw]
            rows.append('{%d, PartDrawer::%s, %d, %d, %s, %s, %d}' % (bit, drawer, strip, dark, look, array, len(places)))
        self.need(any(p['draw'] == 'reels' for p in self.d['parts']), 'the face has no reels part')
        return rows

    def controls(self, known):
        c = self.d['controls']
        rows = []

        def drawn(control, x, where):
            _, looks, w, h = known[control['strip']]
            self.need(looks >= 2, where + ': a control needs a released and a pressed look')
            self.check_rect(x, control['at'][1], w, h, where)
            return '{%d, %d, %d, %d, %d, %d, %d, %d}' % (
                x, control['at'][1], w, h, self.strip_index(known, control['strip'], where),
                control['cursor'], control['target'][0], control['target'][1])

        m = c['medalIn']
        self.check_rect(m['at'][0], m['at'][1], m['size'][0], m['size'][1], 'medal slot')
        rows.append('{%d, %d, %d, %d, -1, %d, %d, %d}' % (m['at'][0], m['at'][1], m['size'][0], m['size'][1],
                                                         m['cursor'], m['target'][0], m['target'][1]))
        rows.append(drawn(c['bet'], c['bet']['at'][0], 'bet button'))
        rows.append(drawn(c['lever'], c['lever']['at'][0], 'lever'))
        for r in range(3):
            rows.append(drawn(c['stops'], c['stops']['at'][0] + c['stops']['step'] * r, 'stop button %d' % (r + 1)))
        bet_looks = c['bet'].get('looks', 2)
        self.need(bet_looks in (2, 4) and known[c['bet']['strip']][1] >= bet_looks,
                  'the bet button has 2 or 4 looks, all in its strip')
        self.need(bet_looks == 2 or 'look' in c['bet'], 'a bet button with a lit pair needs a look rule')
        bet_rule = Identifier(c['bet']['look']) if 'look' in c['bet'] else 'nullptr'
        return rows, bet_looks, bet_rule

    def sound(self):
        s = self.d['sound']
        waves = s['waves']
        self.need(0 < len(waves) <= 10 and all(701 <= w <= 710 for w in waves), 'WAVE ids are 701..710')

        def table(mapping, where):
            modes = ['WaveRule::None'] * 10
            for ident, mode in mapping.items():
                ident = int(ident)
                self.need(ident in waves, '%s plays %d, which the game does not have' % (where, ident))
                self.need(mode in WAVE_MODES, '%s: unknown mode %r' % (where, mode))
                modes[ident - 701] = 'WaveRule::' + WAVE_MODES[mode]
            return '{%s}' % ', '.join(modes)

        for tune in ('bigTune', 'jacTune'):
            self.need(s[tune] in waves, '%s %d is not among the game\'s WAVEs' % (tune, s[tune]))
        return '{%d, {%s}, %d, %d, %s, %s, %s}' % (
            len(waves), ', '.join(str(w) for w in waves), s['bigTune'], s['jacTune'],
            Identifier(s['jacTuneWhen']), table(s.get('early', {}), 'early'),
            table(s.get('effects', {}), 'effects'))

    def generate(self):
        d = self.d
        self.need(d['game'] == self.n, 'the description says it is game No.%d' % d['game'])
        family = d.get('family', 'no1')
        self.emit('// Generated by tools/gamedesc from the description of game No.%d; do not edit.' % self.n)
        self.emit('#include "presentation/game_description.h"')
        self.emit('#include "presentation/faces/face_rules.h"')
        self.emit('#include "presentation/hall_looks.h"')
        if os.path.exists(os.path.join(ROOT, 'presentation', 'faces', '%s_rules.h' % family)):
            self.emit('#include "presentation/faces/%s_rules.h"' % family)
        self.emit()
        self.emit('namespace {')
        r = d['reels']
        u = d['symbolHeight']
        self.need(r['h'] == 3 * u + 2 * r['rowsAbove'], 'a reel window shows three symbols and rowsAbove above and below')
        for k in range(3):
            self.check_rect(r['x'] + r['step'] * k, r['y'], r['w'], r['h'], 'reel window %d' % (k + 1))
        self.emit('const PayLineSegment kPayLines[] = {%s};' %
                  ', '.join('{%d, %d, %d, %d}' % tuple(s) for s in d['payLines']))
        self.emit('const BitmapSpec kBitmaps[] = {%s};' %
                  ', '.join('{%d, %d, %d, %s, %d}' % (b[0], b[1], b[2], 'true' if '--own-table' in b[3] else 'false',
                                                       self.sprite_look_height(b)) for b in d['bitmaps']))
        strips, known = self.strip_rows(d['strips'], True)
        self.need(len(strips) <= 24, 'at most 24 face strips')
        self.emit('const StripSpec kStrips[] = {%s};' % ', '.join(strips))
        parts = self.part_rows(known)
        self.emit('const PartSpec kParts[] = {%s};' % ', '.join(parts))
        skips = 0
        for b in d.get('fullPaintSkips', []):
            skips |= b
        marks = []
        for t in d.get('tickMarks', []):
            self.need(t['phase'] in (64, 128, 256), 'tick marks wait for phase 64, 128 or 256')
            marks.append('{%d, %s, %d, %s}' % (t['phase'], Identifier(t['when']), t['bits'],
                                                'true' if t.get('invalidateBet') else 'false'))
        if marks:
            self.emit('const TickMark kTickMarks[] = {%s};' % ', '.join(marks))
        controls, bet_looks, bet_rule = self.controls(known)
        hall = d['hall']
        hall_strips, hall_known = self.strip_rows(hall['strips'], False)
        self.need(len(hall_strips) <= 4, 'at most 4 hall strips')
        self.emit('const StripSpec kHallStrips[] = {%s};' % ', '.join(hall_strips))
        hall_parts = []
        for p in hall['parts']:
            _, _, w, h = hall_known[p['strip']]
            self.check_rect(p['at'][0], p['at'][1], w, h, 'hall lamp %s' % p['strip'], 140, 432)
            hall_parts.append('{%d, %s, %d, %d}' % (self.strip_index(hall_known, p['strip'], 'hall'),
                                                    Identifier(p['look']), p['at'][0], p['at'][1]))
        self.emit('const HallPartSpec kHallParts[] = {%s};' % ', '.join(hall_parts))
        self.emit('}  // namespace')
        self.emit()
        self.emit('extern const GameDescription kGameDescription%d = {' % self.n)
        self.emit('    %d, "%s", %d,' % (self.n, d['model'], u))
        self.emit('    {%d, %d, %d, %d, %d, %d, %d, %d, %d},' % (r['x'], r['step'], r['y'], r['w'], r['h'],
                                                             r['rowsAbove'], r['shadeRows'], r['symbols'], r['shadeY']))
        reel_strips = [n for n, v in known.items() if d['strips'][v[0]].get('kind') == 'reels' and
                       d['strips'][v[0]].get('symbolsX', 0) == 0]
        shades = [n for n, v in known.items() if d['strips'][v[0]].get('kind') == 'shade']
        self.need(len(reel_strips) == 1 and len(shades) == 1, 'one reel strip of normal symbols and one shade')
        self.emit('    %d, %d,' % (known[reel_strips[0]][0], known[shades[0]][0]))
        self.emit('    kPayLines, %d, kBitmaps, %d,' % (len(d['payLines']), len(d['bitmaps'])))
        self.emit('    kStrips, %d, kParts, %d, %d,' % (len(strips), len(parts), skips))
        self.emit('    %s, %d,' % ('kTickMarks' if marks else 'nullptr', len(marks)))
        self.emit('    {%s},' % ', '.join(controls))
        self.emit('    %d, %s,' % (bet_looks, bet_rule))
        self.emit('    %s,' % self.sound())
        self.emit('    kHallStrips, %d, kHallParts, %d,' % (len(hall_strips), len(hall_parts)))
        self.emit('};')
        return '\n'.join(self.out) + '\n'


def WriteIfChanged(path, text):
    if os.path.exists(path):
        with open(path, encoding='utf-8') as f:
            if f.read() == text:
                return
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)


def CMakeLists(game, out):
    """The game's own bitmaps ("id width height options") and WAVE ids, for its media build."""
    d = gamedesc.Read(game)
    bitmaps = ' '.join('"%d %d %d %s"' % (b[0], b[1], b[2], b[3]) for b in d['bitmaps'])
    text = ('# Generated by tools/gamedesc from the description of game No.%d.\n'
            'set(MERIDOLA_GAME_BITMAPS %s)\n'
            'set(MERIDOLA_GAME_SOUNDS %s)\n' %
            (game, bitmaps, ' '.join(str(w) for w in d['sound']['waves'])))
    WriteIfChanged(out, text)
    return 0


def main(argv):
    if len(argv) == 4 and argv[1] == '--cmake':
        return CMakeLists(int(argv[2]), argv[3])
    if len(argv) < 3:
        print('usage: gamedesc.py OUT_DIR GAME...', file=sys.stderr)
        return 2
    out, games = argv[1], [int(g) for g in argv[2:]]
    os.makedirs(out, exist_ok=True)
    try:
        for n in games:
            WriteIfChanged(os.path.join(out, 'game_%d.cpp' % n), Generator(n).generate())
    except (DescriptionError, KeyError, ValueError, TypeError, IndexError) as e:
        print('gamedesc: %s' % e, file=sys.stderr)
        return 1
    catalog = ['// Generated by tools/gamedesc: the descriptions of the games this build has.',
               '#include "presentation/game_description.h"', '']
    catalog += ['extern const GameDescription kGameDescription%d;' % n for n in games]
    catalog += ['', 'const GameDescription* GameDescriptionOf(int game) {', '  switch (game) {']
    catalog += ['    case %d: return &kGameDescription%d;' % (n, n) for n in games]
    catalog += ['    default: return nullptr;', '  }', '}', '']
    WriteIfChanged(os.path.join(out, 'game_catalog.cpp'), '\n'.join(catalog))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
