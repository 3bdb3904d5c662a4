#!/bin/sh
# Draws every bitmap source and icon of game No.2 (games/kv4402/art/<id>.svg, icons/) from the
# scripts beside this file; run it after changing a script and commit the scripts and the SVG
# files together. check_face.py 2 and mock_play.py 2 then check and show the result.
set -e
cd "$(dirname "$0")"
for script in symbols.py face.py hallmachine.py title.py icons.py; do
  python3 -B "$script"
done
