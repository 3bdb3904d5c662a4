# The artist's stand-in for the game's screen surface: rendered pictures as RGB pixels, and the
# look strips built from them the way the game builds them from the description at start-up.
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
import gamedesc  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
ART = os.path.normpath(os.path.join(HERE, '..'))
KEY = (0x00, 0x80, 0x80)
PAY_LINE = (0x80, 0x80, 0x00)


class Image:
    def __init__(self, w, h, data=None):
        self.w, self.h = w, h
        self.data = data if data is not None else bytearray(3 * w * h)

    @staticmethod
    def Load(png):
        raw = subprocess.check_output(['convert', png, '-alpha', 'off', '-depth', '8', 'ppm:-'])
        # P6 header: magic, width, height, maxval, each followed by whitespace
        fields, pos = [], 0
        while len(fields) < 4:
            while raw[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not raw[end:end + 1].isspace():
                end += 1
            fields.append(raw[pos:end])
            pos = end
        w, h = int(fields[1]), int(fields[2])
        return Image(w, h, bytearray(raw[pos + 1:pos + 1 + 3 * w * h]))

    def Pixel(self, x, y):
        i = 3 * (y * self.w + x)
        return tuple(self.data[i:i + 3])

    def Set(self, x, y, rgb):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = 3 * (y * self.w + x)
            self.data[i:i + 3] = bytes(rgb)

    def Crop(self, x, y, w, h):
        out = Image(w, h)
        for j in range(h):
            src = 3 * ((y + j) * self.w + x)
            out.data[3 * j * w:3 * (j + 1) * w] = self.data[src:src + 3 * w]
        return out

    def Paste(self, img, x, y):
        for j in range(img.h):
            dst = 3 * ((y + j) * self.w + x)
            self.data[dst:dst + 3 * img.w] = img.data[3 * j * img.w:3 * (j + 1) * img.w]

    def PasteSprite(self, img, x, y):
        """Paints a sprite: its key-coloured pixels leave what is below."""
        for j in range(img.h):
            for i in range(img.w):
                c = img.Pixel(i, j)
                if c != KEY:
                    self.Set(x + i, y + j, c)

    def And(self, img, x, y):
        for j in range(img.h):
            for i in range(img.w):
                a, b = self.Pixel(x + i, y + j), img.Pixel(i, j)
                self.Set(x + i, y + j, tuple(p & q for p, q in zip(a, b)))

    def Line(self, x0, y0, x1, y1, rgb):
        """A one-pixel line with its end point left out, as the game's pen draws it."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        err = dx + dy
        x, y = x0, y0
        while (x, y) != (x1, y1):
            self.Set(x, y, rgb)
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x += sx
            if e2 <= dx:
                err += dx
                y += sy

    def Differences(self, other):
        return sum(1 for i in range(0, len(self.data), 3) if self.data[i:i + 3] != other.data[i:i + 3])

    def Colours(self):
        return {tuple(self.data[i:i + 3]) for i in range(0, len(self.data), 3)}

    def Save(self, png):
        ppm = png + '.ppm'
        with open(ppm, 'wb') as f:
            f.write(b'P6\n%d %d\n255\n' % (self.w, self.h))
            f.write(bytes(self.data))
        subprocess.check_call(['convert', ppm, png])
        os.remove(ppm)
        return png


def Render(svg, name=None):
    """An SVG rendered at its own size into the preview folder, as pixels."""
    os.makedirs(D, exist_ok=True)
    png = os.path.join(D, (name or os.path.splitext(os.path.basename(svg))[0]) + '.png')
    subprocess.check_call(['rsvg-convert', '-o', png, svg])
    return Image.Load(png)


def Bitmap(ident):
    return Render(os.path.join(ART, '%d.svg' % ident), 'g3-%d' % ident)


class Face:
    """The screen surface with the face copied in, and the look strips built from it in the
    description's order: face looks sample the surface as it stands, paints stay on it."""

    def __init__(self, game=3):
        self.desc = gamedesc.Load(game)
        self.bitmaps = {}
        self.screen = self.Bitmap(502).Crop(0, 0, 480, 432)
        self.strips = {}
        for strip in self.desc.data['strips']:
            self.strips[strip['name']] = self.BuildStrip(strip, self.screen)

    def Bitmap(self, ident):
        if ident not in self.bitmaps:
            self.bitmaps[ident] = Bitmap(ident)
        return self.bitmaps[ident]

    def BuildStrip(self, strip, screen):
        kind = strip.get('kind')
        if kind in ('reels', 'shade'):
            return None
        w, h = strip['w'], strip['h']
        if kind == 'whole':
            pic = self.Bitmap(strip['bitmap'])
            return [pic.Crop(0, k * h, w, h) for k in range(pic.h // h)]
        looks = []
        for look in strip['looks']:
            if 'paint' in look:
                sx, sy = look['paint'].get('from', [0, 0])
                sprite = self.Bitmap(look['paint']['sprite']).Crop(sx, sy, w, h)
                screen.PasteSprite(sprite, *look['face'])
            if 'face' in look:
                looks.append(screen.Crop(look['face'][0], look['face'][1], w, h))
            else:
                sx, sy = look.get('from', [0, 0])
                looks.append(self.Bitmap(look['bitmap']).Crop(sx, sy, w, h))
        return looks

    def HallStrips(self):
        """The hall machine's look strips, cut from 513 and 515."""
        return {strip['name']: self.BuildStrip(strip, None)
                for strip in self.desc.data.get('hall', {}).get('strips', [])}

    def Part(self, strip):
        for p in self.desc.data['parts']:
            if p.get('strip') == strip:
                return p
        raise KeyError(strip)
