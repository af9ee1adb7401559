#!/usr/bin/env bash
# Walks the x64 installer and its uninstaller under Wine on a virtual X
# display and saves a PNG of each page into build/screenshots/: welcome,
# folder, components, finish, and the uninstaller's page with the backups
# box. Installs into the installer test's prefix and uninstalls again.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/screenshots
mkdir -p "$out"
scripts/package.sh >/dev/null
cmake --build --preset win64 -j2 --target install_probe >/dev/null

export TW_WINE_ROOT="$PWD/build/wine-installer"
source scripts/screen-display.sh
probe=$(to_windows_path build/win64/tests/installer/install_probe.exe)
version=$(sed -n 's/^#define TW_FILE_VERSION "\(.*\)\.0"$/\1/p' build/win64/src/app/tidewell_version.h)
setup_title='Quorvex Tidewell Setup'
uninstall_title='Quorvex Tidewell Uninstall'

# shot NAME TITLE CONTROL: waits until the window shows that control, then
# photographs the window.
shot() {
  wine "$probe" wait "$2" "$3" >/dev/null
  sleep 0.5  # the page's first paint
  local id; id=$(xdotool search --onlyvisible --name "^$2" | head -1)
  import -window "$id" "$out/$1.png"
  echo "saved $out/$1.png"
}
press() { wine "$probe" press "$@" >/dev/null; }

wine "$(to_windows_path "build/packages/Tidewell-$version-x64-setup.exe")" &
shot installer-welcome "$setup_title" '&Next >'
press "$setup_title" '&Next >'
shot installer-folder "$setup_title" 'Destination Folder'
press "$setup_title" '&Next >'
shot installer-components "$setup_title" '&Install'
press "$setup_title" '&Install'
shot installer-finish "$setup_title" '&Finish'
press "$setup_title" 'Start Quorvex Tidewell' '&Finish'
wait

wine 'C:\Program Files\Quorvex Tidewell\Uninstall.exe'
shot uninstaller-backups "$uninstall_title" 'Also remove my registry backups'
press "$uninstall_title" '&Uninstall' '&Close'
wineserver -k 2>/dev/null || true
