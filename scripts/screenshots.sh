#!/usr/bin/env bash
# Takes the user guide's pictures: starts build/bin/quillox on a virtual
# display with a sample collection and its own empty settings, drives it with
# the keyboard and saves PNG files into docs/images (or the folder given).
#
#   scripts/screenshots.sh [OUTPUT_FOLDER]
#
# The program must have been built (cmake --build build --target quillox).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
quillox_install_packages "${QUILLOX_SCREENSHOT_PACKAGES[@]}"

program=$PWD/build/bin/quillox
out=$(realpath -m "${1:-docs/images}")
if [ ! -x "$program" ]; then
    echo "Build the program first: cmake --build build --target quillox" >&2
    exit 1
fi
mkdir -p "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/config/Quillox"

# A plain collection with made-up cards in a few categories.
python3 - "$work/home/Personal.qxf" <<'EOF'
import datetime
import struct
import sys

def mac_time(year, month, day, hour=0, minute=0):
    stamp = datetime.datetime(year, month, day, hour, minute) - datetime.datetime(1904, 1, 1)
    return int(stamp.total_seconds())

def card(category, fields, note="", when=(2026, 3, 4), attributes=0):
    texts = b"".join(text.encode("cp1252") + b"\0" for text in (*fields, note))
    header = struct.pack("<BBBBIIIII", category, 0, attributes, 4, mac_time(*when), 0, 0, 0,
                         len(texts))
    return header + texts

cards = [
    card(0, ("Example Shop", "https://shop.example.com/login", "jane.doe", "Tr4ck-Saddle-71"),
         "Customer number 40 112 77", (2026, 2, 11), attributes=2),
    card(0, ("News Portal", "https://news.example.org/", "jdoe", "Owl#Lantern9"), "",
         (2025, 11, 30)),
    card(0, ("Photo Club", "https://photos.example.net/", "jane", "mX7!pQ2vK"),
         "Renew in May", (2026, 1, 19)),
    card(0, ("Village Library", "https://library.example.org/account", "L-204588", "4815-Quill"),
         "", (2024, 9, 2), attributes=1),
    card(6, ("Jane Doe", "pop.mail.example.com", "jane.doe@example.com", "Sea-Glass-2026"),
         "IMAP port 993"),
    card(7, ("Example Bank", "20 41 77", "Jane Doe", "8800 1234 5678"), "Current account"),
    card(8, ("Visa", "09/28", "4000 1234 5678 9010", "4711"), "Lost card hotline 0800 555 0100"),
    card(11, ("Photo Editor Pro", "https://editor.example.com/", "Jane Doe",
              "PEP-7Q2M-XK4R-88JD"), ""),
]
header = bytes([0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0]) + struct.pack("<II", 0x51784C70, 0)
with open(sys.argv[1], "wb") as data:
    data.write(header + b"".join(cards))
EOF

# Settings of a user who has run Quillox before and reopens the last file.
cat >"$work/config/Quillox/Quillox.conf" <<EOF
[General Preferences]
LastSelectedCatg=WWW Sites
[Start Up Preferences]
Check Open Files=1
[Recent File List]
File1=$work/home/Personal.qxf
[Settings]
First Start Done=1
EOF

export HOME=$work/home XDG_CONFIG_HOME=$work/config
export QUILLOX_PROGRAM=$program QUILLOX_SHOTS=$out QUILLOX_LOG=$work/quillox.log
if ! xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
    # The window named exactly "title", waited for up to ten seconds.
    window() {
        for _ in $(seq 50); do
            id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
            if [ -n "$id" ]; then
                echo "$id"
                return 0
            fi
            sleep 0.2
        done
        echo "No window \"$1\" appeared" >&2
        return 1
    }
    shot() {
        sleep 0.8
        import -window "$1" -strip "$QUILLOX_SHOTS/$2.png"
        echo "$QUILLOX_SHOTS/$2.png"
    }
    keys() {
        xdotool key --clearmodifiers "$@"
        sleep 0.5
    }

    # GTK complains about sizes on a display without a window manager.
    "$QUILLOX_PROGRAM" 2>"$QUILLOX_LOG" &
    program=$!
    trap "kill $program 2>/dev/null || true" EXIT
    main=$(window Quillox)
    xdotool windowfocus --sync "$main" || true
    sleep 1.5
    # The first row of the card list, below the toolbar and the category bar.
    xdotool mousemove --window "$main" 60 182 click 1
    sleep 0.5
    shot "$main" main-window

    keys ctrl+e
    shot "$(window "Edit Card")" card-editor
    keys Escape

    keys ctrl+f
    shot "$(window "Find Card")" find-card
    keys Escape

    keys alt+g
    shot "$(window "Generate Password")" generate-password
    keys Escape

    # Ticking "Encrypt On Save", at the top left of the dialog, opens the
    # password entries as the user sees them when filling them in.
    keys alt+s
    dialog=$(window "File Encryption")
    xdotool mousemove --window "$dialog" 30 43 click 1
    shot "$dialog" file-encryption
    keys Escape

    keys alt+p
    shot "$(window "Preferences")" preferences
    keys Escape

    # Help > About Quillox..., as a new user finds it.
    keys alt+h a
    shot "$(window "About Quillox")" about-box
    keys Escape
'; then
    echo "The pictures could not be taken; the program said:" >&2
    grep -v "Gtk-CRITICAL\\|^\$" "$work/quillox.log" >&2 || true
    exit 1
fi
