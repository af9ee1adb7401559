#!/usr/bin/env bash
# Builds both installers and proves them under Wine, in a prefix of their own
# (build/wine-installer, isolated like the test prefix): for each of x64 and
# x86, an upgrade over an older version keeps a placed backup and the
# settings; the files, the shortcuts and the Uninstall key in the build's
# registry view are right; the installed program reaches its launcher; a
# silent uninstall removes what was installed and keeps the backup and the
# settings; an uninstall with "Also remove my registry backups" ticked
# leaves nothing behind. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
export TW_WINE_ROOT="$PWD/build/wine-installer"
older=build/installer-test
scripts/package.sh >/dev/null
TW_PACKAGE_DIR=$older scripts/package.sh -DVERSION=0.9.0 >/dev/null
cmake --build --preset win64 -j2 --target install_probe >/dev/null
scripts/wine-prefix.sh headless
source scripts/wine-env.sh
# A failed run may leave a wizard open: end this prefix's programs.
trap 'wineserver -k 2>/dev/null || true' EXIT
version=$(sed -n 's/^#define TW_FILE_VERSION "\(.*\)\.0"$/\1/p' build/win64/src/app/tidewell_version.h)
probe=$(to_windows_path build/win64/tests/installer/install_probe.exe)
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex Tidewell'
settings_key='HKLM\Software\Quorvex Software\Tidewell'
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvex Tidewell.lnk"
desktop="$WINEPREFIX/drive_c/users/Public/Desktop/Quorvex Tidewell.lnk"
reg64() { /usr/lib/wine/wine64 reg "$@" 2>/dev/null | tr -d '\r'; }
reg32() { wine reg "$@" 2>/dev/null | tr -d '\r'; }

failures=0
check() {  # check DESCRIPTION COMMAND...: prints and counts a failure
  local what=$1; shift
  if ! "$@"; then echo "FAILED: $arch: $what"; failures=$((failures + 1)); fi
}
# value REG KEY NAME: the data of one registry value, as reg query shows it.
value() { "$1" query "$2" /v "$3" | sed -n "s/^ *$3 *REG_[A-Z]* *//p"; }
equals() { [ "$1" = "$2" ] || { echo "  got \"$1\", expected \"$2\"" >&2; return 1; }; }
absent() { ! "$@" >/dev/null; }
wait_until() { for _ in $(seq 1 150); do "$@" && return 0; sleep 0.2; done; return 1; }

prove() {
  arch=$1 preset=$2 folder=$3 reg=$4 other_reg=$5
  local host="$WINEPREFIX/drive_c/${folder#C:\\}" setup="Tidewell-$version-$arch-setup.exe"
  host=${host//\\//}
  rm -rf "$host"
  "$reg" delete "$uninstall_key" /f >/dev/null || true
  "$reg" delete 'HKLM\Software\Quorvex Software' /f >/dev/null || true

  wine "$(to_windows_path "$older/Tidewell-0.9.0-$arch-setup.exe")" /S
  check "older version registered" equals "$(value "$reg" "$uninstall_key" DisplayVersion)" 0.9.0
  mkdir -p "$host/Backups/RegClean"
  echo 'REGEDIT4' > "$host/Backups/RegClean/x.reg"
  "$reg" add "$settings_key" /v states /d kept /f >/dev/null
  echo 'an older program' > "$host/Tidewell.exe"

  wine "$(to_windows_path "build/packages/$setup")" /S
  check "program replaced" cmp -s "$host/Tidewell.exe" "build/$preset/src/app/Tidewell.exe"
  check "help file installed" cmp -s "$host/Help.chm" "build/$preset/src/app/Help.chm"
  check "uninstaller installed" test -f "$host/Uninstall.exe"
  check "upgrade keeps the backup" test -f "$host/Backups/RegClean/x.reg"
  check "upgrade keeps the settings" equals "$(value "$reg" "$settings_key" states)" kept
  for link in "$start_menu" "$desktop"; do
    check "shortcut ${link##*/}" equals "$(wine "$probe" shortcut "$(host_to_windows "$link")" | tr -d '\r')" \
      "$(printf 'target=%s\narguments=\nfolder=%s\nicon=%s,0' "$folder\\Tidewell.exe" "$folder" "$folder\\Tidewell.exe")"
  done
  local size=$(( ($(stat -c %s "$host/Tidewell.exe") + $(stat -c %s "$host/Help.chm") +
                  $(stat -c %s "$host/Uninstall.exe")) / 1024 ))
  for pair in "DisplayName=Quorvex Tidewell" "DisplayVersion=$version" "Publisher=Quorvex Software" \
              "DisplayIcon=$folder\\Tidewell.exe,0" "InstallLocation=$folder" \
              "UninstallString=\"$folder\\Uninstall.exe\"" "QuietUninstallString=\"$folder\\Uninstall.exe\" /S" \
              "EstimatedSize=$(printf '0x%x' "$size")"; do
    check "Uninstall value ${pair%%=*}" equals "$(value "$reg" "$uninstall_key" "${pair%%=*}")" "${pair#*=}"
  done
  check "Uninstall key only in its own registry view" absent "$other_reg" query "$uninstall_key"
  check "installed program reaches its launcher" equals \
    "$(wine "$probe" launch "$folder\\Tidewell.exe" | tr -d '\r')" $'launcher shown\nexit 0'

  wine "$folder\\Uninstall.exe" /S
  check "silent uninstall ends" wait_until absent "$reg" query "$uninstall_key"
  for file in Tidewell.exe Help.chm Uninstall.exe; do
    check "silent uninstall removes $file" wait_until test ! -e "$host/$file"
  done
  check "silent uninstall removes the Start-menu shortcut" test ! -e "$start_menu"
  check "silent uninstall removes the desktop shortcut" test ! -e "$desktop"
  check "silent uninstall keeps the backup" test -f "$host/Backups/RegClean/x.reg"
  check "silent uninstall keeps the settings" equals "$(value "$reg" "$settings_key" states)" kept

  wine "$(to_windows_path "build/packages/$setup")" /S
  wine "$folder\\Uninstall.exe" &
  check "uninstaller's pages answer" wine "$probe" press 'Quorvex Tidewell Uninstall' \
    'Also remove my registry backups' '&Uninstall' '&Close' >/dev/null
  wait
  check "ticked uninstall removes the install folder" wait_until test ! -e "$host"
  check "ticked uninstall removes the settings" absent "$reg" query 'HKLM\Software\Quorvex Software'
  echo "$arch: checked"
}

# The probe takes Windows paths; the shortcuts are checked by their host path too.
host_to_windows() { local p=${1#"$WINEPREFIX/drive_c/"}; p="C:\\$p"; printf '%s' "${p//\//\\}"; }

prove x64 win64 'C:\Program Files\Quorvex Tidewell' reg64 reg32
prove x86 win32 'C:\Program Files (x86)\Quorvex Tidewell' reg32 reg64
ls -l build/packages/Tidewell-"$version"-*-setup.exe | awk '{print $5, $9}'
[ "$failures" -eq 0 ] || { echo "$failures installer checks FAILED"; exit 1; }
echo "installers: all checks passed"
