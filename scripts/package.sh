#!/usr/bin/env bash
# Builds the Debian package of Quillox in build-package/ and checks it with
# lintian. Exits non-zero when the build fails or lintian reports an error or
# a warning. The package lands in build-package/quillox_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
quillox_install_packages "${QUILLOX_PACKAGING_PACKAGES[@]}"

dir=build-package
# Debian's own compiler and linker flags, hardening included, as its packages
# are built with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DQUILLOX_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build "$dir" -j "$(nproc)"
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB)
package=$(ls "$dir"/*.deb)

echo "== lintian $package"
lintian --fail-on error,warning --info "$package"
echo "== Built $package"
