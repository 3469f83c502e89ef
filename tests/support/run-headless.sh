#!/usr/bin/env bash
# Runs one test under an X server of its own. Xvfb picks a free display number itself
# (-displayfd), so test runs side by side, in one build or several, never collide.
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 30 display <"$fifo"
DISPLAY=":$display" "$@"
