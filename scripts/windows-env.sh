# shellcheck shell=bash disable=SC2034
# Shared by build-windows.sh and test-windows.sh: where Qt for Windows is cached and where the Windows
# build goes.
TL380_QT_VERSION=6.4.2
TL380_WIN_CACHE=${TL380_WIN_CACHE:-$HOME/.cache/tl380cfg}
TL380_QT_PREFIX=$TL380_WIN_CACHE/qt-$TL380_QT_VERSION-mingw64
TL380_WIN_BUILD=${TL380_WIN_BUILD:-$root/build-windows}
# The MinGW runtime DLLs (posix threads) that go with the programs.
TL380_MINGW_RUNTIME=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
