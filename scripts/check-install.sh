#!/usr/bin/env bash
# Checks what Quillox installs: installs a built tree into a temporary prefix,
# compares the files with data/installed-files.txt, runs the desktop's
# validators on the desktop entry, the AppStream description, the file types
# and the manual pages, and checks that the file types, the bash completion
# and the user guide work from there.
#
#   scripts/check-install.sh [BUILD_FOLDER]     (default: build)
#
# The build folder must have been built in full.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
share=$prefix/share
failures=0

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# Runs a check that must succeed and print nothing on standard error.
quiet() {
    local what=$1
    shift
    if ! "$@" >"$work/out" 2>"$work/err" || [ -s "$work/err" ]; then
        fail "$what"
        cat "$work/out" "$work/err" >&2
    fi
}

echo "-- Installing into a temporary prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
if ! diff -u data/installed-files.txt "$work/installed"; then
    fail "the installed files differ from data/installed-files.txt (- expected, + installed)"
fi

echo "-- Validating the desktop entry, AppStream description, file types and manual pages"
quiet "desktop-file-validate" desktop-file-validate "$share/applications/quillox.desktop"
if ! appstreamcli validate --no-net "$share/metainfo/io.github.quillox.Quillox.metainfo.xml" \
    >"$work/out" 2>&1; then
    fail "appstreamcli validate"
    cat "$work/out" >&2
