#!/bin/sh
# Draws every bitmap source of game No.4 (games/kv4404/art/<id>.svg) from the scripts beside
# this file; run it after changing a script, then check_face.py, and commit scripts and SVGs together.
set -e
cd "$(dirname "$0")"
for script in symbols.py face.py hallmachine.py title.py; do
  python3 -B "$script"
done
