#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillox.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
quillox_install_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quillox quillox-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show Quillox on. Without one, use the command-line tool:"
    echo "    build/bin/quillox-cli --help"
    exit 1
fi
exec build/bin/quillox "$@"