fi
quiet "xmllint of the file types" xmllint --noout "$share/mime/packages/quillox.xml"
for page in "$share"/man/man1/*.1.gz; do
    quiet "man --warnings $(basename "$page")" \
        env LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page"
done

echo "-- Checking that the desktop entry's program and icons are installed"
desktop_value() {
    sed -n "s/^$1=//p" "$share/applications/quillox.desktop"
}
[ -x "$prefix/bin/$(desktop_value Exec | cut -d' ' -f1)" ] || fail "the desktop entry's Exec"
[ -f "$share/icons/hicolor/scalable/apps/$(desktop_value Icon).svg" ] || fail "the desktop entry's Icon"
for type in plain encrypted; do
    [ -f "$share/icons/hicolor/scalable/mimetypes/application-x-quillox-$type.svg" ] ||
        fail "the icon of application/x-quillox-$type"
done

echo "-- Checking the version in the program, the manual pages and AppStream"
version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$share/metainfo/io.github.quillox.Quillox.metainfo.xml")
[ "$("$prefix/bin/quillox-cli" --version)" = "quillox-cli $version" ] ||
    fail "quillox-cli --version does not say $version"
for page in "$share"/man/man1/*.1.gz; do
    grep -q "Quillox $version" <<<"$(zcat "$page")" || fail "$(basename "$page") does not name $version"
done

echo "-- Checking the file types through shared-mime-info"
quiet "update-mime-database" env XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share" \
    update-mime-database "$share/mime"
cli=$prefix/bin/quillox-cli
samples=$work/samples
mkdir -p "$samples"
: >"$samples/empty.qxf"
"$cli" convert "$samples/empty.qxf" "$samples/cards.qxf" --plain
printf '%s\n' 'a long password' |
    "$cli" convert "$samples/empty.qxf" "$samples/cards.qxe" --encrypt --password-stdin
printf '%s\n' 'a long password' |
    "$cli" convert "$samples/empty.qxf" "$samples/compatible-card-file" --encrypt \
        --form compatible --password-stdin
# Without a telling name the content decides: the current format and the
# older ones, plain and encrypted.
cp "$samples/cards.qxf" "$samples/plain-card-file"
cp "$samples/cards.qxe" "$samples/encrypted-card-file"
printf 'NTENCRYPTVersion1.002%020d' 0 >"$samples/old-plain-card-file"
printf 'ENCRYPTEDVersion1.001%08d' 0 >"$samples/old-encrypted-card-file"
expect_type() {
    local file=$1 expected=$2 found
    # The generic route of xdg-mime (shared-mime-info through File::MimeInfo),
    # reading only the database of the temporary prefix.
    found=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION \
        -u GNOME_DESKTOP_SESSION_ID XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share" \
        xdg-mime query filetype "$samples/$file")
    [ "$found" = "$expected" ] || fail "xdg-mime names $file $found, not $expected"
}
expect_type cards.qxf application/x-quillox-plain
expect_type cards.qxe application/x-quillox-encrypted
expect_type plain-card-file application/x-quillox-plain
expect_type encrypted-card-file application/x-quillox-encrypted
expect_type compatible-card-file application/x-quillox-encrypted
expect_type old-plain-card-file application/x-quillox-plain
expect_type old-encrypted-card-file application/x-quillox-encrypted

echo "-- Checking the bash completion of quillox-cli"
touch "$samples/other.qxe"
completions=$(
    cd "$samples"
    bash --norc --noprofile -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"
        # Completes the words given (the last one being typed) on one line.
        complete_words() {
            COMP_WORDS=(quillox-cli "$@")
            COMP_CWORD=$#
            COMP_LINE="quillox-cli $*"
            COMP_POINT=${#COMP_LINE}
            COMPREPLY=()
            _quillox_cli quillox-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
            printf "%s\n" "${COMPREPLY[*]}" | tr " " "\n" | LC_ALL=C sort | tr "\n" " "
            echo
        }
        complete_words ""
        complete_words ex
        complete_words show oth
        complete_words convert a.qxe b.qxe --encrypt --
        complete_words export a.qxe a.txt --xml --title T --
        complete_words show a.qxe --date-format 1
        complete_words generate --length 5 --upper --
    ' completion "$share/bash-completion/completions/quillox-cli"
)
expected_completions='--help --version convert export generate info show 
export 
other.qxe 
--force --form --password-stdin 
--date-format --no-atm --no-notes --password-stdin 
1 10 11 
--count --lower --numbers --others '
if [ "$completions" != "$expected_completions" ]; then
    fail "bash completion"
    diff -u <(echo "$expected_completions") <(echo "$completions") >&2 || true
fi

echo "-- Checking the user guide's pictures and links"
guide=$share/doc/quillox/user-guide.html
for anchor in $(grep -o 'href="#[^"]*"' "$guide" | sed 's/^href="#//; s/"$//' | sort -u); do
    grep -q "id=\"$anchor\"" "$guide" || fail "the user guide links to #$anchor, which it lacks"
done
for image in $(grep -o 'src="[^"]*"' "$guide" | sed 's/^src="//; s/"$//'); do
    [ -f "$(dirname "$guide")/$image" ] || fail "the user guide shows $image, which is not installed"
done
grep -q '<img' "$guide" || fail "the user guide shows no picture"

echo "-- Starting Quillox from its desktop entry for the first time, in an empty home"
home=$work/home
mkdir -p "$home"
# A clean environment, as a desktop session starts programs: the installed
# program on the PATH, the installed desktop entry among the data folders.
# A busy machine may take a while to show the first window.
launch_from_desktop_entry() {
    env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$home" XDG_DATA_DIRS="$share:/usr/share" \
        xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
            gtk-launch quillox.desktop || exit 1
            for _ in $(seq 300); do
                window=$(xdotool search --onlyvisible --name "^Quillox\$" 2>/dev/null | head -n 1)
                if [ -n "$window" ]; then
                    kill "$(xdotool getwindowpid "$window")"
                    exit
                fi
                sleep 0.2
            done
            echo "No window named Quillox within a minute"
            exit 1
        ' >"$work/launch" 2>&1
}
# xvfb-run may pick the display that another virtual display takes at the
# same moment; a second try gets another.
if ! launch_from_desktop_entry && ! launch_from_desktop_entry; then
    fail "quillox did not show its window when started from its desktop entry"
    grep -v "Gtk-CRITICAL\|^\$" "$work/launch" >&2 || true
fi
[ -f "$home/.config/Quillox/Quillox.conf" ] || fail "the first start made no settings file"

if [ "$failures" -ne 0 ]; then
    echo "$failures installation check(s) failed" >&2
    exit 1
fi
echo "-- All installation checks passed"
