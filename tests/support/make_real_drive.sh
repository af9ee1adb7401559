#!/usr/bin/env bash
# Maps a fresh folder as a drive letter of the test prefix, for the Drive
# Cleaner's walk of a real drive root, with a host-side link in it to a
# folder of junk outside it (Wine cannot make links itself). Beside the
# drive's folder, real-drive.txt names the letter, the Windows path of the
# sandboxed Recycle Bin's files and that of the folders to swap. "remove"
# unmaps the letter again, so no other test sees the drive.
#   make_real_drive.sh FOLDER LETTER [remove]
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
folder=$1 letter=$2
[ -f "$WINEPREFIX/.tidewell-ready" ] || "$repo_root/scripts/wine-prefix.sh" headless >&2
mapping="$WINEPREFIX/dosdevices/$letter:"
rm -rf "$mapping" "$folder"
[ "${3:-}" = remove ] && exit 0

mkdir -p "$folder/drive/Documents" "$folder/link-target"
printf junk > "$folder/link-target/behind-link.tmp"
printf junk > "$folder/link-target/also-behind.bak"
ln -s "$folder/link-target" "$folder/drive/Documents/tmp-link"
# A folder reached through a host link, and another holding files of the
# same names: a test swaps them by renaming, between a search and a clean.
mkdir -p "$folder/swap/found" "$folder/swap/other"
for name in setup1.tmp setup2.tmp; do
  printf junk > "$folder/swap/found/$name"
  printf precious > "$folder/swap/other/$name"
done
ln -s "$folder/swap/found" "$folder/drive/Swapped"
ln -s "$folder/drive" "$mapping"
mkdir -p "$XDG_DATA_HOME/Trash/files"
printf '%s:\n%s\n%s\n' "${letter^^}" "$(to_windows_path "$XDG_DATA_HOME/Trash/files")" \
  "$(to_windows_path "$folder/swap")" > "$folder/real-drive.txt"
