#!/usr/bin/env bash
# Builds the release into build/packages/ from the win64 and win32 builds
# (only the program and its help file are built): for x64 and x86 each, the
# NSIS installer and the Windows Installer package, then the winget manifests.
#   scripts/package.sh [makensis options...]   e.g. -DVERSION=0.9.0
# TW_PACKAGE_DIR puts them elsewhere (the installer tests' other versions).
# With a certificate (see packaging/sign.sh) the program, both installers, the
# uninstaller they carry and both packages are signed.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${TW_PACKAGE_DIR:-build/packages}")
mkdir -p "$out" build/packaging
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target Tidewell help_file >/dev/null
done
version=$(sed -n 's/^#define TW_FILE_VERSION "\(.*\)\.0"$/\1/p' build/win64/src/app/tidewell_version.h)
# The same makensis option names another version for every package.
for option in "$@"; do
  case "$option" in -DVERSION=*) version=${option#-DVERSION=} ;; esac
done

signing=()
if packaging/sign.sh --enabled; then
  # makensis runs the signing from a folder of its own.
  for name in TW_SIGN_PFX TW_SIGN_CERT; do
    [ -z "${!name:-}" ] || export "$name=$(realpath "${!name}")"
  done
  signing=(-DSIGN_SCRIPT="$PWD/packaging/sign.sh")
  echo "package: signing with ${TW_SIGN_PFX:-the PKCS#11 key}${TW_SIGN_TIMESTAMP_URL:+, timestamped by $TW_SIGN_TIMESTAMP_URL}"
else
  echo "package: no certificate (TW_SIGN_PFX or TW_SIGN_PKCS11_MODULE), so nothing is signed"
fi

# The welcome and finish pages show the program's own mark, not the
# installer maker's.
art=build/packaging/wizard.bmp
convert -size 164x314 'gradient:rgb(24,66,150)-rgb(8,24,64)' \
  \( 'build/win64/src/app/tidewell.ico[5]' -resize 96x96 \) -gravity north -geometry +0+56 -composite \
  -type TrueColor BMP3:"$art"
for pair in x64:win64 x86:win32; do
  arch=${pair%%:*} preset=${pair#*:}
  # What ships is copied aside first, so signing never touches the build.
  stage=$PWD/build/packaging/$arch
  rm -rf "$stage" && mkdir -p "$stage"
  cp "build/$preset/src/app/"{Tidewell.exe,Help.chm,tidewell.ico} "$stage/"
  [ ${#signing[@]} -eq 0 ] || packaging/sign.sh "$stage/Tidewell.exe"
  makensis -V2 -DARCH="$arch" -DBUILD_DIR="$stage" -DWIZARD_BITMAP="$PWD/$art" \
    -DOUT_DIR="$out" "${signing[@]}" "$@" packaging/tidewell.nsi
  msi=$(packaging/build-msi.sh "$arch" "$stage" "$out" "$version")
  [ ${#signing[@]} -eq 0 ] || packaging/sign.sh "$msi"
done
packaging/winget.py "$out" "$version"
ls -l "$out"/Tidewell-"$version"-*
