#!/bin/sh
# Draws every bitmap source and icon of game No.7 (games/kv4407/art/<id>.svg, icons/) from the
# scripts beside this file; run it after changing a script and commit the scripts and the SVG
# files together. The family's check and mock take the game number:
# ../../../kv4402/art/src/check_face.py 7 and ../../../kv4402/art/src/mock_play.py 7.
set -e
cd "$(dirname "$0")"
for script in symbols.py face.py hallmachine.py title.py icons.py; do
  python3 -B "$script"
done
