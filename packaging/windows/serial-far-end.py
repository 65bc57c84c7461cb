#!/usr/bin/env python3
"""The far end of a serial line for the Windows framing checks: a pseudo-terminal that answers three
commands with the byte patterns the framing rules are about. Prints the device path, then serves until
it is ended.
  BURST#    3000 bytes at once, the second a NUL: the first piece holds 2048 of them
  PAUSE#    "AB", 300 ms of quiet, "CD": the first piece is "AB"
  TRICKLE#  "A", "B", "C" 50 ms apart: one piece "ABC"
"""
import os
import sys
import time
import tty

master, slave = os.openpty()
tty.setraw(slave)
print(os.ttyname(slave), flush=True)
answers = {
    b"BURST#": [b"N\x00" + b"x" * 2998],
    b"PAUSE#": [b"AB", 0.3, b"CD"],
    b"TRICKLE#": [b"A", 0.05, b"B", 0.05, b"C"],
}
pending = b""
while True:
    try:
        pending += os.read(master, 256)
    except OSError:
        time.sleep(0.05)
        continue
    while b"#" in pending:
        command, _, pending = pending.partition(b"#")
        for step in answers.get(command + b"#", []):
            if isinstance(step, float):
                time.sleep(step)
            else:
                os.write(master, step)
