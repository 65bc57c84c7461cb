# shellcheck shell=bash disable=SC2034,SC2154
# Simulated collectors for the fleet test and benchmark: each on a pseudo-terminal and a loopback port,
# in a scratch folder that goes, with them, when the script ends. Needs $sim (the tl380sim program).
work=$(mktemp -d)
pids=()
declare -A pid_of
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_simulator() { # name [tl380sim options...]
    local name=$1
    shift
    "$sim" --serial "$work/tty$name" --tcp 0 "$@" >"$work/$name.links" 2>"$work/$name.log" &
    pids+=("$!")
    pid_of[$name]=$!
}

port_of() { # name: waits for the simulator to print its port
    for _ in $(seq 100); do
        if grep -qs '^tcp: ' "$work/$1.links"; then
            sed -n 's/^tcp: 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$work/$1.links"
            return 0
        fi
        sleep 0.1
    done
    echo "simulator $1 did not start" >&2
    exit 1
}
