# Artist's preview: renders SVG sources at 1:1, reports colours outside the game palette
# and the key colour in use, and writes palette-mapped and enlarged copies to look at.
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from artkit import LEVELS, Svg  # noqa: E402

OUT = os.environ.get('ART_PREVIEW', '/tmp/artprev')


def PalettePng():
    path = os.path.join(OUT, 'palette.png')
    if not os.path.exists(path):
        s = Svg(64, 1)
        i = 0
        for r in LEVELS:
            for g in LEVELS:
                for b in LEVELS:
                    s.rect(i, 0, 1, 1, '#%02X%02X%02X' % (r, g, b))
                    i += 1
        s.save(path + '.svg', 'the 64 game colours')
        subprocess.check_call(['rsvg-convert', '-o', path, path + '.svg'])
    return path


def Size(svg):
    head = open(svg).read(4000)
    w = int(re.search(r'width="(\d+)"', head).group(1))
    h = int(re.search(r'height="(\d+)"', head).group(1))
    return w, h


def Preview(svg, scale):
    name = os.path.splitext(os.path.basename(svg))[0]
    w, h = Size(svg)
    png = os.path.join(OUT, name + '.png')
    subprocess.check_call(['rsvg-convert', '-w', str(w), '-h', str(h), '-o', png, svg])
    hist = subprocess.check_output(['convert', png, '-alpha', 'off', '-format', '%c', 'histogram:info:-']).decode()
    off = 0
    key = 0
    for line in hist.splitlines():
        m = re.match(r'\s*(\d+):.*#([0-9A-F]{6})', line)
        if not m:
            continue
        n, c = int(m.group(1)), m.group(2)
        if not all(int(c[i:i + 2], 16) in LEVELS for i in (0, 2, 4)):
            off += n
        if c == '008080':
            key += n
    alpha = subprocess.check_output(['convert', png, '-format', '%[opaque]', 'info:']).decode()
    mapped = os.path.join(OUT, name + '-pal.png')
    subprocess.check_call(['convert', png, '-alpha', 'off', '+dither', '-remap', PalettePng(), mapped])
    big = os.path.join(OUT, name + '-x%d.png' % scale)
    subprocess.check_call(['convert', mapped, '-filter', 'point', '-resize', '%d%%' % (scale * 100), big])
    print('%-6s %4dx%-4d off-palette %6d  key %6d  opaque %s' % (name, w, h, off, key, alpha.strip()))


if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    scale = 3
    args = sys.argv[1:]
    if args and args[0].startswith('-x'):
        scale = int(args[0][2:])
        args = args[1:]
    for a in args:
        Preview(a, scale)
