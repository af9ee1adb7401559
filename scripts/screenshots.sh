#!/usr/bin/env bash
# Runs the windows of the program under Wine on a virtual X display and saves
# PNGs of each into build/screenshots/: the launcher on the root window (its
# shape visible), every tool's intro page, the row view and controls demos,
# the About box, the Drive Cleaner on the demo prefix's drives. TW_DPI=144
# takes them at that DPI instead (the prefix's LogPixels, in a demo prefix of
# its own) into build/screenshots/144/.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi="${TW_DPI:-96}"
out=build/screenshots
demo_root="$PWD/build/wine-demo"
if [ "$dpi" != 96 ]; then out="$out/$dpi"; demo_root="$PWD/build/wine-demo-$dpi"; fi
# TW_HIGH_CONTRAST=1 takes them in High Contrast Black into build/screenshots/contrast/.
if [ -n "${TW_HIGH_CONTRAST:-}" ]; then out="$out/contrast"; demo_root="$demo_root-contrast"; export TW_HIGH_CONTRAST; fi
mkdir -p "$out"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target tidewell_screens Tidewell help_file >/dev/null

export TW_WINE_ROOT="$demo_root"
source scripts/screen-display.sh
/usr/lib/wine/wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
scripts/demo/drive-junk.sh build/demo-drive-d
harness=$(to_windows_path build/win64/harness/tidewell_screens.exe)
wineserver -p 2>/dev/null || true

# shot NAME whole|crop ARGS...: starts the harness, waits for the window's
# rectangle on its output, photographs it and ends the harness.
shot() {
  local name=$1 area=$2; shift 2
  local log; log=$(mktemp)
  wine "$harness" "$@" >"$log" 2>/dev/null &
  local pid=$!
  for _ in $(seq 1 100); do grep -q '^window' "$log" && break; sleep 0.1; done
  read -r _ x y w h < <(grep '^window' "$log" | tr -d '\r')
  # Wine keeps the pointer where it last saw it, maybe over a row that then
  # shows as hot: it passes over the window's corner and leaves.
  xdotool mousemove $((x + 2)) $((y + 2)) sleep 0.2 mousemove 0 0
  sleep 1.2
  if [ "$area" = whole ]; then
    import -window root "$out/$name.png"
  else
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
  echo "saved $out/$name.png"
}

shot launcher whole launcher
tools=(registry drive startup internet history privacy shredder splitter)
for i in "${!tools[@]}"; do shot "intro-${tools[$i]}" crop tool "$i"; done
shot rowview crop rowview
shot controls crop controls
shot about crop about
shot registry-scan crop registry-scan
shot registry-mixed crop registry-mixed
shot registry-backups crop registry-backups
shot privacy-mixed crop privacy-mixed
shot internet-wizard crop internet 2
for tab in 0 1 2 3; do shot "internet-advanced-$tab" crop internet 3 "$tab"; done
shot internet-backups crop internet 4
shot registry-menu crop registry-menu
shot backups-menu crop backups-menu
shot shredder-files crop tool 6 2
shot shredder-options crop tool 6 3
shot history-mixed crop history-mixed
shot splitter-split crop tool 7 2
shot splitter-join crop tool 7 4
scripts/demo/startup-entries.sh
shot startup-list crop startup
shot startup-add crop startup-add
shot startup-edit crop startup-edit
shot startup-backups crop startup-backups
for view in drives search options add; do shot "drive-$view" crop "drive-$view"; done
wineserver -k 2>/dev/null || true
