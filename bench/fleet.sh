#!/usr/bin/env bash
# The example playbook writing N simulated collectors behind loopback gateway ports with F forks,
# against one collector's tl380ctl write of the same template, each on collectors fresh from start-up.
# Runs in ansible/ as a user would, with its ansible.cfg.
# Usage: bench/fleet.sh [N [F [TL380CTL [TL380SIM]]]]   (default: 20 collectors, 10 forks, build/)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-20}
forks=${2:-10}
ctl=$(realpath "${3:-$repo/build/src/tl380ctl}")
sim=$(realpath "${4:-$repo/build/sim/tl380sim}")
single_runs=3
command -v ansible-playbook >/dev/null || { echo "bench/fleet.sh: needs ansible-playbook (ansible-core)" >&2; exit 2; }
# shellcheck source=tests/fleet/simulators.sh
source "$repo/tests/fleet/simulators.sh"
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

for i in $(seq "$count"); do start_simulator "c$i"; done
for i in $(seq "$single_runs"); do start_simulator "single$i"; done

{
    echo "collectors:"
    echo "  vars:"
    echo "    ansible_connection: local"
    echo "    ansible_python_interpreter: \"{{ ansible_playbook_python }}\""
    echo "    tl380_profile: $repo/ansible/office.json"
    echo "    tl380ctl_path: $ctl"
    echo "    tl380_skip_serial_only: true"
    echo "  hosts:"
    for i in $(seq "$count"); do
        printf '    c%d: {tl380_gateway: "127.0.0.1:%s", station_number: "%05d"}\n' "$i" "$(port_of "c$i")" "$i"
    done
} >"$work/inventory.yml"

single=()
for i in $(seq "$single_runs"); do
    port=$(port_of "single$i")
    start=$(now)
    "$ctl" --gateway "127.0.0.1:$port" --skip-serial-only write "$repo/ansible/office.json" \
        --set "system.station_number=0900$i" >/dev/null 2>"$work/single.err" || { cat "$work/single.err" >&2; exit 1; }
    single+=("$(seconds "$start" "$(now)")")
done
single_median=$(printf '%s\n' "${single[@]}" | sort -n | sed -n "$(((single_runs + 1) / 2))p")

playbook() { # label: the wall time of one run of the example playbook
    local start
    start=$(now)
    (cd "$repo/ansible" &&
        ANSIBLE_COLLECTIONS_PATH=$repo/ansible ANSIBLE_HOME=$work/ansible ANSIBLE_LOCAL_TEMP=$work/ansible/tmp \
            ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ansible-playbook -f "$forks" -i "$work/inventory.yml" \
            fleet.yml) >"$work/$1.out" 2>&1 || { cat "$work/$1.out" >&2; exit 1; }
    seconds "$start" "$(now)"
}
first=$(playbook first)
changed=$(grep -c '^changed: ' "$work/first.out" || true)
second=$(playbook second)
unchanged=$(grep -c '^ok: ' "$work/second.out" || true)

rounds=$(((count + forks - 1) / forks))
floor=$(awk -v r="$rounds" -v s="$single_median" 'BEGIN { printf "%.2f", r * s }')
ratio=$(awk -v a="$first" -v b="$single_median" 'BEGIN { printf "%.2f", a / b }')
echo "Machine: $(nproc) CPUs, load average $(cut -d' ' -f1-3 /proc/loadavg); $(ansible-playbook --version | head -1)"
echo "| Figure | Wall time (s) |"
echo "|---|---|"
echo "| one collector's \`tl380ctl write\` over a gateway (median of $single_runs) | $single_median |"
echo "| example playbook, $count collectors, $forks forks ($changed changed) | $first |"
echo "| the same again, nothing to change ($((unchanged - 1)) ok) | $second |"
echo "| the floor: $rounds x one write ($count collectors, $forks at a time) | $floor |"
echo "| ratio, playbook to one write (goal <= 3) | $ratio |"
