#!/usr/bin/env bash
# Takes a memory image of quillox-cli as it exits from converting a strong
# encrypted file, to strong, to the compatible form and to plain, and from
# exporting it to XML, and looks in it for the cards' texts, both passwords
# (as UTF-8 and as UTF-16) and the keys derived for the strong files: none
# may be left. The second argument is a library preloaded to keep the program
# dumpable, so that gdb can read its memory without privileges; the third
# prints a strong file's key.
set -euo pipefail
cli=$1
keep_dumpable=$2
strong_key=$3
if ! command -v gdb >/dev/null; then
    echo "SKIPPED: gdb is not installed, so no memory image can be taken"
    exit 77
fi

# AddressSanitizer reserves terabytes of shadow memory, and an image of such
# a program would be that large.
# Read whole before searching: grep -q stops at the first match, and under
# pipefail the readelf it leaves behind would make the check fail.
if grep -q "__asan_init" <<<"$(readelf --dyn-syms -W "$cli")"; then
    echo "SKIPPED: quillox-cli is built with AddressSanitizer; its memory image would be terabytes"
    exit 77
fi
# Whatever happens, no image may fill the disk.
ulimit -f $((512 * 1024))

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

secrets=(QxSiteName7731 QxAddress5512 QxLoginId9043 QxCardPassword3377 QxNoteText6190
    QxFilePassOne4821 QxFilePassTwo9265)
# A plain file with one card holding the five texts.
source "$(dirname "$0")/../plain_card_file.sh"
plain_card_file "${secrets[@]:0:5}" >"$dir/cards.qxf"
printf '%s\n' "${secrets[5]}" | "$cli" convert "$dir/cards.qxf" "$dir/one.qxe" --encrypt \
    --password-stdin

# Writes a memory image of the program at its exit into $1; the rest is the call.
image_at_exit() {
    local image=$1 input=$2
    shift 2
    ASAN_OPTIONS=detect_leaks=0 gdb -nx -batch -ex 'set confirm off' \
        -ex "set environment LD_PRELOAD=$keep_dumpable" -ex 'catch syscall exit_group' -ex 'run' -ex "gcore $image" -ex 'kill' \
        --args "$cli" "$@" <"$input" >"$dir/gdb.log" 2>&1 || true
    if [ ! -s "$image" ]; then
        cat "$dir/gdb.log"
        echo "FAILED: no memory image was taken"
        exit 1
    fi
}

printf '%s\n%s\n' "${secrets[5]}" "${secrets[6]}" >"$dir/both-passwords"
printf '%s\n' "${secrets[6]}" >"$dir/second-password"
image_at_exit "$dir/to-encrypted.core" "$dir/both-passwords" \
    convert "$dir/one.qxe" "$dir/two.qxe" --encrypt --password-stdin
image_at_exit "$dir/to-plain.core" "$dir/second-password" \
    convert "$dir/two.qxe" "$dir/plain.qxf" --plain --password-stdin
image_at_exit "$dir/to-compatible.core" "$dir/both-passwords" \
    convert "$dir/one.qxe" "$dir/compatible.qxe" --encrypt --form compatible --password-stdin
printf '%s\n' "${secrets[5]}" >"$dir/first-password"
image_at_exit "$dir/to-xml.core" "$dir/first-password" \
    export "$dir/one.qxe" "$dir/cards.xml" --xml --password-stdin

# A text as the XML export's UTF-16 little-endian holds it, for grep -P.
utf16() {
    local i pattern=""
    for ((i = 0; i < ${#1}; i++)); do
        pattern+="${1:i:1}\\x00"
    done
    printf '%s' "$pattern"
}
# Whether file holds text, as UTF-8 or as UTF-16.
holds() {
    grep -q -a -F "$2" "$1" || LC_ALL=C grep -q -a -P "$(utf16 "$2")" "$1"
}

# The keys, as grep -P patterns of their bytes.
key_pattern() {
    "$strong_key" "$1" <<<"$2" | sed 's/../\\x&/g'
}
keys=("$(key_pattern "$dir/one.qxe" "${secrets[5]}")" "$(key_pattern "$dir/two.qxe" "${secrets[6]}")")
for key in "${keys[@]}"; do
    [ ${#key} -eq 128 ] || { echo "FAILED: no key worked out for a strong file"; exit 1; }
done

failed=0
for image in "$dir/to-encrypted.core" "$dir/to-plain.core" "$dir/to-compatible.core" \
    "$dir/to-xml.core"; do
    # An image of the program's memory holds its own arguments; one without
    # them is gdb failing to read memory here, and proves nothing either way.
    if ! grep -q -a -F "$dir/one.qxe" "$image" && ! grep -q -a -F "$dir/two.qxe" "$image"; then
        echo "SKIPPED: gdb could not read the program's memory here; $(basename "$image") is empty"
        exit 77
    fi
    for secret in "${secrets[@]}"; do
        if holds "$image" "$secret"; then
            echo "FAILED: $secret is left in $(basename "$image")"
            failed=1
        fi
    done
    for key in "${keys[@]}"; do
        if LC_ALL=C grep -q -a -P "$key" "$image"; then
            echo "FAILED: a strong file's key is left in $(basename "$image")"
            failed=1
        fi
    done
done
# The strong form was what was read and written.
[ "$(od -An -tu1 -j12 -N1 "$dir/two.qxe" | tr -d ' ')" = 2 ] ||
    { echo "FAILED: two.qxe is not in the strong form"; failed=1; }
# The conversions did their work: the plain file and the export hold the texts again.
for text in "${secrets[@]:0:5}"; do
    grep -q -a -F "$text" "$dir/plain.qxf" || { echo "FAILED: $text was not converted"; failed=1; }
    LC_ALL=C grep -q -a -P "$(utf16 "$text")" "$dir/cards.xml" ||
        { echo "FAILED: $text was not exported"; failed=1; }
done
[ "$failed" -eq 0 ] && echo "No card text, no password and no key in any memory image"
exit "$failed"
