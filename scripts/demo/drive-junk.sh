#!/usr/bin/env bash
# Seeds the demo prefix with what a newcomer's first Drive Cleaner search
# should find, on C: and on a second fixed drive D: (a folder of the build
# tree), together with the decoys the search must pass by: a system file, a
# hidden folder, a folder named like a junk file and a symbolic link into a
# folder of junk that no walk may reach.
#   scripts/demo/drive-junk.sh D_FOLDER     (the prefix of $TW_WINE_ROOT)
# Once per prefix: a file in the prefix records that it was done, so what a
# user cleaned in the demo stays cleaned.
set -euo pipefail
source "$(dirname "$0")/../wine-env.sh"
stamp="$WINEPREFIX/.tidewell-demo-drives"
[ -f "$stamp" ] && exit 0
drive_d=$(realpath -m "$1")
linked="$drive_d-linked"
c="$WINEPREFIX/drive_c"
# Where this Wine keeps the user's files and temporary files.
in_wine() { /usr/lib/wine/wine64 cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }
host_path() { /usr/lib/wine/wine64 winepath -u "$1" 2>/dev/null | tr -d '\r'; }
temp_name=$(in_wine '%TEMP%')
temp=$(host_path "$temp_name")
profile_name=$(in_wine '%USERPROFILE%')
profile=$(host_path "$profile_name")

# junk PATH KB: a file of that size; the summary adds these up.
junk() {
  mkdir -p "$(dirname "$1")"
  head -c "$(($2 * 1024))" /dev/zero > "$1"
}

junk "$temp/~DF3A1C.tmp" 48
junk "$temp/setup_4821.tmp" 1236
junk "$temp/msohtmlclip/clip_image001.tmp" 212
junk "$temp/thumbcache.tmp" 96
junk "$temp/cache.tmp/entries.bin" 640
junk "$profile/Documents/Budget 2026.xlsx" 84
junk "$profile/Documents/Budget 2026.bak" 83
junk "$profile/Documents/Thesis draft.docx" 1530
junk "$profile/Documents/Thesis draft.old" 1498
junk "$profile/Documents/Private/notes.tmp" 12
junk "$c/windows/Temp/ins5F2.tmp" 300
junk "$c/FILE0000.CHK" 32
junk "$c/FILE0001.CHK" 4

junk "$drive_d/FILE0000.CHK" 16
junk "$drive_d/Documents/Quarterly report.docx" 356
junk "$drive_d/Documents/Quarterly report.bak" 352
junk "$drive_d/Documents/letter.~mp" 28
junk "$drive_d/Downloads/Temp/dl_7781.tmp" 2450
junk "$drive_d/Games/Harbor Run/save1.old" 740
junk "$drive_d/Help/atlas.gid" 20
junk "$drive_d/Help/atlas.fts" 180
junk "$drive_d/Projects/site/index.html" 9
junk "$drive_d/Projects/site/index.html.bak" 9
junk "$drive_d/Projects/site/debug.log" 24
junk "$drive_d/Projects/site/~WRL0005.tmp" 64
junk "$drive_d/Projects/export.\$\$\$" 140
junk "$linked/obj1.tmp" 400
junk "$linked/obj2.tmp" 400
ln -sfn "$linked" "$drive_d/Projects/build-cache"

# D: is a fixed drive like C:; the repository's T:, from which the program
# runs, is marked a network drive so that a search never walks the build tree.
ln -sfn "$drive_d" "$WINEPREFIX/dosdevices/d:"
/usr/lib/wine/wine64 reg add 'HKLM\Software\Wine\Drives' /v 't:' /d network /f >/dev/null
# Volume labels, which the shell shows before the letter; Wine reads them
# from a file in the drive's root.
printf 'Local Disk' > "$c/.windows-label"
printf 'Data' > "$drive_d/.windows-label"

# The file types a user has after "Defaults", so the first search finds them.
/usr/lib/wine/wine64 regedit /s "$(to_windows_path "$repo_root/scripts/demo/junk-types.reg")"

# Attributes only Windows calls can set.
wine attrib +s "$temp_name\\thumbcache.tmp"
wine attrib +h "$profile_name\\Documents\\Private"
wineserver -w
touch "$stamp"
