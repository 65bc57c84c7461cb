# shellcheck shell=bash
# Sourced by drive-window.sh and scripts/test-windows.sh: starts tl380cfg.exe under wine and waits for
# its main window on the X server of DISPLAY.
#
#   start_window FOLDER LOG COMMAND...
# runs COMMAND (wine and the program, with an env in front where the language is set) in FOLDER, its
# output in LOG, and sets window_pid and window (the X window's id). Each try waits 30 s. When no window
# comes, it says what may tell why (whether the program still runs, its output, the windows that do
# show), stops wine and starts the program once more: a start under wine that showed no window was
# seen in CI, and did not come again. A second try without a window returns 1.
start_window() {
    local folder=$1 log=$2 try started
    shift 2
    for try in 1 2; do
        started=$(date +%s%N)
        (cd "$folder" && exec "$@" >"$log" 2>&1) &
        window_pid=$!
        window=$(timeout 30 xdotool search --sync --onlyvisible --class tl380cfg.exe 2>/dev/null | head -n1) || true
        if [ -n "$window" ]; then
            echo "window mapped after $((($(date +%s%N) - started) / 1000000)) ms"
            return 0
        fi
        if kill -0 "$window_pid" 2>/dev/null; then
            echo "tl380cfg.exe runs but shows no window after 30 s" >&2
        else
            echo "tl380cfg.exe ended with no window" >&2
        fi
        echo "its output, the last lines:" >&2
        tail -n 30 "$log" >&2 2>/dev/null || true
        echo "the windows that show:" >&2
        local shown
        for shown in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
            echo "  $shown \"$(xdotool getwindowname "$shown" 2>/dev/null)\"" >&2
        done
        kill "$window_pid" 2>/dev/null || true
        wineserver -k 2>/dev/null || true
        wineserver -w
        [ $try -eq 2 ] || echo "wine stopped; tl380cfg.exe started once more" >&2
    done
    window_pid=""
    return 1
}
