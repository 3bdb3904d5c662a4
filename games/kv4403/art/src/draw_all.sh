#!/bin/sh
# Draws every bitmap source of game No.3 (games/kv4403/art/<id>.svg) and its icons from the
# scripts beside this file; run it after changing a script and commit the scripts and the SVGs.
set -e
cd "$(dirname "$0")"
for script in symbols.py face.py hallmachine.py title.py icons.py; do
  python3 -B "$script"
done
