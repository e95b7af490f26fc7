#!/usr/bin/env bash
# Checks that each program given is built hardened: position-independent,
# full RELRO with immediate binding, stack protector, and, when asked for,
# fortified library calls.
set -euo pipefail
fortified=$1
shift
failed=0
fail() {
    echo "FAILED: $1"
    failed=1
}
for program in "$@"; do
    name=$(basename "$program")
    # Read whole before searching: grep -q stops at the first match, and
    # under pipefail the writer it leaves behind would fail the check.
    grep -q "Type: *DYN" <<<"$(readelf -h "$program")" || fail "$name is not position-independent"
    grep -q "GNU_RELRO" <<<"$(readelf -lW "$program")" || fail "$name has no RELRO segment"
    grep -q "BIND_NOW" <<<"$(readelf -dW "$program")" || fail "$name does not bind immediately"
    symbols=$(readelf -sW --dyn-syms "$program")
    grep -q "__stack_chk_fail" <<<"$symbols" || fail "$name has no stack protector"
    if [ "$fortified" = ON ]; then
        grep -q "__[a-z_]*_chk@" <<<"$symbols" || fail "$name calls no fortified function"
    fi
done
[ "$failed" -eq 0 ] && echo "Hardened: $*"
exit "$failed"
