#!/usr/bin/env bash
# Proves that no DLL planted beside the program, an installer or the
# uninstaller is loaded. A folder a user downloads to is writable by others;
# each of these runs with administrator rights. One MinGW-built DLL, whose
# DllMain leaves "<its path>.loaded" beside itself, is copied under each name
# those programs or Windows load by name, beside a copy of each, with the
# native-first order Windows uses set for those names. Needs the installers
# of build/packages (check_installers.sh builds them). Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
export TW_WINE_ROOT="$PWD/build/wine-installer"
scripts/wine-prefix.sh headless
source scripts/wine-env.sh
trap 'wineserver -k 2>/dev/null || true' EXIT
# The program's own: the DLLs it uses that are not KnownDLLs everywhere.
program_names="uxtheme wininet bcrypt gdiplus comctl32"
# What an installer stub may load by name besides.
names="$program_names version userenv setupapi apphelp propsys dwmapi cryptbase oleacc profapi comres clbcatq shfolder"
overrides=$(echo $names | tr ' ' ',')
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$overrides,hhctrl.ocx=n,b"
version=$(sed -n 's/^#define TW_FILE_VERSION "\(.*\)\.0"$/\1/p' build/win64/src/app/tidewell_version.h)
root=build/planted
rm -rf "$root" && mkdir -p "$root"
x86_64-w64-mingw32-gcc -shared -O2 -s -nostdlib -e DllMain -o "$root/planted-x64.dll" \
  tests/security/planted_dll.c -lkernel32
i686-w64-mingw32-gcc -shared -O2 -s -nostdlib -Wl,-e,_DllMain@12 -o "$root/planted-x86.dll" \
  tests/security/planted_dll.c -lkernel32

failures=0
plant() {  # plant FOLDER ARCH NAMES: a fresh folder holding the DLL under each name
  rm -rf "$1" && mkdir -p "$1"
  for name in $3; do cp "$root/planted-$2.dll" "$1/$name.dll"; done
  cp "$root/planted-$2.dll" "$1/hhctrl.ocx"
}
clean() {  # clean WHAT FOLDER: fails when any planted DLL left its marker
  local loaded
  loaded=$(find "$2" -iname '*.loaded' -printf '%f ' 2>/dev/null || true)
  if [ -n "$loaded" ]; then echo "FAILED: $1 loaded $loaded"; failures=$((failures + 1)); else echo "$1: none loaded"; fi
}

for pair in x64:win64 x86:win32; do
  arch=${pair%%:*} preset=${pair#*:}
  folder="$root/program-$arch"
  plant "$folder" "$arch" "$program_names"
  cp "build/$preset/src/app/Tidewell.exe" "$folder/"
  shown=$(wine "$(to_windows_path "build/$preset/tests/installer/install_probe.exe")" launch \
    "$(to_windows_path "$folder/Tidewell.exe")" | tr -d '\r')
  [ "$shown" = $'launcher shown\nexit 0' ] || { echo "FAILED: $arch program: $shown"; failures=$((failures + 1)); }
  clean "$arch program" "$folder"
done

# The installer stubs are 32-bit for both builds.
for arch in x64 x86; do
  folder="$root/setup-$arch" target="$root/installed-$arch"
  plant "$folder" x86 "$names"
  cp "build/packages/Tidewell-$version-$arch-setup.exe" "$folder/"
  wine "$(to_windows_path "$folder/Tidewell-$version-$arch-setup.exe")" /S "/D=$(to_windows_path "$target")"
  clean "$arch installer" "$folder"
  # The uninstaller runs from a copy of itself in the administrator's own
  # temporary folder, which no one else can write to; what it finds beside
  # its installed self is planted here.
  for name in $names; do cp "$root/planted-x86.dll" "$target/$name.dll"; done
  wine "$(to_windows_path "$target/Uninstall.exe")" /S
  for _ in $(seq 1 100); do [ -e "$target/Tidewell.exe" ] || break; sleep 0.2; done
  clean "$arch uninstaller" "$target"
done
[ "$failures" -eq 0 ] || { echo "$failures planted-DLL checks FAILED"; exit 1; }
echo "planted DLLs: none loaded"
