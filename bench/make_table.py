#!/usr/bin/env python3
"""Runs the bench programs of one Release build side by side and prints the table (Markdown)."""
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

build = sys.argv[1]
runs = int(os.environ.get("BENCH_RUNS", "10"))
bench = os.path.join(build, "bench")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def program(name):
    return os.path.join(bench, name)


def timed_run(args, run_env=None):
    """Runs one program; returns its 'key value' lines and the clock taken just before the spawn."""
    started = time.monotonic_ns()
    done = subprocess.run(args, env=run_env or env, capture_output=True, text=True, timeout=300, check=True)
    values = {}
    for line in done.stdout.splitlines():
        parts = line.split()
        if len(parts) == 2:
            values[parts[0]] = float(parts[1])
    return started, values



def median(values):
    return statistics.median(values)


def loadavg():
    with open("/proc/loadavg") as f:
        return f.read().split()[0]


rows = []


def row(what, figure, floor, ratio, goal, met):
    rows.append((what, figure, floor, ratio, goal, "yes" if met is True else "no" if met is False else ""))


load_before = loadavg()

# 1 and 5: start-up and memory, the two programs one after the other, pair by pair.
floor_ms, window_ms, pair_ratio, floor_kb, window_kb, history_kb = [], [], [], [], [], []
for i in range(runs):
    s, f = timed_run([program("floor_window")])
    s2, w = timed_run([program("startup_window")])
    floor_ms.append((f["painted_ns"] - s) / 1e6)
    window_ms.append((w["painted_ns"] - s2) / 1e6)
    pair_ratio.append(window_ms[-1] / floor_ms[-1])
    floor_kb.append(f["idle_hwm_kb"])
    window_kb.append(w["idle_hwm_kb"])
