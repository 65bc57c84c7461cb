#!/usr/bin/env python3
"""Times `tl380ctl read` of every page against the simulator, over its paced serial link and over
its loopback gateway, and compares each with what the link itself takes: serial, 10 bit times a
byte at 9600 bit/s for every byte sent and received plus the 100 ms of quiet that end each answer;
gateway, the 300 ms wait before each answer is read. Times run from the first command sent to the
last answer received, as the trace stamps them, and for the whole process.
Usage: bench/ctl_read_timing.py BUILD_DIR [RUNS]"""
import datetime, os, re, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
sim_path = os.path.join(build, "sim", "tl380sim")
ctl_path = os.path.join(build, "src", "tl380ctl")


def stamp(line):
    return datetime.datetime.strptime(line[:23], "%Y-%m-%d %H:%M:%S.%f")


def unescaped_size(text):
    return len(re.sub(rb"\\x[0-9a-f]{2}|\\[rnt\\]", b"_", text))


def one_run(link_args, trace):
    started = time.monotonic()
    subprocess.run([ctl_path, "read", "--trace", trace] + link_args, check=True, stdout=subprocess.DEVNULL)
    process = time.monotonic() - started
    lines = open(trace, "rb").read().splitlines()
    span = (stamp(lines[-1].decode()) - stamp(lines[0].decode())).total_seconds()
    sent = [l for l in lines if l[24:26] == b"->"]
    received = [l for l in lines if l[24:26] == b"<-"]
    size = sum(unescaped_size(l.split(b" ", 4)[4]) for l in lines)
    answered = sum(unescaped_size(l.split(b" ", 4)[4]) for l in received)
    return process, span, len(sent), len(received), size, answered


with tempfile.TemporaryDirectory() as work:
    tty = os.path.join(work, "tty")
    sim = subprocess.Popen([sim_path, "--serial", tty, "--tcp", "0"], stdout=subprocess.PIPE, text=True)
    port = None
    while port is None:
        line = sim.stdout.readline()
        m = re.search(r"tcp: 127\.0\.0\.1:(\d+)", line)
        port = m.group(1) if m else None
    try:
        for name, args in (("serial", ["--serial", tty]), ("gateway", ["--gateway", "127.0.0.1:" + port])):
            results = [one_run(args, os.path.join(work, "trace")) for _ in range(runs)]
            process = statistics.median(r[0] for r in results)
            span = statistics.median(r[1] for r in results)
            _, _, commands, answers, size, answered = results[0]
            if name == "serial":
                link = size * 10 / 9600 + answers * 0.100
                answers_only = answered * 10 / 9600 + answers * 0.100
                print(f"serial, the answers' bytes alone (the simulator paces only those): "
                      f"{answers_only * 1000:.0f} ms; exchange {(span / answers_only - 1) * 100:+.1f} %")
            else:
                link = answers * 0.300
            print(f"{name}: {commands} commands, {answers} answers, {size} bytes; "
                  f"link's own time {link * 1000:.0f} ms; exchange {span * 1000:.0f} ms "
                  f"({(span / link - 1) * 100:+.1f} %); whole process {process * 1000:.0f} ms "
                  f"({(process / link - 1) * 100:+.1f} %)")
    finally:
        sim.terminate()
        sim.wait()
