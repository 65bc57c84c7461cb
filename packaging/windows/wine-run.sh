#!/usr/bin/env bash
# Runs a cross-built Windows program under wine with Qt's and MinGW's DLLs on its path (CTest's
# cross-compiling emulator). The wine prefix is WINEPREFIX, as scripts/test-windows.sh sets it.
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/windows-env.sh
source "$root/scripts/windows-env.sh"
path=""
for dir in "$TL380_QT_PREFIX/bin" "${TL380_MINGW_RUNTIME[@]}"; do
    path+="Z:${dir//\//\\};"
done
WINEPATH="$path" WINEDEBUG=${WINEDEBUG:--all} exec wine "$@"
