#!/usr/bin/env bash
# Usage: scripts/windows-test.sh WINDOWS_BUILD LINUX_BUILD
# Runs the Windows build's tests under Wine, then checks the whole program as
# a user meets it: a browser in another process gets the program's DDE
# requests, the Linux and the Windows quillox-cli agree byte for byte, the
# installer installs and uninstalls silently, and quillox.exe starts and
# keeps its settings in the registry.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-env.sh
windows_build=${1:-build-windows}
linux_build=${2:-build}
quillox_wine_env

echo "-- Test programs under Wine"
ctest --test-dir "$windows_build" --output-on-failure -j "$(nproc)" -LE gui
echo "-- Window tests under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$windows_build" --output-on-failure \
    --timeout 120 -L gui

echo "-- The Linux and the Windows quillox-cli write the same bytes"
tests/cross_platform_cli_test.sh "$PWD/$linux_build/bin/quillox-cli" \
    "$PWD/$windows_build/bin/quillox-cli.exe" "$PWD/tests/samples"

echo "-- The installer, the program and the registry"
tests/windows_install_test.sh "$windows_build/package" "$PWD/tests/samples"
