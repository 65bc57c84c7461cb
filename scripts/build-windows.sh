#!/usr/bin/env bash
# Builds tl380cfg and tl380ctl for 64-bit Windows on Debian 12 and packs them into dist/: a folder with
# the programs and every DLL they load, a zip of it and an NSIS installer.
#
# Qt for Windows is built once from Debian's own Qt source (the same version as the host's Qt, whose
# moc, rcc and uic the cross-build uses) into ~/.cache/tl380cfg/qt-VERSION-mingw64; later runs reuse it.
#
#   scripts/build-windows.sh            everything
#   scripts/build-windows.sh --qt-only  only Qt for Windows (the long first step)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/windows-env.sh
source "$root/scripts/windows-env.sh"
jobs=${JOBS:-$(nproc)}

install_packages() {
    local packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis xvfb xdotool
                    imagemagick xclip zip unzip dpkg-dev ninja-build cmake qt6-base-dev
                    qt6-base-dev-tools xz-utils)
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Fetches Debian's qt6-base source into $1. Where the system lists no deb-src entry the download goes
# through a private apt list under the cache, so the system's own sources stay untouched.
fetch_qt_source() {
    local dest=$1 version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    mkdir -p "$dest"
    if apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $version$"; then
        (cd "$dest" && apt-get source -q "qt6-base=$version")
        return
    fi
    local apt=$TL380_WIN_CACHE/apt
    mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
    cat >"$apt/sources.list" <<SOURCES
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
SOURCES
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
                -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
    apt-get "${opts[@]}" update -q
    (cd "$dest" && apt-get "${opts[@]}" source -q "qt6-base=$version")
}

build_qt() {
    if [ -f "$TL380_QT_PREFIX/.complete" ]; then
        echo "Qt for Windows: $TL380_QT_PREFIX (cached)"
        return
    fi
    local start=$SECONDS work=$TL380_WIN_CACHE/qt-build
    rm -rf "$work" "$TL380_QT_PREFIX"
    fetch_qt_source "$work/src"
    local src
    src=$(find "$work/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    # The toolchain file goes with the installed Qt: its own toolchain file loads it by path.
    mkdir -p "$TL380_QT_PREFIX"
    cp "$root/packaging/windows/mingw-w64-x86_64.cmake" "$TL380_QT_PREFIX/mingw-w64-x86_64.cmake"
    mkdir -p "$work/build"
    # Debian's tarball lacks the tablet library header, hence no tablet events.
    (cd "$work/build" && "$src/configure" -prefix "$TL380_QT_PREFIX" -release -shared -xplatform win32-g++ \
        -qt-host-path /usr -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -qt-zlib -qt-pcre \
        -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -no-feature-sql -no-feature-printsupport \
        -no-feature-concurrent -no-feature-xml -no-feature-tabletevent -- \
        -DCMAKE_TOOLCHAIN_FILE="$TL380_QT_PREFIX/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -G Ninja)
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
    touch "$TL380_QT_PREFIX/.complete"
    rm -rf "$work"
    echo "Qt for Windows built in $(((SECONDS - start) / 60)) min: $TL380_QT_PREFIX"
}

# tl380cfg.exe, tl380ctl.exe and (with BUILD_TESTING) the tests that run under wine.
build_programs() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$root" -B "$TL380_WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$TL380_QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/packaging/windows/wine-run.sh" \
        -DBUILD_TESTING="${TL380_WIN_TESTS:-OFF}" "${launcher[@]}" >/dev/null
    cmake --build "$TL380_WIN_BUILD" --parallel "$jobs"
}

# The DLLs a program or plugin loads that are not the system's own, followed to the end.
copy_dependencies() {
    local folder=$1 queue=("${@:2}") seen=" " file dll found dir
    while [ ${#queue[@]} -gt 0 ]; do
        file=${queue[0]}
        queue=("${queue[@]:1}")
        while read -r dll; do
            case "$seen" in *" $dll "*) continue ;; esac
            seen+="$dll "
            found=""
            for dir in "$TL380_QT_PREFIX/bin" "${TL380_MINGW_RUNTIME[@]}"; do
                [ -f "$dir/$dll" ] && found="$dir/$dll" && break
            done
            [ -n "$found" ] || continue
            cp "$found" "$folder/"
            queue+=("$folder/$dll")
        done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
    done
}

# dist/: the folder, its zip and the installer.
package() {
    local version name folder plugin
    version=$(sed -n 's/^project(tl380cfg VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
    name=tl380cfg-$version-win64
    folder=$root/dist/$name
    rm -rf "$folder" "$root/dist/$name.zip" "$root/dist/tl380cfg-$version-setup.exe"
    mkdir -p "$folder"
    # Qt gathers the programs of a Windows build at the top of the build folder, beside its DLLs.
    cp "$TL380_WIN_BUILD/tl380cfg.exe" "$TL380_WIN_BUILD/tl380ctl.exe" "$folder/"
    # The platform plugin, the native style and the JPEG reader for the pictures.
    for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll; do
        mkdir -p "$folder/$(dirname "$plugin")"
        cp "$TL380_QT_PREFIX/plugins/$plugin" "$folder/$plugin"
    done
    copy_dependencies "$folder" "$folder"/*.exe "$folder"/*/*.dll
    find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    sed 's/$/\r/' "$root/LICENSE" >"$folder/LICENSE.txt"
    sed 's/$/\r/' "$root/packaging/windows/THIRD-PARTY.txt" >"$folder/THIRD-PARTY.txt"
    cp "$root/packaging/windows/tl380ctl-prompt.cmd" "$root/packaging/windows/qt.conf" "$folder/"
    (cd "$root/dist" && zip -qr9 "$name.zip" "$name")
    # The uninstaller removes exactly what the installer put down ($INSTDIR is the installer's).
    local list=$TL380_WIN_BUILD/uninstall-files.nsh
    # shellcheck disable=SC2016
    (cd "$folder" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|' &&
        find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|') >"$list"
    makensis -V2 -DVERSION="$version" -DSOURCE="$folder" -DUNINSTALL_LIST="$list" \
        -DOUTFILE="$root/dist/tl380cfg-$version-setup.exe" "$root/packaging/windows/tl380cfg.nsi"
    echo "dist/$name/ ($(du -sh "$folder" | cut -f1)), dist/$name.zip," \
        "dist/tl380cfg-$version-setup.exe ($(du -h "$root/dist/tl380cfg-$version-setup.exe" | cut -f1))"
}

install_packages
build_qt
[ "${1:-}" = "--qt-only" ] && exit 0
build_programs
package
