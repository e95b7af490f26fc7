# Sourced by the other scripts: makes sure the Debian packages the build and
# the tests need are installed, installing only what is missing.

QUILLOX_PACKAGES=(
    cmake make g++ pkg-config
    clang libclang-rt-14-dev
    libgtest-dev googletest
    libbenchmark-dev libssl-dev
    # the strong encrypted form and guarded memory for keys
    libsodium-dev
    nlohmann-json3-dev
    libxml2-dev libxml2-utils
    libwxgtk3.2-dev libgtk-3-dev
    xvfb xauth
    # reading what the program offers on the clipboard
    xclip
    # a private session bus for the screen-lock test
    dbus-daemon libglib2.0-bin
    # the memory-image test of quillox-cli
    gdb
    # reading printed pages back in the tests
    ghostscript
    # the cross-user test: making a second user and acting as it
    passwd util-linux
    # the manual pages and the user guide, written at build time
    pandoc gzip
    # the checks of what Quillox installs (scripts/check-install.sh)
    desktop-file-utils appstream libxml2-utils man-db shared-mime-info
    xdg-utils libfile-mimeinfo-perl bash-completion libgtk-3-bin xdotool
)

# Only for building the Debian package (scripts/package.sh).
QUILLOX_PACKAGING_PACKAGES=(dpkg-dev file lintian)

# Only for taking the user guide's pictures (scripts/screenshots.sh).
QUILLOX_SCREENSHOT_PACKAGES=(imagemagick python3)

quillox_install_packages() {
    local missing=()
    local package
    for package in "${QUILLOX_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