for i in range(max(3, runs // 3)):
    _, h = timed_run([program("startup_window"), "--history"])
    history_kb.append(h["history_hwm_kb"])
ratio = median(pair_ratio)
row("Start-up to first paint (ms)", f"{median(window_ms):.1f}", f"{median(floor_ms):.1f}", f"{ratio:.2f}",
    "<= 2.5", ratio <= 2.5)

# 1b: the same under a real X server (Xvfb), from the spawn to the window mapped (its first Expose).
if shutil.which("Xvfb"):
    display = ":87"
    xvfb = subprocess.Popen(["Xvfb", display, "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X" + display[1:]):
                break
            time.sleep(0.05)
        x_env = dict(os.environ, QT_QPA_PLATFORM="xcb", DISPLAY=display)
        mapped_floor, mapped_window, mapped_ratio = [], [], []
        for i in range(runs):
            s, f = timed_run([program("floor_window")], x_env)
            s2, w = timed_run([program("startup_window")], x_env)
            mapped_floor.append((f["exposed_ns"] - s) / 1e6)
            mapped_window.append((w["exposed_ns"] - s2) / 1e6)
            mapped_ratio.append(mapped_window[-1] / mapped_floor[-1])
        ratio = median(mapped_ratio)
        row("Start-up to window mapped, Xvfb (ms)", f"{median(mapped_window):.1f}", f"{median(mapped_floor):.1f}",
            f"{ratio:.2f}", "<= 2.5", ratio <= 2.5)
    finally:
        xvfb.terminate()
        xvfb.wait()
else:
    row("Start-up to window mapped, Xvfb (ms)", "not measured", "", "", "Xvfb missing (apt-get install xvfb)", None)

# 2: exchanges through the window, this side playing the collector.
done = subprocess.run([program("exchange_probe")], env=env, capture_output=True, text=True, timeout=300)
exchange = {}
for line in done.stdout.splitlines():
    m = re.match(r"(\w+) click_us (\S+) floor_us (\S+) fill_us (\S+)", line)
    if m:
        exchange.setdefault(m.group(1), []).append(tuple(float(x) for x in m.groups()[1:]))
if done.returncode != 0 or set(exchange) != {"serial", "tcp"}:
    sys.stderr.write(done.stderr)
    sys.exit("exchange_probe failed")
for link, label, designed in (("serial", "serial", 300.0), ("tcp", "TCP", 500.0)):
    click = median(x[0] for x in exchange[link]) / 1e3
    floor = median(x[1] for x in exchange[link]) / 1e3
    fill = median(x[2] for x in exchange[link]) / 1e3
    row(f"Click to first byte, {label} (ms)", f"{click:.2f}", f"{floor:.2f} (byte written directly)",
        f"{click / floor:.1f}", "<= 5 ms", click <= 5)
    late = fill - designed
    row(f"Last reply byte to fields filled, {label} (ms)", f"{fill:.1f}", f"{designed:.0f} (the designed waits)",
        f"{fill / designed:.3f} ({late:+.1f} ms)", "within 5 ms", abs(late) <= 5)

# 2b: tl380ctl reading every page, side by side with the window doing the same reads.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ctl_read_timing  # noqa: E402

ctl = ctl_read_timing.measure(build, 5)
r = ctl["serial"]
row("`tl380ctl read`, every page, serial 9600 bit/s (ms; the window)", f"{r['ctl'] * 1e3:.0f}; {r['window'] * 1e3:.0f}",
    f"{r['link'] * 1e3:.0f} (line time of {r['bytes']} bytes + 100 ms quiet x {r['answers']} answers)",
    f"{r['ctl'] / r['link']:.2f}", "<= 1.10", r["ctl"] / r["link"] <= 1.10)
r = ctl["gateway"]
over = (r["ctl"] - r["link"]) * 1e3
row("`tl380ctl read`, every page it can, gateway (ms; the window)", f"{r['ctl'] * 1e3:.0f}; {r['window'] * 1e3:.0f}",
    f"{r['link'] * 1e3:.0f} (300 ms wait x {r['answers']} answers)",
    f"{r['ctl'] / r['link']:.3f} ({over:+.0f} ms)", "300 ms a reply, no more (5 ms)", over <= 5 * r["answers"])
for name in ("serial", "gateway"):
    r = ctl[name]
    row(f"The window's \"Compare…\", every page, {name} (ms)", f"{r['compare'] * 1e3:.0f}",
        f"{r['ctl'] * 1e3:.0f} (`tl380ctl read`, same link)", f"{r['compare'] / r['ctl']:.2f}", "<= 1.10",
        r["compare"] / r["ctl"] <= 1.10)

# 3: the parser, Google Benchmark, median of repetitions.
parser_path = program("parser_bench")
if os.path.exists(parser_path):
    done = subprocess.run([parser_path, "--benchmark_format=json", "--benchmark_repetitions=5",
                           "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.05"],
                          env=env, capture_output=True, text=True, timeout=900, check=True)
    results = {}
    for b in json.loads(done.stdout)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1, "us": 1e3, "ms": 1e6}[b["time_unit"]]
            results[re.sub(r"/iterations:\d+$", "", b["run_name"])] = b["real_time"] * scale
    scan = results["floor/scan"]
    codes = sorted({int(name.split("/")[1]) for name in results if re.fullmatch(r"parse/\d+", name)})
    for code in codes:
        parse = results[f"parse/{code}"]
        window = results[f"window/{code}"]
        row(f"Parse 2048 bytes, code {code} (us; into the window)", f"{parse / 1e3:.2f}; {window / 1e3:.1f}",
            f"{scan / 1e3:.3f} (memchr)", f"{parse / scan:.0f}", f"{parse / 2048:.2f} ns/byte", None)
    worst = results["parse/106 no tag"]
    row("Parse 2048 bytes holding no tag, code 106 (us)", f"{worst / 1e3:.2f}", f"{scan / 1e3:.3f} (memchr)",
        f"{worst / scan:.0f}", f"{worst / 2048:.2f} ns/byte", None)
else:
    row("Parser", "not built", "", "", "libbenchmark-dev missing", None)

# 4: history appends, the last against the first.
firsts, lasts = [], []
for i in range(3):
    done = subprocess.run([program("history_append")], env=env, capture_output=True, text=True, timeout=600,
                          check=True)
    firsts.append(float(re.search(r"median of the first \d+:\s+(\S+)", done.stdout).group(1)))
    lasts.append(float(re.search(r"median of the last \d+:\s+(\S+)", done.stdout).group(1)))
first, last = median(firsts), median(lasts)
row("History append, last 100 vs first 100 of 10,000 (us)", f"{last:.1f}", f"{first:.1f}",
    f"{last / first:.2f}", "<= 1.5", last / first <= 1.5)

# 5: memory.
floor = median(floor_kb)
idle = median(window_kb)
history = median(history_kb)
row("Peak resident memory, idle (MB)", f"{idle / 1024:.1f}", f"{floor / 1024:.1f}", f"{idle / floor:.2f}",
    "<= 1.6", idle / floor <= 1.6)
row("Peak resident memory, after 10,000 history pieces (MB)", f"{history / 1024:.1f}", f"{floor / 1024:.1f}",
    f"{history / floor:.2f}", "", None)

# 6: the live chart, 24 hours at one reading every 5 s.
for label, extra in (("8 series", ["--series", "8"]), ("all 12 series", [])):
    done = subprocess.run([program("chart_append")] + extra, env=env, capture_output=True, text=True, timeout=600,
                          check=True)
    got = lambda name: float(re.search(name + r":\s+(\S+)", done.stdout).group(1))
    median_ms, p99_ms, slowest_ms = got("append cpu median"), got("append cpu 99th"), got("append cpu slowest")
    row(f"Live chart, append a reading to 17,280, {label} (ms of processor: median; 99th percentile; slowest)",
        f"{median_ms:.2f}; {p99_ms:.2f}; {slowest_ms:.1f}", "", "", "<= 2 ms", p99_ms <= 2.0)
    row(f"Live chart, the repaint that follows, {label} (ms, median)", f"{got('repaint median'):.2f}", "", "", "", None)
    row(f"Live chart memory, 17,280 readings, {label} (MB)", f"{got('chart memory'):.1f}", "", "", "<= 20",
        got("chart memory") <= 20)

print("| Figure | Measured | Floor | Ratio | Goal | Met |")
print("|---|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
print()
cpu = "unknown"
with open("/proc/cpuinfo") as f:
    for line in f:
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
qt = subprocess.run(["pkg-config", "--modversion", "Qt6Core"], capture_output=True, text=True).stdout.strip()
print(f"Machine: {os.cpu_count()} CPUs (nproc {subprocess.run(['nproc'], capture_output=True, text=True).stdout.strip()}),"
      f" {cpu}, Qt {qt or 'unknown'}; load average {load_before} before, {loadavg()} after;"
      f" start-up and memory are medians of {runs} runs of each program.")
