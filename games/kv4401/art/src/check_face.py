# Artist's check that the Orlido 2 pictures fit the places the game copies them to: looks
# cut from the face match it, the shared stop-button look fits all three buttons, the digit
# strip and the shade band hold only what the OR and AND copies allow.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import face  # noqa: E402
from artkit import Svg  # noqa: E402
from checkkit import Colours, Crop, Differ, Expect, Failures, Render  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
ART = os.path.join(HERE, '..')


def FaceWith(state, x, y, w, h, name):
    s = Svg(w, h)
    s.begin('translate(%d,%d)' % (-x, -y))
    face.DrawFace(s, state)
    s.end()
    path = os.path.join(D, name + '.svg')
    with open(path, 'w') as f:
        f.write(s.svg())
    return Render(path, os.path.join(D, name + '.png'))


if __name__ == '__main__':
    os.makedirs(D, exist_ok=True)
    f502 = Render(os.path.join(ART, '502.svg'), os.path.join(D, 'cf-502.png'))
    looks = [Crop(f502, w, h, x, y, os.path.join(D, 'cf-stop%d.png' % r))
             for r, (x, y, w, h) in enumerate(face.STOP_BTN)]
    Expect('the three stop buttons look alike released', Differ(looks[0], looks[1]) == 0 and
           Differ(looks[0], looks[2]) == 0)
    pressed = [FaceWith(('button%d' % r,), x, y, w, h, 'cf-press%d' % r)
               for r, (x, y, w, h) in enumerate(face.STOP_BTN)]
    p602 = Render(os.path.join(ART, '602.svg'), os.path.join(D, 'cf-602.png'))
    Expect('602 is the pressed look of all three buttons', all(Differ(p602, p) == 0 for p in pressed))
    p605 = Render(os.path.join(ART, '605.svg'), os.path.join(D, 'cf-605.png'))
    w, h = face.STOP_W, face.STOP_H
    pictures = [Crop(p605, w, h, 0, h * k, os.path.join(D, 'cf-605%s.png' % 'ab'[k]))
                for k in range(max(face.STOP_PICTURES) + 1)]
    for r, k in enumerate(face.STOP_PICTURES):
        x, y = face.STOP_LAMP[r]
        lit = FaceWith(('stop%d' % r,), x, y, w, h, 'cf-lamp%d' % r)
        Expect('605 picture %d is the lit STOP lamp of reel %d' % (k, r + 1), Differ(pictures[k], lit) == 0)
    for name, svg, (x, y, w, h), state in (('601', '601.svg', face.LEVER, 'lever'),
                                           ('603', '603.svg', face.BET_BTN, 'bet'),
                                           ('606', '606.svg', face.MEDAL_LAMP + (face.MEDAL_W, face.MEDAL_H), 'medal'),
                                           ('608', '608.svg', face.BIG_LAMP + (face.BIG_W, face.BIG_H), 'big')):
        pic = Render(os.path.join(ART, svg), os.path.join(D, 'cf-%s.png' % name))
        Expect('%s matches the face drawn %s' % (name, state),
               Differ(pic, FaceWith((state,), x, y, w, h, 'cf-f' + name)) == 0)
        Expect('%s differs from the face unlit/released' % name,
               Differ(pic, Crop(f502, w, h, x, y, os.path.join(D, 'cf-u%s.png' % name))) > 0)
    wait_off = Crop(f502, face.WAIT_W, face.WAIT_H, face.WAIT_OFF[0], face.WAIT_OFF[1],
                    os.path.join(D, 'cf-waitoff.png'))
    Expect('WAIT off look is plain black', Colours(wait_off) == {'000000'})
    wait_on = Crop(f502, face.WAIT_W, face.WAIT_H, face.WAIT_ON[0], face.WAIT_ON[1],
                   os.path.join(D, 'cf-waiton.png'))
    Expect('WAIT on look carries the label', len(Colours(wait_on)) > 1)
    digits = Render(os.path.join(ART, '609.svg'), os.path.join(D, 'cf-609.png'))
    point = Crop(digits, face.DIGIT_W, face.DIGIT_H, 0, face.DIGIT_H * 11, os.path.join(D, 'cf-point.png'))
    Expect('decimal point glyph is black and one lit colour', Colours(point) == {'000000', 'FF0000'})
    dark = [Colours(Crop(digits, 2, 2, 14, face.DIGIT_H * g + 20, os.path.join(D, 'cf-dp%d.png' % g))) == {'000000'}
            for g in range(11)]
    Expect('every glyph is black under the decimal point', all(dark))
    reels = face.DESC.reels
    symbols = Render(os.path.join(ART, '%d.svg' % reels['symbols']), os.path.join(D, 'cf-600.png'))
    shade = Crop(symbols, reels['w'], face.Size(reels['symbols'])[1] - reels['shadeY'], 0, reels['shadeY'],
                 os.path.join(D, 'cf-shade.png'))
    Expect('shade band is only black and white', Colours(shade) == {'000000', 'FFFFFF'})
    sys.exit(Failures())
