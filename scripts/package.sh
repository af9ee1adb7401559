#!/usr/bin/env bash
# Builds the x64 and x86 installers into build/packages/ from the win64 and
# win32 builds: only the program and its help file are built.
#   scripts/package.sh [makensis options...]   e.g. -DVERSION=0.9.0
# TW_PACKAGE_DIR puts them elsewhere (the installer test's older version).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${TW_PACKAGE_DIR:-build/packages}
mkdir -p "$out" build/packaging
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target Tidewell help_file >/dev/null
done
# The welcome and finish pages show the program's own mark, not the
# installer maker's.
art=build/packaging/wizard.bmp
convert -size 164x314 'gradient:rgb(24,66,150)-rgb(8,24,64)' \
  \( 'build/win64/src/app/tidewell.ico[5]' -resize 96x96 \) -gravity north -geometry +0+56 -composite \
  -type TrueColor BMP3:"$art"
for pair in x64:win64 x86:win32; do
  arch=${pair%%:*} preset=${pair#*:}
  makensis -V2 -DARCH="$arch" -DBUILD_DIR="$PWD/build/$preset/src/app" -DWIZARD_BITMAP="$PWD/$art" \
    -DOUT_DIR="$(realpath "$out")" "$@" packaging/tidewell.nsi
done
ls -l "$out"/Tidewell-*-setup.exe
