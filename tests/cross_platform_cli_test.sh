#!/usr/bin/env bash
# Usage: cross_platform_cli_test.sh LINUX_CLI WINDOWS_CLI SAMPLES
# The Linux and the Windows quillox-cli (run under Wine) read each sample file
# and write the same bytes: show, show --json, a plain conversion, both exports
# (the text export's first line holds today's date in each system's own form).
set -euo pipefail
linux_cli=$1
windows_cli=$2
samples=$3
password=sample-pass

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# run SYSTEM OUTPUT ARGS...: the program of SYSTEM in its own folder of work,
# with the sample files beside it, writing standard output to OUTPUT.
run() {
    local system=$1 output=$2
    shift 2
    local folder="$work/$system"
    mkdir -p "$folder"
    cp -n "$samples"/*.qx? "$folder/"
    if [ "$system" = linux ]; then
        (cd "$folder" && printf '%s\n' "$password" | "$linux_cli" "$@" --password-stdin >"$output")
    else
        (cd "$folder" && printf '%s\n' "$password" | wine "$windows_cli" "$@" --password-stdin >"$output")
    fi
}

same() {
    if [ "${1##*.}" = txt ]; then
        for system in linux windows; do
            tail -n +2 "$work/$system/$1" >"$work/$system/$1.body"
        done
        set -- "$1.body"
    fi
    if cmp -s "$work/linux/$1" "$work/windows/$1"; then
        echo "same: $1"
    else
        echo "DIFFERENT: $1"
        cmp "$work/linux/$1" "$work/windows/$1" || true
        failures=$((failures + 1))
    fi
}

for sample in "$samples"/*.qx?; do
    name=$(basename "$sample")
    for system in linux windows; do
        run "$system" "$name.show" show "$name"
        run "$system" "$name.json" show --json "$name"
        run "$system" /dev/null convert "$name" "$name.plain" --plain
        run "$system" /dev/null export "$name" "$name.txt" --text
        run "$system" /dev/null export "$name" "$name.xml" --xml
    done
    for output in show json plain txt xml; do
        same "$name.$output"
    done
done

if [ "$failures" -ne 0 ]; then
    echo "$failures outputs differ between the Linux and the Windows quillox-cli"
    exit 1
fi
