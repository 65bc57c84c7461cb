#!/usr/bin/env bash
# Builds tl380cfg and tl380ctl for 64-bit Windows on Debian 12 and packs them into dist/: a folder with
# the programs and every DLL they load, a zip of it and an NSIS installer.
#
# Qt for Windows is built once from Debian's own Qt source (the same version as the host's Qt, whose
# moc, rcc and uic the cross-build uses) into ~/.cache/tl380cfg/qt-VERSION-mingw64; later runs reuse it.
#
#   scripts/build-windows.sh            everything
#   scripts/build-windows.sh --qt-only  only Qt for Windows (the long first step)
#   scripts/build-windows.sh --packages only the Debian packages it needs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}

install_packages() {
    local packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis xvfb xdotool
                    imagemagick xclip zip unzip dpkg-dev ninja-build cmake qt6-base-dev qt6-translations-l10n
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

# The system's own binary sources that carry qt6-base-dev, written into $1 as source entries: deb822
# stanzas (.sources) and one-line entries (.list) alike, with their keys and options as they stand, so
# that a local mirror or a proxy serves the download as it serves the packages. Sources that do not
# carry Qt stay out: they need not offer source indexes.
write_source_entries() {
    local parts=$1 uris file list="" system_parts=""
    eval "$(apt-config shell list Dir::Etc::sourcelist/f system_parts Dir::Etc::sourceparts/d)"
    uris=$(apt-cache policy qt6-base-dev | awk '$1 ~ /^-?[0-9]+$/ && $2 ~ /^[a-z][a-z0-9+.-]*:/ { sub(/\/+$/, "", $2); print $2 }' | sort -u)
    for file in "$list" "$system_parts"*.list; do
        [ -f "$file" ] || continue
        awk -v uris="$uris" '
            BEGIN { n = split(uris, u, "\n"); for (i = 1; i <= n; i++) carried[u[i]] = 1 }
            $1 != "deb" { next }
            {
                rest = $0
                sub(/^[ \t]*deb[ \t]+/, "", rest)
                options = ""
                if (rest ~ /^\[/) {
                    options = substr(rest, 1, index(rest, "]")) " "
                    rest = substr(rest, index(rest, "]") + 1)
                    sub(/^[ \t]+/, "", rest)
                }
                split(rest, field, /[ \t]+/)
                uri = field[1]
                sub(/\/+$/, "", uri)
                if (uri in carried) print "deb-src " options rest
            }' "$file"
    done >"$parts/system.list"
    for file in "$system_parts"*.sources; do
        [ -f "$file" ] || continue
        awk -v uris="$uris" '
            BEGIN { RS = ""; n = split(uris, u, "\n"); for (i = 1; i <= n; i++) carried[u[i]] = 1 }
            {
                lines = split($0, line, "\n")
                binary = 0
                hit = 0
                for (i = 1; i <= lines; i++) {
                    name = tolower(line[i])
                    if (name ~ /^types:/ && (" " substr(name, 7) " ") ~ /[ \t]deb[ \t]/) binary = 1
                    if (name ~ /^uris:/) {
                        m = split(substr(line[i], 6), value, /[ \t]+/)
                        for (j = 1; j <= m; j++) { sub(/\/+$/, "", value[j]); if (value[j] in carried) hit = 1 }
                    }
                }
                if (!binary || !hit) next
                for (i = 1; i <= lines; i++) print (tolower(line[i]) ~ /^types:/ ? "Types: deb-src" : line[i])
                print ""
            }' "$file"
    done >"$parts/system.sources"
    [ -s "$parts/system.list" ] || [ -s "$parts/system.sources" ] || {
        echo "No apt source carries qt6-base-dev (apt-cache policy qt6-base-dev): add the archive it came from" >&2
        return 1
    }
}

# Fetches Debian's qt6-base source of the installed version into $1. Where the system lists no deb-src
# entry for it the download goes through a private apt list under the cache, made from the system's
# own sources, so that those stay untouched.
fetch_qt_source() {
    local dest=$1
    mkdir -p "$dest"
    if apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $TL380_QT_DEB_VERSION$"; then
        (cd "$dest" && apt-get source -q "qt6-base=$TL380_QT_DEB_VERSION")
        return
    fi
    local apt=$TL380_WIN_CACHE/apt
    rm -rf "$apt"
    mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
    : >"$apt/sources.list"
    write_source_entries "$apt/parts"
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
                -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
    apt-get "${opts[@]}" update -q
    (cd "$dest" && apt-get "${opts[@]}" source -q "qt6-base=$TL380_QT_DEB_VERSION")
}

build_qt() {
    if tl380_qt_cached; then
        echo "Qt for Windows: $TL380_QT_PREFIX (cached, from qt6-base $TL380_QT_DEB_VERSION)"
        return
    fi
    [ -n "$TL380_QT_DEB_VERSION" ] || { echo "qt6-base-dev is not installed" >&2; return 1; }
    echo "Qt for Windows: building $TL380_QT_PREFIX from qt6-base $TL380_QT_DEB_VERSION"
    local start=$SECONDS work=$TL380_WIN_CACHE/qt-build
    rm -rf "$work" "$TL380_QT_PREFIX"
    fetch_qt_source "$work/src"
    local src
    src=$(find "$work/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    # The toolchain file goes with the installed Qt: its own toolchain file loads it by path.
    mkdir -p "$TL380_QT_PREFIX"
    cp "$root/packaging/windows/mingw-w64-x86_64.cmake" "$TL380_QT_PREFIX/mingw-w64-x86_64.cmake"
    mkdir -p "$work/build"
    # Debian's tarball lacks the tablet library header, hence no tablet events. What the programs do not
    # use stays out, to keep the first build short: TLS and HTTP, the graphics view, PDF, Markdown and
    # ODF text, the MDI area and the calendar, the GIF and ICO readers, and FreeType (qt.conf has the
    # text drawn with DirectWrite).
    (cd "$work/build" && "$src/configure" -prefix "$TL380_QT_PREFIX" -release -shared -xplatform win32-g++ \
        -qt-host-path /usr -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -qt-zlib -qt-pcre \
        -qt-libpng -qt-libjpeg -no-freetype -qt-harfbuzz -no-feature-sql -no-feature-printsupport \
        -no-feature-concurrent -no-feature-xml -no-feature-tabletevent -no-feature-ssl -no-feature-http \
        -no-feature-graphicsview -no-feature-pdf -no-feature-textmarkdownreader \
        -no-feature-textmarkdownwriter -no-feature-textodfwriter -no-feature-mdiarea \
        -no-feature-calendarwidget -no-feature-gif -no-feature-ico -- \
        -DCMAKE_TOOLCHAIN_FILE="$TL380_QT_PREFIX/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR="$TL380_HOST_LIBDIR/cmake" -G Ninja)
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
    # Only a whole install is marked, with the version it was built from; the Qt of earlier versions
    # goes once the new one is in place.
    echo "$TL380_QT_DEB_VERSION" >"$TL380_QT_PREFIX/.complete"
    rm -rf "$work" "$TL380_WIN_CACHE/apt"
    find "$TL380_WIN_CACHE" -mindepth 1 -maxdepth 1 -type d -name 'qt-*-mingw64' ! -path "$TL380_QT_PREFIX" \
        -exec rm -rf {} +
    echo "Qt for Windows built in $(((SECONDS - start) / 60)) min: $TL380_QT_PREFIX"
}

# tl380cfg.exe, tl380ctl.exe and (with BUILD_TESTING) the tests that run under wine. The build folder
# is configured once for a Qt for Windows (Ninja configures it again itself when a CMake file changes);
# another Qt needs a build folder of its own.
build_programs() {
    local testing=${TL380_WIN_TESTS:-OFF} toolchain=$TL380_QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake
    local cache=$TL380_WIN_BUILD/CMakeCache.txt
    if [ -f "$cache" ] && ! grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$cache"; then
        echo "$TL380_WIN_BUILD was configured for another Qt for Windows: building it anew"
        rm -rf "$TL380_WIN_BUILD"
    fi
    if ! grep -qx "BUILD_TESTING:BOOL=$testing" "$cache" 2>/dev/null; then
        local launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$root" -B "$TL380_WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DCMAKE_CROSSCOMPILING_EMULATOR="$root/packaging/windows/wine-run.sh" \
            -DBUILD_TESTING="$testing" "${launcher[@]}" >/dev/null
    fi
    # Paths below the source folder count from it, so that another clone finds the same compiler cache.
    CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} cmake --build "$TL380_WIN_BUILD" --parallel "$jobs"
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
    # Qt's own texts (file dialogs, box buttons) in Chinese, from Debian's qt6-translations-l10n; the
    # window's own are in its resources.
    mkdir -p "$folder/translations"
    cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$folder/translations/"
    copy_dependencies "$folder" "$folder"/*.exe "$folder"/*/*.dll
    find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    # With Windows line ends: our licence, the list of the libraries beside the programs and the texts
    # of the licences that list names.
    sed 's/$/\r/' "$root/LICENSE" >"$folder/LICENSE.txt"
    sed -e "s/@QT_VERSION@/$TL380_QT_VERSION/g" -e "s/@QT_DEB_VERSION@/$TL380_QT_DEB_VERSION/g" -e 's/$/\r/' \
        "$root/packaging/windows/THIRD-PARTY.txt" >"$folder/THIRD-PARTY.txt"
    sed 's/$/\r/' /usr/share/common-licenses/LGPL-3 >"$folder/LGPL-3.txt"
    sed 's/$/\r/' /usr/share/common-licenses/GPL-3 >"$folder/GPL-3.txt"
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
[ "${1:-}" = "--packages" ] && exit 0
# After the packages: the Qt version and the host's library folder come from them.
# shellcheck source=scripts/windows-env.sh
source "$root/scripts/windows-env.sh"
build_qt
[ "${1:-}" = "--qt-only" ] && exit 0
build_programs
package
