#!/usr/bin/env bash
# The desktop program answers --help and --version, and says that it needs a
# display when there is none, all before its toolkit starts; and from its
# start every file it or its toolkit creates is the user's alone.
set -uo pipefail
quillox=$1
version=$2
failed=0
check() {
    if [ "$2" != "$3" ]; then
        printf 'FAILED: %s\n  got:      %q\n  expected: %q\n' "$1" "$2" "$3"
        failed=1
    fi
}

help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$quillox" --help 2>&1)
check "--help exit status" "$?" 0
check "--help first line" "$(head -n 1 <<<"$help")" "Usage: quillox [OPTION]... [FILE]..."

check "--version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$quillox" --version 2>&1)" \
    "quillox $version"

# No display named, and one named that cannot be reached.
for display in "" ":4093"; do
    message=$(env -u WAYLAND_DISPLAY DISPLAY="$display" "$quillox" 2>&1 >/dev/null)
    check "exit status with DISPLAY='$display'" "$?" 1
    check "message with DISPLAY='$display'" "$message" \
        "Quillox needs a graphical display; quillox-cli works without one."
done

# The file mask as the program ends, when it was started with one that lets
# everyone read new files.
if command -v gdb >/dev/null; then
    mask=$(
        umask 022
        gdb -nx -batch -ex 'set confirm off' -ex 'catch syscall exit_group' -ex run \
            -ex 'info proc status' -ex kill --args "$quillox" --version 2>&1 |
            sed -n 's/^Umask:[[:space:]]*//p'
    )
    check "file mask" "$mask" 0077
else
    echo "gdb is not installed: the file mask is not checked"
fi

[ "$failed" -eq 0 ] && echo "quillox --help, --version, no display and the file mask answered"
exit "$failed"
