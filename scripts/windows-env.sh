# Sourced by the Windows scripts: where the MinGW-built libraries live, and
# the Debian packages the Windows build, its tests and its installer need.

QUILLOX_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev
    # running the Windows programs and their tests
    wine wine64 xvfb xauth
    # the program's icons, drawn from its pictures
    librsvg2-bin icoutils
    # the installer and the portable archive
    nsis zip unzip
    # fetching the libraries' sources from Debian, and their build tools
    dpkg-dev autoconf automake libtool
)

QUILLOX_MINGW_HOST=x86_64-w64-mingw32
QUILLOX_MINGW_CXX=${QUILLOX_MINGW_HOST}-g++-posix

# One folder per compiler version, outside the tree, so that it survives a
# fresh checkout and a clean build; each library inside records the source
# version it was built from.
quillox_windows_deps_dir() {
    local version
    version=$("$QUILLOX_MINGW_CXX" -dumpfullversion 2>/dev/null || echo unknown)
    echo "${QUILLOX_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/quillox/mingw-gcc${version}}"
}

# A Wine prefix of our own, so the tests never touch the user's.
quillox_wine_env() {
    export WINEPREFIX=${QUILLOX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/quillox/wine}
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    # A crash ends the program with its backtrace instead of waiting on a box.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    wineserver -w
}
