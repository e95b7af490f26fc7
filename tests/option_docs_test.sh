#!/usr/bin/env bash
# The options each program's --help names are the ones its manual page names,
# in the synopsis and under OPTIONS; for quillox-cli, command by command, they
# are also the ones its bash completion offers.
#
#   option_docs_test.sh QUILLOX QUILLOX_CLI MAN_FOLDER COMPLETION
set -uo pipefail
quillox=$1
cli=$2
man=$3
completion=$4
failed=0

# The options named in standard input ("-h", "--date-format"), sorted, one
# line; the manual's Markdown escapes its dashes.
options_in() {
    sed 's/\\//g' | grep -oE -- '(^|[^[:alnum:]-])--?[a-z][a-z-]*' | sed -E 's/^[^-]*//' |
        LC_ALL=C sort -u | tr '\n' ' '
}

# A section of a manual page's source, without its heading.
man_section() {
    sed -n "/^# $2\$/,/^# /{/^# /d;p}" "$man/$1.1.md"
}

same() {
    if [ "$2" != "$3" ]; then
        printf 'FAILED: %s\n  --help:  %s\n  other:   %s\n' "$1" "$2" "$3"
        failed=1
    fi
}

# The desktop program answers --help without a display.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$quillox" --help) || {
    echo "FAILED: quillox --help"
    exit 1
}
expected=$(options_in <<<"$help")
same "quillox(1) synopsis" "$expected" "$(man_section quillox SYNOPSIS | options_in)"
same "quillox(1) options" "$expected" "$(man_section quillox OPTIONS | options_in)"
for option in --help --version --verbose --embedding; do
    grep -q -- "$option" <<<"$expected" || {
        echo "FAILED: quillox --help does not name $option"
        failed=1
    }
done

help=$("$cli" --help) || {
    echo "FAILED: quillox-cli --help"
    exit 1
}
same "quillox-cli(1) options" "$(options_in <<<"$help")" "$(man_section quillox-cli OPTIONS | options_in)"

# What the completion offers after the words given, the last being typed.
complete_words() {
    bash --norc --noprofile -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"
        shift
        COMP_WORDS=(quillox-cli "$@")
        COMP_CWORD=$#
        COMP_LINE="quillox-cli $*"
        COMP_POINT=${#COMP_LINE}
        _quillox_cli quillox-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
        printf "%s\n" "${COMPREPLY[@]}"
    ' completion "$completion" "$@" | options_in
}

# The usage lines of one command, with their continuation lines.
usage_of() {
    awk -v command="  quillox-cli $1" '
        /^$/ { exit }
        index($0, command) == 1 { on = 1; print; next }
        /^  quillox-cli/ { on = 0 }
        on && /^   / { print }
    ' <<<"$help"
}

for command in show info convert export generate; do
    expected=$(usage_of "$command" | options_in)
    [ -n "$expected" ] || {
        echo "FAILED: quillox-cli --help shows no usage of $command"
        failed=1
    }
    same "quillox-cli(1) synopsis of $command" "$expected" \
        "$(man_section quillox-cli SYNOPSIS | grep -F "**quillox-cli $command**" | options_in)"
    same "completion of $command" "$expected" "$(complete_words "$command" --)"
done
expected=$(usage_of --help | options_in)
same "quillox-cli(1) synopsis of --help" "$expected" \
    "$(man_section quillox-cli SYNOPSIS | grep -F '**quillox-cli** **\--help**' | options_in)"
same "completion of the first word" "$expected" "$(complete_words --)"

[ "$failed" -eq 0 ] && echo "--help, the manual pages and the completion name the same options"
exit "$failed"
