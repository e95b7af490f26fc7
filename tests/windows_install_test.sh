#!/usr/bin/env bash
# Usage: windows_install_test.sh PACKAGE_FOLDER SAMPLES_FOLDER
#        (under Wine, WINEPREFIX set)
# The installer installs silently for the user alone; quillox.exe starts,
# shows its window and writes its settings to HKCU\Software\QMT\Quillox;
# started again, it opens an encrypted sample with its password, typed into
# its prompt, and shows its cards; the silent uninstaller removes the program
# and leaves settings and data files.
set -euo pipefail
package=$1
samples=$2
setup=$(ls "$package"/quillox-*-setup.exe)
zip_file=$(ls "$package"/quillox-*-windows-x64.zip)
failures=0
check() {
    if "$@" >/dev/null 2>&1; then
        echo "ok: ${*: -1}"
    else
        echo "FAILED: $*"
        failures=$((failures + 1))
    fi
}

unzip -l "$zip_file" | grep -q "Quillox/quillox.exe" && unzip -l "$zip_file" | grep -q "Quillox/quillox-cli.exe" &&
    echo "ok: the portable archive holds both programs" || { echo "FAILED: archive"; failures=$((failures + 1)); }

local_appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
folder=$(winepath -u "$local_appdata\\Programs\\Quillox" 2>/dev/null)
settings='HKCU\Software\QMT\Quillox'
wine reg delete "$settings" /f >/dev/null 2>&1 || true
data_file=$(winepath -u "$local_appdata")/kept.qxf
printf 'x' >"$data_file"

wine "$setup" /S
wineserver -w
check test -f "$folder/quillox.exe"
check test -f "$folder/quillox-cli.exe"
check test -f "$folder/user-guide.html"
check wine reg query 'HKCU\Software\Classes\.qxe'
check wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillox' /v DisplayVersion
check wine "$folder/quillox-cli.exe" --version

# The first start writes the settings; the program then waits for the user.
# Every Wine command from here on shares the program's display: the first of
# them starts the Wine server, and a server started without a display leaves
# the program none. The server the commands above left must end first.
wineserver -w
program="$local_appdata\\Programs\\Quillox\\quillox.exe"
# A display of its own, chosen by the X server.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$display_file")"
wine "$program" >/dev/null 2>&1 &
started=$!
check timeout 60 xdotool search --sync --name '^Quillox$'
for _ in $(seq 60); do
    if wine reg query "$settings\\Internet Preferences" /v "Choose Web Browser" >/dev/null 2>&1; then
        break
    fi
    sleep 1
done
check wine reg query "$settings\\Internet Preferences" /v "Choose Web Browser"
check wine reg query "$settings\\Settings"
kill "$started" 2>/dev/null || true
wineserver -k || true
wineserver -w || true

# The most recent file, reopened at the start, is the encrypted sample. Its
# first card's password, copied with Alt+C once a click on the list's first
# row selects it, reaches the X clipboard: the cards were deciphered and
# shown.
wine reg add "$settings\\Recent File List" /v File1 /t REG_SZ \
    /d "$(winepath -w "$samples/cards.qxe")" /f >/dev/null 2>&1
wine reg add "$settings\\Start Up Preferences" /v "Check Open Files" /t REG_DWORD /d 1 /f \
    >/dev/null 2>&1
wineserver -w
wine "$program" >/dev/null 2>&1 &
started=$!
opened() {
    local prompt
    prompt=$(timeout 60 xdotool search --sync --name '^Decryption Password' |
        head -n 1) || return 1
    xdotool windowfocus --sync "$prompt" type --delay 20 'sample-pass'
    xdotool key Return
    local frame
    frame=$(timeout 60 xdotool search --sync --name 'Quillox - \[cards\.qxe\]' |
        head -n 1) || return 1
    sleep 1
    # Under the menu bar, the toolbar, the category bar and the headings.
    xdotool mousemove --window "$frame" 60 105 click 1
    sleep 0.5
    xdotool key alt+c
    sleep 1
    [ "$(timeout 5 xclip -o -selection clipboard)" = 'päss"w\rd' ]
}
if opened; then
    echo "ok: the encrypted sample opened with its password and showed its cards"
else
    echo "FAILED: the encrypted sample did not open, or its cards did not show"
    failures=$((failures + 1))
fi
kill "$started" 2>/dev/null || true
wineserver -k || true
wineserver -w || true
kill "$xvfb" 2>/dev/null || true
rm -f "$display_file"
unset DISPLAY

wine "$folder/Uninstall.exe" /S
wineserver -w
# The uninstaller runs a copy of itself from the temporary folder.
for _ in $(seq 30); do
    [ -e "$folder/quillox.exe" ] || break
    sleep 1
done
check test ! -e "$folder/quillox.exe"
check test ! -e "$folder/Uninstall.exe"
check test -f "$data_file"
check wine reg query "$settings\\Internet Preferences"
if wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillox' >/dev/null 2>&1; then
    echo "FAILED: the uninstall record stays"
    failures=$((failures + 1))
fi
rm -f "$data_file"

[ "$failures" -eq 0 ] || { echo "$failures installer checks failed"; exit 1; }
