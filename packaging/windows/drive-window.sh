#!/usr/bin/env bash
# Drives tl380cfg.exe under wine as a user would, with xdotool on the X server of DISPLAY: starts it with
# PROFILE (in SCRATCH_FOLDER) on its command line, picks the serial link, types COM5 into "COM Port:",
# presses "Open" and "Communication Test", then copies what "Model Number:" shows through the clipboard;
# then presses "Write Profile…" and copies its summary into SCRATCH_FOLDER/write-summary.txt. Part of
# scripts/test-windows.sh, which maps COM5 to the simulator first.
#   drive-window.sh TL380CFG.EXE SCRATCH_FOLDER SCREENSHOT.png EXPECTED_MODEL PROFILE
set -euo pipefail
exe=$1 scratch=$2 shot=$3 expected=$4 profile=$5
pid=""
fail() {
    echo "FAIL: $*" >&2
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    exit 1
}

# shellcheck source=packaging/windows/start-window.sh
source "$(dirname "$0")/start-window.sh"
start_window "$scratch" "$scratch/window-output.txt" wine "$exe" --trace window-trace.txt "$profile" ||
    fail "tl380cfg.exe mapped no window"
pid=$window_pid

# The controls of the "System Parameter" page, at their places in the window: the page lies at
# (11, 92) of the window (wine 8 on an X server without a window manager: no frame).
page_left=11 page_top=92
at() { xdotool mousemove --sync --window "$window" $((page_left + $1)) $((page_top + $2)); }
click() {
    at "$1" "$2"
    xdotool click 1
    sleep 0.5
}
sleep 2
# "Communication Connection:" (its arrow): the list opens on "COM Serial Communication"; Return picks it.
click 340 19
xdotool key Return
sleep 0.5
# "COM Port:": its text replaced by COM5.
click 450 19
xdotool key ctrl+a
xdotool type --delay 50 COM5
click 557 19 # "Open"
click 668 19 # "Communication Test"
sleep 3
# "Model Number:": its text, copied.
click 240 49
xdotool key ctrl+a ctrl+c
sleep 0.5
shown=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
import -window root "$shot"
echo "\"Model Number:\" shows \"$shown\" (screenshot $shot)"
[ "$shown" = "$expected" ] || {
    cat "$scratch/window-trace.txt" >&2 2>/dev/null || true
    fail "\"Model Number:\" shows \"$shown\", not \"$expected\""
}

# "Write Profile…" at the right end of the strip below "Receive Buffer" (the window's own coordinates):
# its progress dialog comes and goes, then the summary box holds the focus; Ctrl+C copies its text.
xdotool mousemove --sync --window "$window" 769 581 click 1
timeout 10 xdotool search --sync --onlyvisible --name '^Write Profile$' >/dev/null 2>&1 ||
    fail "\"Write Profile…\" showed no progress"
for _ in $(seq 240); do
    xdotool search --onlyvisible --name '^Write Profile$' >/dev/null 2>&1 || break
    sleep 0.5
done
xdotool search --onlyvisible --name '^Write Profile$' >/dev/null 2>&1 && fail "\"Write Profile…\" did not end within 2 min"
"$(dirname "$0")/box-text.sh" "$window" "$scratch/write-summary.txt" || fail "\"Write Profile…\" showed no summary box"
import -window root "${shot%.png}-write.png"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
[ -s "$scratch/write-summary.txt" ] || fail "\"Write Profile…\" showed no summary"
echo "\"Write Profile…\" says: $(grep -m1 ' changed, ' "$scratch/write-summary.txt") (screenshot ${shot%.png}-write.png)"
