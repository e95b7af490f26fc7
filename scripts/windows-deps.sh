#!/usr/bin/env bash
# Builds the libraries the Windows programs link (wxWidgets, libxml2,
# libsodium, GoogleTest, nlohmann-json) with MinGW from Debian's sources, into
# a cache folder outside the tree. A library already built from the same
# source version is skipped, so only the first run is slow.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-env.sh

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

# apt-get source needs the source entries next to the binary ones.
enable_deb_src() {
    if apt-get source --print-uris -qq wxwidgets3.2 >/dev/null 2>&1; then
        return 0
    fi
    local list=/etc/apt/sources.list.d/debian.sources
    if [ -f "$list" ] && ! grep -q "deb-src" "$list"; then
        sed 's/^Types: deb$/Types: deb-src/' "$list" | "${sudo[@]}" tee /etc/apt/sources.list.d/quillox-deb-src.sources >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | "${sudo[@]}" tee /etc/apt/sources.list.d/quillox-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
}

quillox_install_packages "${QUILLOX_WINDOWS_PACKAGES[@]}"
enable_deb_src

deps=$(quillox_windows_deps_dir)
work="$deps.work"
mkdir -p "$deps/stamps" "$work"
jobs=$(nproc)
host=$QUILLOX_MINGW_HOST
export CC=${host}-gcc-posix CXX=$QUILLOX_MINGW_CXX
toolchain="$PWD/cmake/mingw-w64.cmake"

source_version() {
    apt-cache showsrc --only-source "$1" | awk '/^Version:/ { print $2 }' | sort -V | tail -n 1
}

# Unpacks Debian's source of package into the work folder; prints its folder.
fetch_source() {
    local package=$1
    local folder="$work/$package"
    rm -rf "$folder"
    mkdir -p "$folder"
    (cd "$folder" && apt-get source -qq --only-source "$package" >/dev/null 2>&1) ||
        (cd "$folder" && apt-get source --only-source "$package" >&2)
    find "$folder" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# Runs build (a function) for package unless the same version is there.
build_once() {
    local name=$1 package=$2 build=$3
    local version
    version=$(source_version "$package")
    local stamp="$deps/stamps/$name"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
        echo "$name $version: already built"
        return 0
    fi
    echo "== $name $version: building"
    local started=$SECONDS
    local src
    src=$(fetch_source "$package")
    "$build" "$src"
    echo "$version" >"$stamp"
    rm -rf "${work:?}/$package"
    echo "$name $version: built in $((SECONDS - started)) s"
}

build_wx() {
    mkdir -p "$1/build-msw"
    cd "$1/build-msw"
    # Only what Quillox links (core, base, html, net); its art is SVG drawn by
    # the bundled nanosvg, so no image libraries are needed.
    ../configure --host="$host" --prefix="$deps" --disable-shared --with-msw \
        --with-zlib=sys --without-libpng --without-libjpeg --without-libtiff \
        --without-expat --with-regex=builtin --with-nanosvg --disable-svg \
        --disable-xrc --disable-webview --disable-mediactrl --disable-stc \
        --disable-richtext --disable-propgrid --disable-ribbon --disable-aui \
        --without-opengl --disable-tests >/dev/null
    make -j "$jobs" >/dev/null
    make install >/dev/null
    cd - >/dev/null
}

build_libxml2() {
    # Its own CMake build installs the package file that marks the library
    # static for those who link it.
    cmake -S "$1" -B "$1/build-msw" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$deps" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
        -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_LZMA=OFF \
        -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF -DLIBXML2_WITH_PYTHON=OFF \
        -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_ICU=OFF >/dev/null
    cmake --build "$1/build-msw" -j "$jobs" >/dev/null
    cmake --install "$1/build-msw" >/dev/null
}

build_sodium() {
    cd "$1"
    # Debian's source leaves generating the configure script to the builder.
    [ -x configure ] || autoreconf -fi >/dev/null 2>&1
    ./configure --host="$host" --prefix="$deps" --disable-shared --enable-static \
        --disable-dependency-tracking >/dev/null
    make -j "$jobs" >/dev/null
    make install >/dev/null
    cd - >/dev/null
}

build_gtest() {
    cmake -S /usr/src/googletest -B "$work/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$deps" -DCMAKE_BUILD_TYPE=Release -Dgtest_disable_pthreads=OFF >/dev/null
    cmake --build "$work/googletest-build" -j "$jobs" >/dev/null
    cmake --install "$work/googletest-build" >/dev/null
    rm -rf "$work/googletest-build"
}

# A header-only library: its headers and CMake files, not /usr/include
# itself, which would mix Linux headers into the Windows build.
install_json() {
    rm -rf "$deps/include/nlohmann" "$deps/share/cmake/nlohmann_json"
    mkdir -p "$deps/include" "$deps/share/cmake"
    cp -r /usr/include/nlohmann "$deps/include/"
    cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"
}

quillox_install_packages googletest nlohmann-json3-dev
build_once libxml2 libxml2 build_libxml2
build_once libsodium libsodium build_sodium
build_once wxwidgets wxwidgets3.2 build_wx

stamp_of() { dpkg-query -W -f='${Version}' "$1"; }
if [ "$(cat "$deps/stamps/googletest" 2>/dev/null)" != "$(stamp_of googletest)" ]; then
    build_gtest
    stamp_of googletest >"$deps/stamps/googletest"
fi
if [ "$(cat "$deps/stamps/nlohmann-json" 2>/dev/null)" != "$(stamp_of nlohmann-json3-dev)" ]; then
    install_json
    stamp_of nlohmann-json3-dev >"$deps/stamps/nlohmann-json"
fi
rmdir "$work" 2>/dev/null || true
echo "Windows libraries are in $deps"
