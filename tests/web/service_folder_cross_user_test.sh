#!/usr/bin/env bash
# Another user cannot keep Quillox from its service folder: with no
# XDG_RUNTIME_DIR, the folder lies in the user's home, so the /tmp name that
# another user made first does not matter. Needs root to act as two users
# made for the test (and removed after); skipped otherwise.
set -euo pipefail
web_tests=$1
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: acting as two users needs root"
    exit 77
fi
work=$(mktemp -d)
chmod 0755 "$work"
victim=qxvictim$$
other=qxother$$
cleanup() {
    userdel -r "$victim" >/dev/null 2>&1 || true
    userdel -r "$other" >/dev/null 2>&1 || true
    rm -rf "$work" "/tmp/quillox-${victim_uid:-none}"
}
trap cleanup EXIT
useradd -m -d "$work/$victim" "$victim"
useradd -M -d /nonexistent "$other"
victim_uid=$(id -u "$victim")
install -m 0755 "$web_tests" "$work/web_tests"

# The other user takes the names a Quillox once used.
setpriv --reuid "$other" --regid "$other" --init-groups mkdir -m 0755 "/tmp/quillox-$victim_uid"

env -u XDG_RUNTIME_DIR -u XDG_STATE_HOME HOME="$work/$victim" QUILLOX_CROSS_USER_TEST=1 \
    setpriv --reuid "$victim" --regid "$victim" --init-groups \
    "$work/web_tests" --gtest_filter='ServiceFolder.PreparedFromTheEnvironment*' --gtest_brief=1
echo "the service folder stays the user's own, whatever another user made in /tmp"
