#!/usr/bin/env bash
# Prints the ProductCode of one version of one build:
#   packaging/product-code.sh x64|x86 VERSION
# Each version gets its own, as a major upgrade needs, and a rebuild of the
# same version the same one, so a deployment tool that detects the package by
# it (and the winget manifest) stays right: a name-based UUID of the version
# in the build's UpgradeCode.
set -euo pipefail
arch=$1 version=$2
# tidewell.wxs defines the x64 build's UpgradeCode first, then the x86 one's.
codes=($(sed -n 's/.*define UpgradeCode = "\([0-9A-F-]*\)".*/\1/p' "$(dirname "$0")/tidewell.wxs"))
case "$arch" in x64) upgrade_code=${codes[0]} ;; x86) upgrade_code=${codes[1]} ;; *) exit 2 ;; esac
python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
  "$upgrade_code" "$version"
