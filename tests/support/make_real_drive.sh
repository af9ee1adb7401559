#!/usr/bin/env bash
# Maps a fresh folder as a drive letter of the test prefix, for the Drive
# Cleaner's walk of a real drive root, with a host-side link in it to a
# folder of junk outside it (Wine cannot make links itself). Beside the
# drive's folder, real-drive.txt names the letter and the Windows path of the
# sandboxed Recycle Bin's files. "remove" unmaps the letter again, so no
# other test sees the drive.
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
ln -s "$folder/drive" "$mapping"
mkdir -p "$XDG_DATA_HOME/Trash/files"
printf '%s:\n%s\n' "${letter^^}" "$(to_windows_path "$XDG_DATA_HOME/Trash/files")" > "$folder/real-drive.txt"
