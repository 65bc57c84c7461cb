#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing.
set -euo pipefail
# qt6-l10n-tools and qt6-tools-dev: lupdate, lrelease and their CMake functions for the window's
# translations; qt6-translations-l10n: Qt's own texts in Chinese; fonts-wqy-microhei: the Chinese
# glyphs the captions are measured with (test_translation); xvfb: the page pictures in docs/;
# ansible-core: the fleet playbook test.
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev qt6-charts-dev
          libjpeg62-turbo-dev fonts-dejavu-core python3 libbenchmark-dev
          lintian appstream desktop-file-utils
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-microhei xvfb
          ansible-core)
# --fuzz: clang and its libFuzzer runtime for fuzz/run-fuzz.sh; --sanitize: the GCC sanitizer runtimes
# and strace for scripts/test-sanitizers.sh.
for option in "$@"; do
    case "$option" in
        --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
        --sanitize) packages+=(libasan8 libubsan1 strace) ;;
        *) echo "usage: $0 [--fuzz] [--sanitize]" >&2; exit 2 ;;
    esac
done
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${missing[@]}"
fi
