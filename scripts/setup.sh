#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages.
# Idempotent and quick when everything is already there.
set -euo pipefail

packages=(cmake make g++ python3 googletest mingw-w64 wine wine64 wine32:i386 fonts-wine fonts-dejavu-core xvfb xauth
          x11-utils xdotool imagemagick fp-utils nsis unicode-data wixl msitools osslsigncode openssl
          python3-yaml python3-jsonschema)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
