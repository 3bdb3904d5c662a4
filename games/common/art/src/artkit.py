# Small SVG drawing kit for the game artwork: shapes on a pixel grid, pixel-font text,
# bevels and ordered-dither fills in the 64 colours of the game palette.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pixfont  # noqa: E402

LEVELS = (0x00, 0x80, 0xC0, 0xFF)
KEY = '#008080'  # transparent colour of sprites: never used for anything visible


def Col(r, g, b):
    """A palette colour from channel levels given as 0..3 indexes into LEVELS."""
    return '#%02X%02X%02X' % (LEVELS[r], LEVELS[g], LEVELS[b])


def InPalette(c):
    c = c.lstrip('#')
    return all(int(c[i:i + 2], 16) in LEVELS for i in (0, 2, 4))


# Names for the colours used most (all palette entries).
BLACK, GREY, SILVER, WHITE = '#000000', '#808080', '#C0C0C0', '#FFFFFF'
RED, DKRED, MDRED = '#FF0000', '#800000', '#C00000'
YELLOW, GOLD, OCHRE, OLIVE = '#FFFF00', '#FFC000', '#C08000', '#808000'
CREAM, PALEYEL = '#FFFFC0', '#FFFF80'
ORANGE, PEACH, PINK, ROSE = '#FF8000', '#FFC080', '#FFC0C0', '#FF8080'
NAVY, BLUE, MDBLUE, SKY, LTBLUE, PALEBLUE = '#000080', '#0000FF', '#0000C0', '#0080FF', '#80C0FF', '#C0C0FF'
GREEN, DKGREEN, MDGREEN, LTGREEN = '#00FF00', '#008000', '#00C000', '#80FF80'
CYAN, DKCYAN = '#00FFFF', '#00C0C0'
PURPLE, MAGENTA, VIOLET = '#800080', '#FF00FF', '#C000C0'


