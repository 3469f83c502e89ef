#!/usr/bin/env bash
# Takes the README's pictures of the browser and of the text pad, on a private Xvfb display.
# Usage: scripts/screenshots.sh [path to webviewer]   (default: build/webviewer)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$here/build/webviewer}
out=$here/docs

for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "Installing xvfb, xdotool and imagemagick for the screenshots"
        apt-get install -y -qq --no-install-recommends xvfb xdotool imagemagick >/dev/null
        break
    fi
done

display=:$((RANDOM % 400 + 600))
Xvfb "$display" -screen 0 900x640x24 -nolisten tcp &
xvfb_pid=$!
workdir=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT
export DISPLAY=$display
# The preview runs as whoever calls it; the engine's sandbox cannot run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

# A copy of the program keeps its data files away from the build.
cp "$program" "$workdir/webviewer"
cp "$(dirname "$program")/libwebviewer_engine.so" "$workdir/"
"$workdir/webviewer" >/dev/null 2>&1 &
program_pid=$!

xdotool search --sync --onlyvisible --name '^Web Viewer$' >/dev/null
sleep 4 # let the first page paint; the frame's window is final by then
frame=$(xdotool search --onlyvisible --name '^Web Viewer$' | head -n 1)
mkdir -p "$out"
import -window root "$out/browser.png"

# View > Source Code opens a text pad holding the page's markup.
xdotool windowfocus --sync "$frame" key --clearmodifiers alt+v
sleep 0.5
xdotool key c
pad=$(xdotool search --sync --onlyvisible --name "Quillstep" | head -n 1)
sleep 1.5
import -window "$pad" "$out/textpad.png"
echo "Saved $out/browser.png and $out/textpad.png"
