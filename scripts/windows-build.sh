#!/usr/bin/env bash
# Cross-builds quillox.exe, quillox-cli.exe and the test programs into
# build-windows/ with MinGW, then packs the portable archive and the
# installer. Run scripts/windows-deps.sh first (once per machine).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-env.sh

deps=$(quillox_windows_deps_dir)
if [ ! -f "$deps/stamps/wxwidgets" ]; then
    echo "The Windows libraries are not built yet: run scripts/windows-deps.sh first." >&2
    exit 1
fi
build=${QUILLOX_WINDOWS_BUILD:-build-windows}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DQUILLOX_WINDOWS_DEPS="$deps" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build "$build" -j "$(nproc)"
scripts/windows-package.sh "$build"
