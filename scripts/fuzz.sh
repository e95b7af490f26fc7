#!/usr/bin/env bash
# Fuzzes the file readers: load_fuzzer with arbitrary file bytes, and
# password_fuzzer with files of every format built around fuzzed cards and
# every kind of password answer; and dde_arguments_fuzzer, which checks that
# argument lists for the browser come back whole. All run at once for
# SECONDS (default 60) under AddressSanitizer and UndefinedBehaviorSanitizer; the corpora are kept
# in build-fuzz/ from run to run. Prints the executions of each and in all.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
quillox_install_packages

seconds=${1:-60}
jobs=$(nproc)

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOX_FUZZ=ON \
    -DQUILLOX_GUI=OFF -DQUILLOX_SANITIZE=address,undefined >/dev/null
cmake --build build-fuzz -j "$jobs" --target load_fuzzer password_fuzzer dde_arguments_fuzzer \
    store_tests

seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds/load" "$seeds/password" "$seeds/dde_arguments" build-fuzz/corpus/load \
    build-fuzz/corpus/password build-fuzz/corpus/dde_arguments
QUILLOX_FUZZ_SEEDS="$PWD/$seeds/load" build-fuzz/bin/store_tests \
    --gtest_filter='SeedCorpus.*' >/dev/null
mv "$seeds"/load/password-* "$seeds/password/"

# All targets at once.
for target in load password dde_arguments; do
    echo "== ${target}_fuzzer for ${seconds}s"
    build-fuzz/bin/${target}_fuzzer -max_total_time="$seconds" -max_len=4096 \
        -print_final_stats=1 "build-fuzz/corpus/$target" "$seeds/$target" \
        >"build-fuzz/${target}_fuzzer.log" 2>&1 &
    eval "${target}_pid=$!"
done
total=0
failed=0
for target in load password dde_arguments; do
    log=build-fuzz/${target}_fuzzer.log
    pid_name=${target}_pid
    status=0
    wait "${!pid_name}" || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
        tail -n 60 "$log"
        echo "${target}_fuzzer failed (exit $status); the log is $log"
        failed=1
        continue
    fi
    echo "${target}_fuzzer: $runs executions, $(sed -n 's/^stat::peak_rss_mb: *//p' "$log") MB at most"
    total=$((total + runs))
done
echo "== Executions in all: $total"
exit "$failed"
