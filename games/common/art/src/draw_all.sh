#!/bin/sh
# Draws every shared bitmap source (games/common/art/<id>.svg) from the scripts beside this
# file; run it after changing a script and commit the scripts and the SVG files together.
set -e
cd "$(dirname "$0")"
for script in glyphs.py panel.py buttons.py hall.py; do
  python3 -B "$script"
done
