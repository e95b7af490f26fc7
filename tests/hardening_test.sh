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
    readelf -h "$program" | grep -q "Type: *DYN" || fail "$name is not position-independent"
    readelf -lW "$program" | grep -q "GNU_RELRO" || fail "$name has no RELRO segment"
    readelf -dW "$program" | grep -q "BIND_NOW" || fail "$name does not bind immediately"
    symbols=$(readelf -sW --dyn-syms "$program")
    grep -q "__stack_chk_fail" <<<"$symbols" || fail "$name has no stack protector"
    if [ "$fortified" = ON ]; then
        grep -q "__[a-z_]*_chk@" <<<"$symbols" || fail "$name calls no fortified function"
    fi
done
[ "$failed" -eq 0 ] && echo "Hardened: $*"
exit "$failed"
