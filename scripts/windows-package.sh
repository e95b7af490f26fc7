#!/usr/bin/env bash
# Usage: scripts/windows-package.sh [BUILD]   (default build-windows)
# Packs the Windows build's programs and user guide as a portable .zip and a
# per-user installer made with NSIS, both in BUILD/package.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-env.sh
build=${1:-build-windows}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
copyright=$(sed -n 's/^set(QUILLOX_LEGAL_COPYRIGHT "\(.*\)")$/\1/p' cmake/VersionRecord.cmake)
out="$build/package"
stage="$out/Quillox"
rm -rf "$out"
mkdir -p "$stage/images"

# Without their debugging records the programs are a fifth of the size.
for program in quillox quillox-cli; do
    "${QUILLOX_MINGW_HOST}-strip" -o "$stage/$program.exe" "$build/bin/$program.exe"
done
pandoc --standalone --from markdown --to html5 --toc --shift-heading-level-by=-1 \
    --output "$stage/user-guide.html" docs/user-guide.md
cp docs/images/*.png "$stage/images/"

zip_file="quillox-$version-windows-x64.zip"
(cd "$out" && zip -qr "$zip_file" Quillox)
makensis -V2 -DVERSION="$version" -DCOPYRIGHT="$copyright" -DSTAGE="$PWD/$stage" -DICON="$PWD/$build/src/app/quillox.ico" \
    -DOUTFILE="$PWD/$out/quillox-$version-setup.exe" data/windows/quillox.nsi
echo "Packed $out/$zip_file and $out/quillox-$version-setup.exe"
