# shellcheck shell=bash disable=SC2034
# Shared by build-windows.sh and test-windows.sh: which Qt for Windows is built, where it is cached and
# where the Windows build goes.
#
# Qt for Windows is built from the Debian source of the host's own Qt (its moc, rcc and uic build the
# programs), so the Debian version of qt6-base-dev names the cache: after an update of qt6-base the
# cache no longer matches and is built again. TL380_QT_DEB_VERSION stands in for the installed version.
TL380_QT_DEB_VERSION=${TL380_QT_DEB_VERSION:-$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)}
# The upstream part: 6.4.2 of 6.4.2+dfsg-10 (or of 1:6.4.2-1).
TL380_QT_VERSION=${TL380_QT_DEB_VERSION#*:}
TL380_QT_VERSION=${TL380_QT_VERSION%%[+~-]*}
TL380_WIN_CACHE=${TL380_WIN_CACHE:-$HOME/.cache/tl380cfg}
TL380_QT_PREFIX=$TL380_WIN_CACHE/qt-${TL380_QT_DEB_VERSION//:/_}-mingw64
TL380_WIN_BUILD=${TL380_WIN_BUILD:-$root/build-windows}
# The build host's libraries, where the host Qt keeps its CMake packages.
TL380_HOST_LIBDIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || true)
# The MinGW runtime DLLs (posix threads) that go with the programs.
TL380_MINGW_RUNTIME=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)

# Is the cached Qt for Windows whole and built from the host's Qt?
tl380_qt_cached() {
    [ -n "$TL380_QT_DEB_VERSION" ] && [ -f "$TL380_QT_PREFIX/.complete" ] &&
        [ "$(cat "$TL380_QT_PREFIX/.complete")" = "$TL380_QT_DEB_VERSION" ]
}
