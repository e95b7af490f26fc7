#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the plain build, the
# checks of what it installs, the Windows build under Wine, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of
# the fuzz targets. Exits non-zero on any failure. QUILLOX_WINDOWS=0 leaves
# the Windows stage out.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
quillox_install_packages

jobs=$(nproc)
fuzz_seconds=${QUILLOX_FUZZ_SECONDS:-30}

# The window tests need a display: a virtual one, and one test program at a time.
run_tests() {
    local dir=$1
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" -LE gui
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$dir" --output-on-failure -L gui
}

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOX_BENCH=ON
cmake --build build -j "$jobs"
run_tests build

echo "== What Quillox installs: desktop entry, file types, manual pages, file list"
scripts/check-install.sh build

if [ "${QUILLOX_WINDOWS:-1}" != 0 ]; then
    echo "== Windows: libraries (built once, then cached), programs, installer, tests under Wine"
    windows_started=$SECONDS
    scripts/windows-deps.sh
    scripts/windows-build.sh
    scripts/windows-test.sh build-windows build
    echo "== Windows stage took $((SECONDS - windows_started)) s"
fi

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLOX_SANITIZE=address,undefined
cmake --build build-sanitize -j "$jobs"
# GTK and its libraries keep caches for the life of the process; only leaks
# in our own code count.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
run_tests build-sanitize
unset LSAN_OPTIONS ASAN_OPTIONS UBSAN_OPTIONS

echo "== Fuzzing the file readers for ${fuzz_seconds}s each"
scripts/fuzz.sh "$fuzz_seconds"

echo "== All tests passed"
