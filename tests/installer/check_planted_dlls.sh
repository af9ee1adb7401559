#!/usr/bin/env bash
# Proves that no DLL planted beside the program, an installer or the
# uninstaller is loaded. A download folder is writable by others, and each of
# these runs with administrator rights. One MinGW-built DLL, whose DllMain
# leaves "<its path>.loaded" beside itself, is copied under each name that
# Windows would look for beside the program before the system folder, with
# Windows' order (native first) set for those names.
#   tests/installer/check_planted_dlls.sh [program|installers]   (default: both)
# Exits non-zero on any failure; every wait is bounded.
#
# Measured under Wine 8.0 with Debian's NSIS 3.08 (whose stub imports
# COMCTL32 statically, redirected to Common Controls 6 by its manifest, and
# loads its other DLLs by full system path after SetDefaultDllDirectories):
# of the names below, plus uxtheme and version, only uxtheme and version were
# loaded from beside an installer. A program of no code but an exit, with
# the stub's seven imports (advapi32 comctl32 gdi32 kernel32 ole32 shell32
# user32), loads both there too: Wine's own DLLs take them by bare name
# while they start, before a program's first instruction (a planted
# version.dll without its functions then stops the process). The stub names
# neither in its imports, so they are left off the installer cases; the
# program, which delay-loads user32, is checked with uxtheme.
set -euo pipefail
cd "$(dirname "$0")/../.."
what=${1:-all}
export TW_WINE_ROOT="$PWD/build/wine-installer"
[ "$what" = program ] || scripts/package.sh >/dev/null
cmake --build --preset win64 -j2 --target install_probe >/dev/null
scripts/wine-prefix.sh headless
source scripts/wine-env.sh
trap 'wineserver -k 2>/dev/null || true' EXIT

program_names="uxtheme wininet bcrypt gdiplus comctl32 oleacc hhctrl.ocx"
installer_names="comctl32 userenv setupapi apphelp propsys dwmapi cryptbase oleacc clbcatq ntmarta shfolder"
# A program that crashes on a planted DLL ends instead of waiting for a
# debugger no one attends.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d;$(echo $program_names $installer_names | tr ' ' ',')=n,b"
version=$(sed -n 's/^#define TW_FILE_VERSION "\(.*\)\.0"$/\1/p' build/win64/src/app/tidewell_version.h)
probe=$(to_windows_path build/win64/tests/installer/install_probe.exe)
root=build/planted
rm -rf "$root" && mkdir -p "$root"
x86_64-w64-mingw32-gcc -shared -O2 -s -nostdlib -e DllMain -o "$root/planted-x64.dll" \
  tests/security/planted_dll.c -lkernel32
i686-w64-mingw32-gcc -shared -O2 -s -nostdlib -Wl,-e,_DllMain@12 -o "$root/planted-x86.dll" \
  tests/security/planted_dll.c -lkernel32

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
plant() {  # plant FOLDER ARCH NAMES...: the DLL under each name (".dll" unless it has one)
  local folder=$1 arch=$2 name; shift 2
  mkdir -p "$folder"
  for name in "$@"; do
    [[ $name == *.* ]] || name=$name.dll
    cp "$root/planted-$arch.dll" "$folder/$name"
  done
}
clean() {  # clean WHAT FOLDER: fails when any planted DLL left its marker
  local loaded
  loaded=$(find "$2" -iname '*.loaded' -printf '%f ' 2>/dev/null)
  if [ -n "$loaded" ]; then fail "$1 loaded $loaded"; else echo "$1: none loaded"; fi
}
gone() { for _ in $(seq 1 100); do [ ! -e "$1" ] && return 0; sleep 0.2; done; return 1; }

check_program() {  # check_program ARCH PRESET
  local folder="$root/program-$1" shown
  plant "$folder" "$1" $program_names
  cp "build/$2/src/app/Tidewell.exe" "$folder/"
  shown=$(timeout 60 wine "$probe" launch "$(to_windows_path "$folder/Tidewell.exe")" | tr -d '\r') || true
  [ "$shown" = $'launcher shown\nexit 0' ] || fail "$1 program: ${shown:-no answer}"
  clean "$1 program" "$folder"
}

check_installer() {  # check_installer ARCH: the stubs are 32-bit for both builds
  local folder="$root/setup-$1" target="$root/installed-$1" setup="Tidewell-$version-$1-setup.exe"
  plant "$folder" x86 $installer_names
  cp "build/packages/$setup" "$folder/"
  timeout 60 wine "$(to_windows_path "$folder/$setup")" /S "/D=$(to_windows_path "$target")" ||
    fail "$1 installer ended with $?"
  [ -f "$target/Uninstall.exe" ] || fail "$1 installer installed nothing"
  clean "$1 installer" "$folder"
  # The uninstaller first runs where it is installed, then from a copy of
  # itself in the administrator's own temporary folder.
  plant "$target" x86 $installer_names
  timeout 60 wine "$(to_windows_path "$target/Uninstall.exe")" /S || fail "$1 uninstaller ended with $?"
  gone "$target/Tidewell.exe" || fail "$1 uninstaller removed nothing"
  clean "$1 uninstaller" "$target"
}

if [ "$what" != installers ]; then
  check_program x64 win64
  check_program x86 win32
fi
if [ "$what" != program ]; then
  check_installer x64
  check_installer x86
fi
[ "$failures" -eq 0 ] || { echo "$failures planted-DLL checks FAILED"; exit 1; }
echo "planted DLLs: none loaded"
