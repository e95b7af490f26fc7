#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillox.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
quillox_install_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quillox-cli
exec build/bin/quillox-cli "${@:---help}"
