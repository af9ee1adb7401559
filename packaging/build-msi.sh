#!/usr/bin/env bash
# Builds one Windows Installer package with Debian's wixl:
#   packaging/build-msi.sh x64|x86 STAGE_DIR OUT_DIR VERSION
# STAGE_DIR holds Tidewell.exe, Help.chm and tidewell.ico. Prints the path of
# Tidewell-VERSION-ARCH.msi.
set -euo pipefail
arch=$1 stage=$2 out=$3 version=$4
case "$arch" in x64|x86) ;; *) echo "build-msi: ARCH must be x64 or x86" >&2; exit 2 ;; esac
here=$(cd "$(dirname "$0")" && pwd)
code=$("$here/product-code.sh" "$arch" "$version")
msi="$out/Tidewell-$version-$arch.msi"
# wixl takes no absolute source paths: it runs in the folder of the files.
msi=$(realpath -m "$msi")
(cd "$stage" && wixl -a "$arch" -D Arch="$arch" -D Version="$version" -D ProductCode="$code" -D StageDir=. \
  -o "$msi" "$here/tidewell.wxs")
# wixl removes the earlier version after InstallFinalize and has no way to say
# otherwise; remove it whole first, before this version's files come, so a
# file of equal version is never kept as the old one's.
msibuild "$msi" -q "UPDATE InstallExecuteSequence SET Sequence = 1401 WHERE Action = 'RemoveExistingProducts'"
printf '%s\n' "$msi"
