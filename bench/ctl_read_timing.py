#!/usr/bin/env python3
"""Times `tl380ctl read` of every page against the simulator, over its paced serial link and over its
loopback gateway, side by side with the window doing the same reads (window_read_all), and compares
each with what the link itself takes: serial, 10 bit times a byte at 9600 bit/s for every byte sent and
received plus the 100 ms of quiet that end each answer; gateway, the 300 ms wait before each answer is
read. tl380ctl's time runs from the first command sent to the last answer received, as its trace
stamps them; the window's from the first click to the last parse; the window's "Compare…" from the
click to the table shown.
Usage: bench/ctl_read_timing.py BUILD_DIR [RUNS]"""
import datetime
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time


def stamp(line):
    return datetime.datetime.strptime(line[:23].decode(), "%Y-%m-%d %H:%M:%S.%f")


def unescaped_size(text):
    return len(re.sub(rb"\\x[0-9a-f]{2}|\\[rnt\\]", b"_", text))


def ctl_run(ctl, link_args, trace):
    started = time.monotonic()
    subprocess.run([ctl, "read", "--trace", trace] + link_args, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    process = time.monotonic() - started
    lines = open(trace, "rb").read().splitlines()
    received = [l for l in lines if l[24:26] == b"<-"]
    return {"span": (stamp(lines[-1]) - stamp(lines[0])).total_seconds(), "process": process,
            "answers": len(received), "bytes": sum(unescaped_size(l.split(b" ", 4)[4]) for l in lines)}


def window_run(window, link_args, compare=False):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([window] + link_args + (["--compare"] if compare else []), env=env, check=True,
                          capture_output=True, text=True)
    return float(re.search(r"(?:window|compare)_ms (\d+)", done.stdout).group(1)) / 1000


def measure(build, runs):
    """For 'serial' and 'gateway': the medians in seconds and the link's own time."""
    sim = os.path.join(build, "sim", "tl380sim")
    ctl = os.path.join(build, "src", "tl380ctl")
    window = os.path.join(build, "bench", "window_read_all")
    results = {}
    with tempfile.TemporaryDirectory() as work:
        tty = os.path.join(work, "tty")
        process = subprocess.Popen([sim, "--serial", tty, "--tcp", "0"], stdout=subprocess.PIPE, text=True)
        try:
            port = None
            while port is None:
                m = re.search(r"tcp: 127\.0\.0\.1:(\d+)", process.stdout.readline())
                port = m.group(1) if m else None
            for name, ctl_args, window_args in (("serial", ["--serial", tty], ["--serial", tty]),
                                                ("gateway", ["--gateway", "127.0.0.1:" + port], ["--gateway", port])):
                ctl_runs, window_runs, compare_runs = [], [], []
                for _ in range(runs):
                    ctl_runs.append(ctl_run(ctl, ctl_args, os.path.join(work, "trace")))
                    window_runs.append(window_run(window, window_args))
                    compare_runs.append(window_run(window, window_args, compare=True))
                first = ctl_runs[0]
                link = (first["bytes"] * 10 / 9600 + first["answers"] * 0.100 if name == "serial"
                        else first["answers"] * 0.300)
                results[name] = {"ctl": statistics.median(r["span"] for r in ctl_runs),
                                 "process": statistics.median(r["process"] for r in ctl_runs),
                                 "window": statistics.median(window_runs), "link": link,
                                 "compare": statistics.median(compare_runs),
                                 "answers": first["answers"], "bytes": first["bytes"]}
        finally:
            process.terminate()
            process.wait()
    return results


if __name__ == "__main__":
    measured = measure(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 5)
    for name, r in measured.items():
        print(f"{name}: {r['answers']} answers, {r['bytes']} bytes; link's own time {r['link'] * 1000:.0f} ms; "
              f"tl380ctl {r['ctl'] * 1000:.0f} ms ({(r['ctl'] / r['link'] - 1) * 100:+.1f} %), whole process "
              f"{r['process'] * 1000:.0f} ms; window {r['window'] * 1000:.0f} ms; window's Compare "
              f"{r['compare'] * 1000:.0f} ms ({(r['compare'] / r['ctl'] - 1) * 100:+.1f} % of tl380ctl)")
