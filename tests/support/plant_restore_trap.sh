#!/usr/bin/env bash
# Plants what any user of the test prefix could leave where a restore's copy
# once went: in the Windows folder's Temp, under a backup's name, a host-side
# link (Wine cannot make links itself) to a victim file in FOLDER. FOLDER's
# link-name.txt names it for the test. "remove" takes both away again.
#   plant_restore_trap.sh FOLDER [remove]
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
folder=$1
[ -f "$WINEPREFIX/.tidewell-ready" ] || "$repo_root/scripts/wine-prefix.sh" headless >&2
temp="$WINEPREFIX/drive_c/windows/temp"
if [ -f "$folder/link-name.txt" ]; then rm -f "$temp/$(cat "$folder/link-name.txt")"; fi
rm -rf "$folder"
[ "${2:-}" = remove ] && exit 0

# The win32 and win64 runs share the prefix: each its own name.
name="planted-link-$$.reg"
mkdir -p "$folder" "$temp"
printf victim > "$folder/victim.txt"
ln -s "$folder/victim.txt" "$temp/$name"
printf '%s' "$name" > "$folder/link-name.txt"
