#!/bin/sh
# Draws every bitmap source of game No.5 (games/kv4405/art/<id>.svg) from the scripts beside
# this file; run it after changing a script and commit the scripts and the SVG files together.
set -e
cd "$(dirname "$0")"
for script in symbols.py face.py hallmachine.py title.py; do
  python3 -B "$script"
done
