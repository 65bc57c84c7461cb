#!/usr/bin/env bash
# The Windows checks, under wine on a headless X server with a fresh wine prefix in a temporary folder:
#  1. the protocol and link tests, cross-built, run by CTest through wine;
#  2. the installer installs silently, per user, with the licence texts beside the programs; both
#     programs report their version, on the command line and in their version resource;
#  3. the installed tl380ctl.exe reads the Linux simulator over COM5 (mapped to its pseudo-terminal) and
#     gets the same profile, byte for byte, as the Linux tl380ctl; write then diff over COM5 and over
#     the gateway on 127.0.0.1;
#  4. the installed tl380cfg.exe, started with a profile on its command line, maps its window and,
#     driven with xdotool, shows the simulator's model after "Communication Test" and writes the profile
#     with "Write Profile…", which tl380ctl.exe then finds in the simulator over COM5 (screenshots in
#     dist/);
#  5. the same window under LANG=zh_CN.UTF-8 shows its texts and Qt's own in Chinese (a screenshot
#     in dist/);
#  6. the uninstaller removes every file the installer put down.
# Builds what it needs through scripts/build-windows.sh (Qt for Windows too, when it is not cached).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

TL380_WIN_TESTS=ON "$root/scripts/build-windows.sh"
# shellcheck source=scripts/windows-env.sh
source "$root/scripts/windows-env.sh"
version=$(sed -n 's/^project(tl380cfg VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
installer=$root/dist/tl380cfg-$version-setup.exe
# The Linux programs the results are held against.
linux=$root/build
[ -f "$linux/CMakeCache.txt" ] || cmake -S "$root" -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux" --target tl380sim tl380ctl >/dev/null

scratch=$(mktemp -d)
sim_pid="" xvfb_pid="" gui_pid="" far_pid=""
cleanup() {
    [ -z "$gui_pid" ] || kill "$gui_pid" 2>/dev/null || true
    [ -z "$far_pid" ] || kill "$far_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
# TL380_WINEDEBUG: wine's own messages, e.g. err+all (none by default).
export WINEPREFIX=$scratch/wine WINEDEBUG=${TL380_WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
DISPLAY=:$(cat "$scratch/display")
export DISPLAY
wineboot --init >/dev/null 2>&1
wineserver -w

echo "== the protocol and link tests under wine"
ctest --test-dir "$TL380_WIN_BUILD" --output-on-failure --timeout 300 || fail "tests under wine"

echo "== the installer, silently"
size=$(stat -c %s "$installer")
[ "$size" -le $((12 * 1024 * 1024)) ] || fail "the installer has $size bytes, more than 12 MB"
wine "$installer" /S
wineserver -w
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
installed=$user_dir/AppData/Local/Programs/tl380cfg
[ -f "$installed/tl380cfg.exe" ] && [ -f "$installed/tl380ctl.exe" ] && [ -f "$installed/uninstall.exe" ] ||
    fail "the installer put no programs into $installed"
start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/tl380cfg"
[ -f "$start_menu/tl380cfg.lnk" ] && [ -f "$start_menu/tl380ctl.lnk" ] || fail "no Start-menu entries"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\tl380cfg' /v UninstallString \
    >/dev/null 2>&1 || fail "the uninstaller is not listed"
# The installed program runs with the DLLs beside it only.
for program in tl380ctl tl380cfg; do
    wine "$installed/$program.exe" --version | tr -d '\r' | grep -qx "$program $version" ||
        fail "the installed $program.exe does not start or does not report $version"
    # What Explorer's "Details" shows: each value follows its name among the resource's strings.
    resource=$(strings -el -n 3 "$installed/$program.exe")
    for entry in "ProductName tl380cfg" "ProductVersion $version" "FileVersion $version" \
        "OriginalFilename $program.exe"; do
        grep -A1 -x "${entry%% *}" <<<"$resource" | tail -n1 | grep -qx "${entry#* }" ||
            fail "$program.exe: no ${entry%% *} \"${entry#* }\" in its version resource"
    done
    grep -A1 -x LegalCopyright <<<"$resource" | grep -q "MIT License" || fail "$program.exe: no licence in its version resource"
done
echo "both programs report version $version, on the command line and in their version resource"
for text in LGPL-3 GPL-3; do
    tr -d '\r' <"$installed/$text.txt" | cmp -s - "/usr/share/common-licenses/$text" ||
        fail "the installed folder has no $text.txt as Debian ships it"
done
[ -f "$installed/LICENSE.txt" ] || fail "the installed folder has no LICENSE.txt"
cmp -s "$installed/translations/qtbase_zh_CN.qm" /usr/share/qt6/translations/qtbase_zh_CN.qm ||
    fail "the installed folder has no translations/qtbase_zh_CN.qm for Qt's own texts in Chinese"
if ! grep -q "Qt $TL380_QT_VERSION " "$installed/THIRD-PARTY.txt" || grep -q @ "$installed/THIRD-PARTY.txt"; then
    fail "THIRD-PARTY.txt does not name Qt $TL380_QT_VERSION"
fi
echo "installed into $(find "$installed" -type f | wc -l) files with the licence texts; Start menu and Apps entries present"

echo "== the simulator on COM5 and 127.0.0.1"
"$linux/sim/tl380sim" --serial "$scratch/ttyTL380" --tcp 0 --listen 127.0.0.1 >"$scratch/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q '^tcp: ' "$scratch/sim.log" && break; sleep 0.1; done
pty=$(sed -n 's/^serial: .* (\(.*\))$/\1/p' "$scratch/sim.log")
port=$(sed -n 's/^tcp: 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$scratch/sim.log")
[ -n "$pty" ] && [ -n "$port" ] || { cat "$scratch/sim.log" >&2; fail "the simulator did not start"; }
# COM6: a far end that answers with the byte patterns of the framing rules.
python3 "$root/packaging/windows/serial-far-end.py" >"$scratch/far-end.txt" &
far_pid=$!
for _ in $(seq 50); do [ -s "$scratch/far-end.txt" ] && break; sleep 0.1; done
far_end=$(head -n1 "$scratch/far-end.txt")
[ -n "$far_end" ] || fail "the far end did not start"
# Wine makes its COM ports from this key when it starts.
wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /t REG_SZ /d "$pty" /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Wine\Ports' /v COM6 /t REG_SZ /d "$far_end" /f >/dev/null 2>&1
wineserver -k || true
wineserver -w

ctl_win() { (cd "$scratch" && wine "$installed/tl380ctl.exe" "$@"); }
ctl_linux() { (cd "$scratch" && "$linux/src/tl380ctl" "$@"); }

# A port the system does not have: a link error with its cause, at once.
set +e
ctl_win --serial COM9 test 2>"$scratch/no-port.txt"
status=$?
set -e
[ $status -eq 3 ] && grep -q "COM9: cannot open: no such device" "$scratch/no-port.txt" ||
    { cat "$scratch/no-port.txt" >&2; fail "tl380ctl.exe on a missing port ended with $status"; }

# The framing, done by the system on Windows: a piece ends at 2048 bytes or after 100 ms of quiet,
# never within shorter gaps; a NUL is a byte like any other. (send prints the whole answer; the trace
# has one line a piece.)
first_piece() {
    rm -f "$scratch/pieces.txt"
    ctl_win --trace pieces.txt --timeout 1 --serial COM6 send "$1" >/dev/null 2>&1 || true
    awk '$3 == "<-" { print $5; exit }' "$scratch/pieces.txt" | tr -d '\r'
}
[ "$(first_piece BURST#)" = "N\x00$(printf 'x%.0s' $(seq 2046))" ] || fail "a 3000-byte burst did not give a first piece of 2048 bytes"
[ "$(first_piece PAUSE#)" = "AB" ] || fail "300 ms of quiet did not end the piece"
[ "$(first_piece TRICKLE#)" = "ABC" ] || fail "gaps of 50 ms split the piece"
echo "framing over COM6: 2048 bytes, 100 ms of quiet, NUL bytes kept"

"$linux/src/tl380ctl" --serial "$pty" read -o "$scratch/linux.json" || fail "the Linux tl380ctl read"
ctl_win --serial COM5 read -o windows.json || fail "tl380ctl.exe --serial COM5 read"
cmp "$scratch/linux.json" "$scratch/windows.json" || fail "the profiles read over COM5 and on Linux differ"
echo "read over COM5: the same $(wc -c <"$scratch/windows.json") bytes as on Linux"

# A new station number and cycle, written by the Windows program, then compared by both programs.
changed() {
    sed -e "s/\"station_number\": \"[0-9]*\"/\"station_number\": \"$1\"/" \
        -e "s/\"transmission_cycle\": \"[^\"]*\"/\"transmission_cycle\": \"$2\"/" "$scratch/$3" >"$scratch/$4"
    grep -q "\"station_number\": \"$1\"" "$scratch/$4" || fail "no station number in the profile"
}
changed 00042 15min windows.json serial.json
# A station number is a collector's own: given for this one, it is written.
ctl_win --serial COM5 write serial.json --set system.station_number=00042 || fail "tl380ctl.exe --serial COM5 write"
ctl_win --serial COM5 diff serial.json || fail "tl380ctl.exe --serial COM5 diff after the write"
ctl_linux --serial "$pty" diff serial.json || fail "the Linux tl380ctl sees another profile than written over COM5"
echo "write then diff over COM5: no difference"

# Over the gateway the system page (the GPRS page and two slots go to the serial port only).
gateway=127.0.0.1:$port
ctl_win --gateway "$gateway" read system -o gateway-read.json || fail "tl380ctl.exe --gateway read"
changed 00077 30min gateway-read.json gateway.json
ctl_win --gateway "$gateway" write gateway.json --set system.station_number=00077 ||
    fail "tl380ctl.exe --gateway write"
ctl_win --gateway "$gateway" diff gateway.json || fail "tl380ctl.exe --gateway diff after the write"
ctl_linux --serial "$pty" diff gateway.json || fail "the Linux tl380ctl sees another profile than written over the gateway"
echo "write then diff over the gateway $gateway: no difference"

echo "== the window"
model=$(ctl_linux --serial "$pty" test | sed -n 's/^model: //p')
# The profile the window opens from its command line and writes: a cycle the collector does not hold
# yet, with the collector's own station number (another one would be kept, after a question).
changed 00077 15min windows.json window.json
"$root/packaging/windows/drive-window.sh" "$installed/tl380cfg.exe" "$scratch" "$root/dist/tl380cfg-windows.png" \
    "$model" window.json || fail "the window under wine"
grep -Eq '^[1-9][0-9]* changed, [0-9]+ already right, 0 failed\.$' "$scratch/write-summary.txt" ||
    { cat "$scratch/write-summary.txt" >&2; fail "\"Write Profile…\" did not report the settings changed"; }
ctl_win --serial COM5 diff window.json || fail "tl380ctl.exe over COM5 does not find the profile the window wrote"
echo "\"Write Profile…\" of the profile on the command line: tl380ctl.exe over COM5 finds no difference"

echo "== the window in Chinese"
# Wine gives the program the user's language from LANG. "Write Profile…" with no link open ends at
# once with its summary box: the window's own texts and Qt's button text, both in Chinese. The English
# window goes first, so that the one found is the new one.
wineserver -k 2>/dev/null || true
wineserver -w
for _ in $(seq 20); do
    xdotool search --onlyvisible --class tl380cfg.exe >/dev/null 2>&1 || break
    sleep 0.5
done
# shellcheck source=packaging/windows/start-window.sh
source "$root/packaging/windows/start-window.sh"
start_window "$scratch" "$scratch/window-zh-output.txt" env LANG=zh_CN.UTF-8 wine "$installed/tl380cfg.exe" ||
    fail "tl380cfg.exe under LANG=zh_CN.UTF-8 mapped no window"
gui_pid=$window_pid
sleep 2
# A click on an empty spot gives the window the pointer, then "Write Profile…".
xdotool mousemove --sync --window "$window" 40 600 click 1
sleep 0.5
xdotool mousemove --sync --window "$window" 769 581 click 1
"$root/packaging/windows/box-text.sh" "$window" "$scratch/summary-zh.txt" ||
    fail "\"Write Profile…\" in Chinese showed no box"
import -window root "$root/dist/tl380cfg-windows-zh_CN.png"
kill "$gui_pid" 2>/dev/null || true
wait "$gui_pid" 2>/dev/null || true
gui_pid=""
for text in 写入提前结束 串口未打开 项未写入 确定; do
    grep -q "$text" "$scratch/summary-zh.txt" ||
        { cat "$scratch/summary-zh.txt" >&2; fail "the window under LANG=zh_CN.UTF-8 shows no \"$text\""; }
done
echo "the window in Chinese: \"$(grep -m1 项未写入 "$scratch/summary-zh.txt")\" (screenshot dist/tl380cfg-windows-zh_CN.png)"

echo "== the uninstaller, silently"
wine "$installed/uninstall.exe" /S
wineserver -w
for _ in $(seq 50); do [ -e "$installed" ] || break; sleep 0.2; done
[ ! -e "$installed" ] || { find "$installed" >&2; fail "the uninstaller left files behind"; }
[ ! -e "$start_menu" ] || fail "the uninstaller left the Start-menu entries"
if wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\tl380cfg' >/dev/null 2>&1; then
    fail "the uninstaller left its Apps entry"
fi
echo "uninstalled: no file, entry or key left"
echo "PASS: the Windows build under wine"
