#!/usr/bin/env bash
# Builds the tool and the collector simulator, starts the simulator in the background on both links,
# then the tool. Closing the tool stops the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

serial_link=${TL380SIM_SERIAL:-/tmp/ttyTL380}
tcp_port=${TL380SIM_PORT:-7000}
sim_out=$(mktemp)
build/sim/tl380sim --serial "$serial_link" --tcp "$tcp_port" >"$sim_out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$sim_out"' EXIT

for _ in $(seq 50); do
    grep -q '^tcp:' "$sim_out" && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "The simulator did not start." >&2; exit 1; }
    sleep 0.1
done
listening_port=$(sed -n 's/^tcp: .*:\([0-9]*\)$/\1/p' "$sim_out")
cat <<TEXT
The collector simulator is running:
  serial: type $serial_link into "COM Port:" and press "Open";
  network: choose "IP Network Communication", enter 127.0.0.1 and port $listening_port, press "Connect".
TEXT

build/src/tl380cfg