class Svg:
    """One picture of exact pixel size; elements are appended in painting order."""

    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        self.defs = []
        self.body = []
        self.patterns = {}
        if bg:
            self.rect(0, 0, w, h, bg)

    # --- raw shapes -------------------------------------------------------------------
    def add(self, s):
        self.body.append(s)

    @staticmethod
    def _attrs(fill=None, stroke=None, sw=None, extra=None):
        a = ' fill="%s"' % (fill if fill else 'none')
        if stroke:
            a += ' stroke="%s" stroke-width="%s"' % (stroke, sw if sw is not None else 1)
        if extra:
            for k, v in extra.items():
                a += ' %s="%s"' % (k.replace('_', '-'), v)
        return a

    def rect(self, x, y, w, h, fill, stroke=None, sw=None, rx=None, **extra):
        if w <= 0 or h <= 0:
            return
        r = ' rx="%s"' % rx if rx else ''
        self.add('<rect x="%s" y="%s" width="%s" height="%s"%s%s/>' %
                 (x, y, w, h, r, self._attrs(fill, stroke, sw, extra)))

    def frame(self, x, y, w, h, colour, t=1):
        """A hollow rectangle t pixels thick drawn inside (x, y, w, h)."""
        self.rect(x, y, w, t, colour)
        self.rect(x, y + h - t, w, t, colour)
        self.rect(x, y + t, t, h - 2 * t, colour)
        self.rect(x + w - t, y + t, t, h - 2 * t, colour)

    def poly(self, pts, fill, stroke=None, sw=None, **extra):
        p = ' '.join('%s,%s' % (a, b) for a, b in pts)
        self.add('<polygon points="%s"%s/>' % (p, self._attrs(fill, stroke, sw, extra)))

    def polyline(self, pts, stroke, sw=1, **extra):
        p = ' '.join('%s,%s' % (a, b) for a, b in pts)
        extra.setdefault('stroke_linejoin', 'round')
        self.add('<polyline points="%s"%s/>' % (p, self._attrs(None, stroke, sw, extra)))

    def circle(self, cx, cy, r, fill, stroke=None, sw=None, **extra):
        self.add('<circle cx="%s" cy="%s" r="%s"%s/>' % (cx, cy, r, self._attrs(fill, stroke, sw, extra)))

    def ellipse(self, cx, cy, rx, ry, fill, stroke=None, sw=None, **extra):
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s/>' %
                 (cx, cy, rx, ry, self._attrs(fill, stroke, sw, extra)))

    def path(self, d, fill, stroke=None, sw=None, **extra):
        self.add('<path d="%s"%s/>' % (d, self._attrs(fill, stroke, sw, extra)))

    def line(self, x1, y1, x2, y2, stroke, sw=1, **extra):
        self.add('<line x1="%s" y1="%s" x2="%s" y2="%s"%s/>' %
                 (x1, y1, x2, y2, self._attrs(None, stroke, sw, extra)))

    def begin(self, transform=None, clip=None):
        a = ''
        if transform:
            a += ' transform="%s"' % transform
        if clip:
            a += ' clip-path="url(#%s)"' % clip
        self.add('<g%s>' % a)

    def end(self):
        self.add('</g>')

    def clip_rect(self, cid, x, y, w, h):
        self.defs.append('<clipPath id="%s"><rect x="%s" y="%s" width="%s" height="%s"/></clipPath>' %
                         (cid, x, y, w, h))
        return cid

    def clip_path(self, cid, d):
        self.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d))
        return cid

    # --- pixels and text ----------------------------------------------------------------
    def pixels(self, pts, fill, ox=0, oy=0, scale=1):
        """Exact pixels as one path; horizontal runs are merged."""
        if not pts:
            return
        rows = {}
        for x, y in pts:
            rows.setdefault(y, set()).add(x)
        d = []
        for y in sorted(rows):
            xs = sorted(rows[y])
            start = prev = xs[0]
            for x in xs[1:] + [None]:
                if x is not None and x == prev + 1:
                    prev = x
                    continue
                d.append('M%s %sh%sv%sh-%sz' % (ox + start * scale, oy + y * scale,
                                               (prev - start + 1) * scale, scale,
                                               (prev - start + 1) * scale))
                if x is not None:
                    start = prev = x
        self.add('<path d="%s" fill="%s"/>' % (''.join(d), fill))

    def bitmap(self, x, y, rows, colours, scale=1):
        """Pixel art from strings; each character maps to a colour ('.' and ' ' are skipped)."""
        by = {}
        for j, r in enumerate(rows):
            for i, c in enumerate(r):
                if c in colours and colours[c]:
                    by.setdefault(colours[c], []).append((i, j))
        for col, pts in by.items():
            self.pixels(pts, col, x, y, scale)

    def text(self, x, y, s, fill, font=None, bold=False, scale=1, align='left', spacing=1,
             shadow=None, outline=None):
        """Pixel-font text; x is the left edge, the centre or the right edge by align."""
        font = font or pixfont.FONT5
        pts, w, h = pixfont.TextPixels(s, font, bold, spacing)
        if align == 'center':
            x = x - (w * scale) // 2
        elif align == 'right':
            x = x - w * scale
        if outline:
            ring = set()
            for px, py in pts:
                for dx in (-1, 0, 1):
                    for dy in (-1, 0, 1):
                        ring.add((px + dx, py + dy))
            self.pixels(sorted(ring), outline, x - 0, y, scale)
        if shadow:
            self.pixels(pts, shadow, x + scale, y + scale, scale)
        self.pixels(pts, fill, x, y, scale)
        return w * scale, h * scale

    @staticmethod
    def text_width(s, font=None, bold=False, scale=1, spacing=1):
        return pixfont.TextPixels(s, font or pixfont.FONT5, bold, spacing)[1] * scale

    # --- fills --------------------------------------------------------------------------
    def mix(self, c1, c2, level=2):
        """Ordered-dither fill of two colours: level 1, 2 or 3 quarters of c2."""
        key = (c1, c2, level)
        if key not in self.patterns:
            pid = 'm%d' % len(self.patterns)
            self.patterns[key] = pid
            cells = {1: [(0, 0)], 2: [(0, 0), (1, 1)], 3: [(0, 0), (1, 1), (1, 0)]}[level]
            r = ''.join('<rect x="%d" y="%d" width="1" height="1" fill="%s"/>' % (a, b, c2) for a, b in cells)
            self.defs.append('<pattern id="%s" width="2" height="2" patternUnits="userSpaceOnUse">'
                             '<rect width="2" height="2" fill="%s"/>%s</pattern>' % (pid, c1, r))
        return 'url(#%s)' % self.patterns[key]

    def vbands(self, x, y, w, h, colours, dither=True):
        """A vertical gradient through the colours as even bands, dithered at the joins."""
        n = len(colours)
        if n == 1:
            self.rect(x, y, w, h, colours[0])
            return
        steps = []
        for i, c in enumerate(colours):
            steps.append(c)
            if dither and i + 1 < n:
                steps.append(self.mix(c, colours[i + 1], 2))
        k = len(steps)
        for i, c in enumerate(steps):
            y0 = y + (h * i) // k
            y1 = y + (h * (i + 1)) // k
            self.rect(x, y0, w, y1 - y0, c)

    def hbands(self, x, y, w, h, colours, dither=True):
        n = len(colours)
        steps = []
        for i, c in enumerate(colours):
            steps.append(c)
            if dither and i + 1 < n:
                steps.append(self.mix(c, colours[i + 1], 2))
        k = len(steps)
        for i, c in enumerate(steps):
            x0 = x + (w * i) // k
            x1 = x + (w * (i + 1)) // k
            self.rect(x0, y, x1 - x0, h, c)

    def bevel(self, x, y, w, h, face, light, dark, t=1, pressed=False):
        """A raised (or pressed-in) box: light top and left edges, dark bottom and right."""
        if pressed:
            light, dark = dark, light
        self.rect(x, y, w, h, dark)
        self.rect(x, y, w - t, h - t, light)
        self.rect(x + t, y + t, w - 2 * t, h - 2 * t, face)

    # --- output -------------------------------------------------------------------------
    def svg(self):
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
                'shape-rendering="crispEdges">\n' % (self.w, self.h, self.w, self.h))
        defs = '<defs>\n%s\n</defs>\n' % '\n'.join(self.defs) if self.defs else ''
        return head + defs + '\n'.join(self.body) + '\n</svg>\n'

    def save(self, path, what):
        """Writes the picture with a two-line note: what it shows and which script draws it."""
        main = os.path.abspath(sys.modules['__main__'].__file__)
        parts = main.split(os.sep)
        script = '/'.join(parts[parts.index('games'):]) if 'games' in parts else os.path.basename(main)
        name = os.path.splitext(os.path.basename(path))[0]
        note = ('<!-- Bitmap %s: %s. -->\n<!-- Drawn by %s; change the script and run it again rather '
                'than editing this file. -->\n' % (name, what, script))
        with open(path, 'w') as f:
            f.write(note + self.svg())


def Cut(w, h, pieces, draw):
    """A picture of w x h cut from whole drawings stacked top to bottom: each piece is (x, y,
    state), the rectangle at (x, y) of draw(svg, state), one piece height h / len(pieces)."""
    s = Svg(w, h)
    step = h // len(pieces)
    for i, (x, y, state) in enumerate(pieces):
        s.begin(clip=s.clip_rect('cut%d' % i, 0, step * i, w, step))
        s.begin('translate(%d,%d)' % (-x, -y + step * i))
        draw(s, state)
        s.end()
        s.end()
    return s


ART_COMMON = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
