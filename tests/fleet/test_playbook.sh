#!/usr/bin/env bash
# The example playbook against three simulators, two behind gateways and one on a serial line:
# a shared station number stops it before anything is sent, --check --diff only reads, the first run
# writes each collector its own station number, the second changes nothing, a stopped collector fails
# only its own host.
# Usage: test_playbook.sh [TL380CTL [TL380SIM]] (default: the programs in build/)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
ctl=$(realpath "${1:-$repo/build/src/tl380ctl}")
sim=$(realpath "${2:-$repo/build/sim/tl380sim}")
if ! command -v ansible-playbook >/dev/null; then
    echo "SKIP: ansible-playbook not found: install Debian's ansible-core (scripts/install-packages.sh)"
    exit 77
fi
# shellcheck source=tests/fleet/simulators.sh
source "$repo/tests/fleet/simulators.sh"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for name in a b c; do start_simulator "$name" --fast --log; done
for name in a b c; do port_of "$name" >/dev/null; done

write_inventory() { # station numbers of a, b, c
    cat >"$work/inventory.yml" <<YAML
collectors:
  vars:
    ansible_connection: local
    ansible_python_interpreter: "{{ ansible_playbook_python }}"
    tl380_profile: $repo/ansible/office.json
    tl380ctl_path: $ctl
  hosts:
    col-a: {tl380_gateway: "127.0.0.1:$(port_of a)", station_number: "$1", tl380_skip_serial_only: true}
    col-b: {tl380_gateway: "127.0.0.1:$(port_of b)", station_number: "$2", tl380_skip_serial_only: true}
    col-c: {tl380_serial: "$work/ttyc", station_number: "$3"}
YAML
}

run_playbook() { # name, ansible-playbook options...
    local name=$1
    shift
    set +e
    (cd "$repo/ansible" &&
        ANSIBLE_COLLECTIONS_PATH=$repo/ansible ANSIBLE_HOME=$work/ansible ANSIBLE_LOCAL_TEMP=$work/ansible/tmp \
            ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_STDOUT_CALLBACK=default \
            timeout 120 ansible-playbook -i "$work/inventory.yml" fleet.yml "$@") >"$work/$name.out" 2>&1
    echo $? >"$work/$name.rc"
    set -e
}
rc_of() { cat "$work/$1.rc"; }
recap() { # run, host, field
    sed -n "s/^$2 *: .*\<$3=\([0-9]*\).*/\1/p" "$work/$1.out"
}
expect_recap() { # run, field, value for col-a, col-b, col-c
    local run=$1 field=$2
    shift 2
    for host in col-a col-b col-c; do
        [ "$(recap "$run" "$host" "$field")" = "$1" ] ||
            fail "$run: $host: $field=$(recap "$run" "$host" "$field"), expected $1; see below
$(cat "$work/$run.out")"
        shift
    done
}
received() { cat "$work"/{a,b,c}.log | grep -c ' <- ' || true; }
sets_received() { cat "$work"/{a,b,c}.log | grep -cE ' <- (ZZZZ)?(CFGSET#|CFGMOD:)' || true; }
station_of() { # ctl link options...
    "$ctl" "$@" read system | sed -n 's/.*"station_number": "\([0-9]*\)".*/\1/p'
}

write_inventory 00101 00102 00101
run_playbook duplicate
[ "$(rc_of duplicate)" != 0 ] || fail "duplicate station numbers: exit 0"
grep -q 'station number 00101 is given to col-a, col-c' "$work/duplicate.out" ||
    fail "duplicate station numbers not named: $(cat "$work/duplicate.out")"
[ "$(received)" = 0 ] || fail "duplicate station numbers: the simulators received $(received) commands"
echo "ok: a station number given twice stops the play before anything is sent"

write_inventory 00101 00102 00103
run_playbook check --check --diff
[ "$(rc_of check)" = 0 ] || fail "--check --diff: exit $(rc_of check): $(cat "$work/check.out")"
expect_recap check changed 1 1 1
for line in '-system.transmission_cycle: 1min' '+system.transmission_cycle: 15min' \
    '-system.station_number: 00012' '+system.station_number: 00103' '+gprs.apn: FIELDNET'; do
    grep -qxF -- "$line" "$work/check.out" || fail "--check --diff does not show $line: $(cat "$work/check.out")"
done
[ "$(received)" != 0 ] || fail "--check read nothing"
[ "$(sets_received)" = 0 ] || fail "--check sent $(sets_received) set commands"
echo "ok: --check --diff shows each difference and sends no set command"

run_playbook first
[ "$(rc_of first)" = 0 ] || fail "first run: exit $(rc_of first): $(cat "$work/first.out")"
expect_recap first changed 1 1 1
[ "$(station_of --gateway "127.0.0.1:$(port_of a)")" = 00101 ] || fail "col-a has not its own station number"
[ "$(station_of --gateway "127.0.0.1:$(port_of b)")" = 00102 ] || fail "col-b has not its own station number"
[ "$(station_of --serial "$work/ttyc")" = 00103 ] || fail "col-c has not its own station number"
echo "ok: the first run writes the template and each collector's own station number"

run_playbook second
[ "$(rc_of second)" = 0 ] || fail "second run: exit $(rc_of second): $(cat "$work/second.out")"
expect_recap second changed 0 0 0
echo "ok: the second run changes nothing"

kill "${pid_of[b]}"
wait "${pid_of[b]}" 2>/dev/null || true
run_playbook stopped
[ "$(rc_of stopped)" = 2 ] || fail "a stopped collector: exit $(rc_of stopped), expected 2"
expect_recap stopped failed 0 1 0
grep -q "tl380ctl: 127.0.0.1:$(port_of b): " "$work/stopped.out" ||
    fail "the link error is not tl380ctl's: $(cat "$work/stopped.out")"
echo "ok: a stopped collector fails its own host only, with tl380ctl's message"
