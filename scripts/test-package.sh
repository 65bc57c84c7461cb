#!/usr/bin/env bash
# Builds the Debian package, checks what it declares and holds, unpacks it into a scratch root and
# starts the programs it installed there (the tool offscreen, the simulator on 127.0.0.1).
#   scripts/test-package.sh             configures and builds build/ first (as scripts/test.sh does)
#   scripts/test-package.sh BUILD_DIR   packages an existing build tree (the CTest test install_package)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
    cd "$source_dir"
    scripts/install-packages.sh
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
    build=$source_dir/build
else
    build=$(cd "$1" && pwd)
fi

scratch=$(mktemp -d)
sim_pid=
cleanup() {
    [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the package ---
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
debs=("$scratch"/out/tl380cfg_*.deb)
[ -f "${debs[0]}" ] || fail "no tl380cfg_*.deb in $scratch/out"
deb=${debs[0]}
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depends_names=$(tr ',|' '\n' <<<"$depends" | sed -E 's/^ *([^ (]+).*/\1/')
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6serialport6 libqt6charts6 libjpeg62-turbo libstdc++6; do
    grep -Fqx "$library" <<<"$depends_names" || fail "Depends lacks $library"
done

# Every dependency must be met by what this Debian system has installed: the package installs here.
installed_version() {
    dpkg-query -W -f='${db:Status-Abbrev}${Version}\n' "$1" 2>/dev/null | sed -n 's/^ii *//p' | head -n1
}
satisfied() { # one alternative: "name" or "name (op version)"
    local name op version have
    read -r name op version <<<"$(sed -E 's/^ *([^ (]+) *(\(([<>=]+) *([^)]+)\))? *$/\1 \3 \4/' <<<"$1")"
    have=$(installed_version "$name")
    [ -n "$have" ] || return 1
    [ -z "$op" ] || dpkg --compare-versions "$have" "$op" "$version"
}
IFS=',' read -ra clauses <<<"$depends"
for clause in "${clauses[@]}"; do
    met=no
    IFS='|' read -ra alternatives <<<"$clause"
    for alternative in "${alternatives[@]}"; do
        if satisfied "$alternative"; then
            met=yes
            break
        fi
    done
    [ $met = yes ] || fail "dependency not met on this system: $clause"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in usr/bin/tl380cfg usr/bin/tl380sim usr/bin/tl380ctl \
    usr/share/bash-completion/completions/tl380ctl \
    usr/share/applications/tl380cfg.desktop \
    usr/share/metainfo/org.tl380.tl380cfg.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/tl380cfg.svg \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/tl380cfg.png; do
    grep -qx "\./$path" <<<"$contents" || fail "package lacks /$path"
done
if grep -Eq '(^|/)(test_|bench|fuzz)' <<<"$contents"; then
    fail "package holds test, bench or fuzz files"
fi
# The licence and the changelog, and a manual page for every program: each page the sources hold
# (packaging/man/<program>.1) is installed compressed, and no program goes without one.
for path in usr/share/doc/tl380cfg/copyright usr/share/doc/tl380cfg/changelog.gz; do
    grep -qx "\./$path" <<<"$contents" || fail "package lacks /$path"
done
for page in "$source_dir"/packaging/man/*.1; do
    path=usr/share/man/man1/$(basename "$page").gz
    grep -qx "\./$path" <<<"$contents" || fail "package lacks /$path"
done
while read -r program; do
    grep -qx "\./usr/share/man/man1/$program\.1\.gz" <<<"$contents" || fail "/usr/bin/$program has no manual page"
done < <(sed -n 's|^\./usr/bin/\(..*\)$|\1|p' <<<"$contents")

if command -v lintian >/dev/null; then
    # Any error or warning fails; informational tags are shown (packaging/Packaging.cmake says why
    # those that stay do).
    lintian --display-info --fail-on none "$deb" >"$scratch/lintian.log" 2>"$scratch/lintian.err" ||
        { cat "$scratch/lintian.log" "$scratch/lintian.err" >&2; fail "lintian did not run"; }
    sed 's/^/lintian: /' "$scratch/lintian.log"
    if grep -Eq '^[EW]: ' "$scratch/lintian.log"; then
        fail "lintian reports errors or warnings"
    fi
    echo "lintian: no error, no warning"
else
    echo "skipped: the Debian policy check needs lintian (package lintian)"
fi

# --- the scratch root ---
root=$scratch/root
dpkg-deb -x "$deb" "$root"
# The changelog's latest entry is this version: a new version needs its entry.
changelog_version=$(gzip -dc "$root/usr/share/doc/tl380cfg/changelog.gz" | sed -n '1s/^tl380cfg (\([^)]*\)).*/\1/p')
package_version=$(dpkg-deb -f "$deb" Version)
[ "$changelog_version" = "$package_version" ] ||
    fail "the changelog's latest entry is '$changelog_version', the package $package_version: add an entry to packaging/changelog"
if command -v appstreamcli >/dev/null; then
    # The whole tree: the metainfo and the desktop entry it launches.
    appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.log" 2>&1 ||
        { cat "$scratch/appstream.log" >&2; fail "appstreamcli validate-tree"; }
else
    echo "skipped: the metainfo check needs appstreamcli (package appstream)"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/tl380cfg.desktop" || fail "desktop-file-validate"
else
    echo "skipped: the desktop entry check needs desktop-file-validate (package desktop-file-utils)"
fi
# Each hicolor PNG has the size its folder names (width and height from the PNG header).
for png in "$root"/usr/share/icons/hicolor/*x*/apps/tl380cfg.png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [ "$size" = "$folder" ] || fail "$folder/apps/tl380cfg.png is $size"
done
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/tl380cfg.desktop")
[ -x "$root/usr/bin/$exec_line" ] || fail "the desktop entry starts '$exec_line', which the package lacks"

# The tool must still be running after 3 s (timeout ends it: 124) and must have painted its main
# window mainform1, which the toolkit's paint log tells.
set +e
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    timeout 3 "$root/usr/bin/tl380cfg" >"$scratch/tool.log" 2>&1
status=$?
set -e
[ $status -eq 124 ] || { tail -n 20 "$scratch/tool.log" >&2; fail "the installed tl380cfg ended with status $status within 3 s"; }
grep -Eq 'Syncing QRegion\(0,0 [0-9]+x[0-9]+\) of [A-Za-z0-9_]+\(0x[0-9a-f]+, name="mainform1"\)' "$scratch/tool.log" ||
    fail "the installed tl380cfg did not paint its window"
echo "tl380cfg: window painted, still running after 3 s"

"$root/usr/bin/tl380sim" --help >"$scratch/sim-help.txt" || fail "tl380sim --help"
grep -q -- '--serial' "$scratch/sim-help.txt" || fail "tl380sim --help does not list --serial"
: >"$scratch/sim.log"
"$root/usr/bin/tl380sim" --serial "$scratch/ttyTL380" --tcp 0 --listen 127.0.0.1 >"$scratch/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do
    grep -q '^tcp: 127\.0\.0\.1:[0-9]' "$scratch/sim.log" && break
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
done
grep -q '^tcp: 127\.0\.0\.1:[0-9]' "$scratch/sim.log" || { cat "$scratch/sim.log" >&2; fail "the installed tl380sim did not start"; }
[ -e "$scratch/ttyTL380" ] || fail "the installed tl380sim made no serial link"
echo "tl380sim: $(tr '\n' ' ' <"$scratch/sim.log")"
echo "PASS: package builds, declares its libraries, installs and starts"
