# Sourced by the shell tests: plain_card_file NAME URL USER PASSWORD NOTE
# writes a plain data file with one card holding the five texts to standard
# output, in the current format, so that no test needs a file of its own.

# A number as four bytes, least significant first.
u32() {
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
        $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"
}

plain_card_file() {
    local length=0 text
    for text in "$@"; do
        length=$((length + ${#text} + 1))
    done
    printf '\x00\x06\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x70\x4c\x78\x51\x00\x00\x00\x00'
    printf '\x00\x00\x00\x00'
    u32 3000000000
    u32 0
    u32 0
    u32 0
    u32 $length
    printf '%s\0' "$@"
}
