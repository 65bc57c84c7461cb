#!/usr/bin/env bash
# Runs the window's security test under strace and reads what the process asked of the
# system: it starts no program but the gateway configuration program (never a shell), and
# opens no file of its own for reading or writing: only the system's libraries, fonts, settings
# and devices, and the serial port library's device lock (LCK..<device> in /var/lock, taken while
# the port is open, removed at close). Exit 77 (skipped) when strace is missing or may not trace here.
#   tests/test_security_trace.sh PATH/TO/test_security
set -euo pipefail
binary=$1
command -v strace >/dev/null || { echo "strace is not installed"; exit 77; }
strace -qq -e trace=none true 2>/dev/null || { echo "strace may not trace here"; exit 77; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# LeakSanitizer cannot work under a tracer; the sanitizer build's other checks stay on.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
QT_QPA_PLATFORM=offscreen strace -f -qq -s 512 -e trace=execve,open,openat,creat -o "$log" \
    "$binary" toolListensNowhereStartsNothingOpensNoFile
python3 - "$log" "$binary" "$HOME" <<'PY'
import re, sys
log, binary, home = sys.argv[1:4]
system_dirs = ("/usr/", "/lib", "/etc/", "/proc/", "/sys/", "/dev/", "/run/", "/var/cache/fontconfig/",
               "/var/lib/dbus/", home + "/.cache/fontconfig/", "/tmp/runtime-")
lock_dirs = ("/var/lock/LCK..", "/run/lock/LCK..")
write_flags = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND")
faults, programs, opened = [], [], 0
for line in open(log):
    m = re.search(r'execve\("([^"]*)"', line)
    if m:
        path = m.group(1)
        programs.append(path)
        if path != binary and not path.endswith("/GWCFG.EXE"):
            faults.append("started " + path)
        continue
    m = re.search(r'(?:open|openat|creat)\((?:[^,]*, )?"([^"]*)", ([A-Z_|]+)[^=]*= (-?\d+)', line)
    if not m or int(m.group(3)) < 0:
        continue
    path, flags = m.group(1), m.group(2)
    # Path walks (O_PATH) read nothing.
    if "O_PATH" in flags:
        continue
    opened += 1
    if path.startswith("/dev/") or path.startswith(lock_dirs):
        continue
    if any(f in flags for f in write_flags) and "O_DIRECTORY" not in flags:
        faults.append("opened for writing " + path)
    elif not path.startswith(system_dirs) and path != binary:
        faults.append("opened " + path)
print(f"{opened} files opened, programs started: {programs}")
for f in faults:
    print("FAULT:", f)
sys.exit(1 if faults else 0)
PY
