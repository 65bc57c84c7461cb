#!/usr/bin/env bash
# Waits up to 10 s for a box of tl380cfg.exe beside its main window (a window of its own, named as the
# program), gives it the keyboard with a click on its icon and writes the text that Ctrl+C copies from
# it into FILE; exits 1 when no box came. On the X server of DISPLAY.
#   box-text.sh MAIN_WINDOW FILE
set -euo pipefail
window=$1 file=$2
box=""
for _ in $(seq 20); do
    box=$(xdotool search --onlyvisible --name '^tl380cfg$' 2>/dev/null | grep -vx "$window" | head -n1) || true
    [ -n "$box" ] && break
    sleep 0.5
done
[ -n "$box" ] || exit 1
sleep 1
xdotool mousemove --sync --window "$box" 25 25 click 1
sleep 0.5
echo -n | xclip -selection clipboard
xdotool key ctrl+c
sleep 0.5
timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$file" || true
