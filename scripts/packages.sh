# Sourced by the other scripts: makes sure the Debian packages the build and
# the tests need are installed, installing only what is missing.

QUILLOX_PACKAGES=(
    cmake make g++ pkg-config
    clang libclang-rt-14-dev
    libgtest-dev googletest
    libbenchmark-dev libssl-dev
    nlohmann-json3-dev
    libwxgtk3.2-dev libgtk-3-dev
    xvfb xauth
    gdb
)

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
