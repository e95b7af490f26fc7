#!/usr/bin/env bash
# What another local user can do against Quillox, shown with a real second
# user: run as root, the test makes a throwaway system user, acts as that
# user where an attacker would, and removes the user at the end. Each
# section below is one attack; a section sets failed=1 for every fault it
# finds, and runs when it is named in the list at the end.
set -uo pipefail
cli=$1

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: only root can make the second user this test acts as; run it as root"
    exit 77
fi
for tool in useradd userdel setpriv; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed, so no second user can be made or acted as"
        exit 77
    fi
done

dir=$(mktemp -d)
other=qxcross$$
cleanup() {
    userdel "$other" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
if ! useradd --system --no-create-home --shell /usr/sbin/nologin "$other"; then
    echo "SKIPPED: the second user could not be made"
    exit 77
fi
as_other() { setpriv --reuid="$other" --regid="$other" --clear-groups -- "$@"; }

# Root's own folder, and a folder everyone may write to, sticky as /tmp is.
chmod 0755 "$dir"
mkdir -m 0700 "$dir/private"
mkdir -m 1777 "$dir/shared"

# An encrypted file of root's with one card whose password is the secret.
secret=QxCrossUserSecret4410
password=QxFilePassword7782
source "$(dirname "$0")/plain_card_file.sh"
plain_card_file Site "" "" "$secret" "" >"$dir/private/plain.qxf"
printf '%s\n' "$password" |
    "$cli" convert "$dir/private/plain.qxf" "$dir/private/secret.qxe" --encrypt --password-stdin ||
    {
        echo "FAILED: the encrypted file could not be made"
        exit 1
    }
rm "$dir/private/plain.qxf"

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

# Writes root's cards to target in the clear in one of three ways: way is
# text, xml or plain. The exit status and messages are the program's.
write_clear() {
    local way=$1 target=$2
    case $way in
        text | xml)
            printf '%s\n' "$password" |
                "$cli" export "$dir/private/secret.qxe" "$target" "--$way" --password-stdin
            ;;
        plain)
            printf '%s\n' "$password" |
                "$cli" convert "$dir/private/secret.qxe" "$target" --plain --password-stdin
            ;;
    esac
}

# Root writes clear text where the other user already has a file: the other
# user never gets it, neither as owner nor by the file's old mode.
clear_text_over_another_users_file() {
    local way target message
    for way in text xml plain; do
        target=$dir/shared/$way-output
        as_other sh -c "echo theirs >'$target' && chmod 0666 '$target'"
        if message=$(write_clear "$way" "$target" 2>&1); then
            [ "$(stat -c %U "$target")" != "$other" ] ||
                fail "$way: root's clear text was given to $other"
            as_other cat "$target" >/dev/null 2>&1 && fail "$way: $other can read root's clear text"
            grep -q -a "$secret" "$target" || [ "$way" = xml ] ||
                fail "$way: the cards were not written"
        else
            grep -q -F "$other" <<<"$message" ||
                fail "$way: refused without naming the owner: $message"
        fi
    done
    # An encrypted file may go back to its owner, as before.
    target=$dir/shared/encrypted-output
    as_other sh -c "echo theirs >'$target'"
    printf '%s\n%s\n' "$password" "$password" |
        "$cli" convert "$dir/private/secret.qxe" "$target" --encrypt --password-stdin ||
        fail "encrypted: the file could not be written"
    [ "$(stat -c %U "$target")" = "$other" ] || fail "encrypted: the owner was not kept"
}

# The other user plants links in the shared folder, to a file of root's and
# to one that does not exist yet: nothing is written through them, and root
# is told why. A link root made there itself is still followed.
links_planted_in_a_shared_folder() {
    local way link message
    echo "root's own" >"$dir/private/important.txt"
    as_other ln -s "$dir/private/important.txt" "$dir/shared/planted"
    as_other ln -s "$dir/private/created" "$dir/shared/dangling"
    for way in text xml plain; do
        for link in planted dangling; do
            if message=$(write_clear "$way" "$dir/shared/$link" 2>&1); then
                fail "$way: written through the $link link of $other"
            fi
            grep -q -i "symbolic link" <<<"$message" ||
                fail "$way: the $link link was refused without saying why: $message"
        done
    done
    [ "$(cat "$dir/private/important.txt")" = "root's own" ] ||
        fail "root's file was changed through the link"
    [ -e "$dir/private/created" ] && fail "a file was created through the dangling link"
    [ -L "$dir/shared/planted" ] || fail "the planted link itself was replaced"

    ln -s "$dir/private/mine.txt" "$dir/shared/own-link"
    write_clear text "$dir/shared/own-link" >/dev/null 2>&1 ||
        fail "root's own link in the shared folder was not followed"
    grep -q -a "$secret" "$dir/private/mine.txt" 2>/dev/null ||
        fail "the export did not arrive through root's own link"
}

sections=(clear_text_over_another_users_file links_planted_in_a_shared_folder)
for section in "${sections[@]}"; do
    "$section"
done
[ "$failed" -eq 0 ] && echo "Another user got no clear text and redirected no write: ${sections[*]}"
exit "$failed"
