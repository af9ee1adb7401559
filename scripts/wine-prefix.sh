#!/usr/bin/env bash
# Creates the isolated Wine prefix once (about 15 s), then reuses it.
#   scripts/wine-prefix.sh [headless|display]
# headless: no X server needed (Graphics=null), for the tests.
# display:  windows on $DISPLAY with title bars, for make run and screenshots.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
mode="${1:-headless}"

reg64() { /usr/lib/wine/wine64 reg "$@" >/dev/null; }

if [ ! -f "$WINEPREFIX/.tidewell-ready" ]; then
  echo "wine: creating the isolated prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
  DISPLAY= wineboot -i >/dev/null 2>&1
  wineserver -w
  # Drive Z: is the host's whole file system; the repository is T: instead.
  rm -f "$WINEPREFIX/dosdevices/z:"
  ln -sfn "$repo_root" "$WINEPREFIX/dosdevices/t:"
  # The user folders link into the real home; make them plain folders.
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm "$link"; mkdir -p "$link"; fi
  done
  stub="$wine_root/stub-browser.sh"
  printf '#!/bin/sh\necho "$@" >> "%s/opened-urls.txt"\n' "$wine_root" > "$stub"
  chmod +x "$stub"
  reg64 add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$stub" /f
  reg64 add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d "$stub" /f
  # Shell "open" of a .reg file merges it, as on Windows.
  reg64 add 'HKLM\Software\Classes\.reg' /ve /d regfile /f
  reg64 add 'HKLM\Software\Classes\regfile\shell\open\command' /ve /d 'regedit.exe "%1"' /f
  wineserver -w
  touch "$WINEPREFIX/.tidewell-ready"
fi

# A new prefix's Fonts folder is empty: Wine reads its own fonts from its
# data folder, but the registry lists them as installed, so a scan would call
# them orphaned, and the caption buttons need Marlett. Copy Debian's
# fonts-wine in (also into prefixes made before this step).
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/* "$fonts/"
fi

current=$(cat "$WINEPREFIX/.tidewell-mode" 2>/dev/null || true)
if [ "$current" != "$mode" ]; then
  wineserver -k 2>/dev/null || true
  if [ "$mode" = headless ]; then
    reg64 add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  else
    reg64 delete 'HKCU\Software\Wine\Drivers' /v Graphics /f 2>/dev/null || true
    reg64 add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f
  fi
  wineserver -w
  echo "$mode" > "$WINEPREFIX/.tidewell-mode"
fi
