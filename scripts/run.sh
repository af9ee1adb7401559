#!/usr/bin/env bash
# Builds the x64 program and starts it under Wine in the isolated demo prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  echo "make run needs an X display. Start one and run again, for example:"
  echo "  Xvfb :99 -screen 0 1280x1024x24 &  export DISPLAY=:99"
  exit 2
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target Tidewell help_file tidewell_demo_seed tidewell_demo_cache
export TW_WINE_ROOT="$PWD/build/wine-demo"
scripts/wine-prefix.sh display
source scripts/wine-env.sh
# A newcomer's first scan finds something true: what uninstalled applications
# left behind, imported once into the demo prefix. The 64-bit editor, or the
# machine-wide entries would land in the 32-bit view.
if [ ! -f "$WINEPREFIX/.tidewell-demo-registry" ]; then
  /usr/lib/wine/wine64 regedit /s "$(to_windows_path scripts/demo/registry-leftovers.reg)"
  wineserver -w
  touch "$WINEPREFIX/.tidewell-demo-registry"
fi
# Traces for the Privacy Protector: MRU lists in their old and new homes,
# recent-document shortcuts beside a folder, files in the Recycle Bin.
if [ ! -f "$WINEPREFIX/.tidewell-demo-privacy" ]; then
  wine regedit /s "$(to_windows_path scripts/demo/privacy-traces.reg)"
  wine "$(to_windows_path build/win64/harness/tidewell_demo_seed.exe)"
  wineserver -w
  touch "$WINEPREFIX/.tidewell-demo-privacy"
fi

# And the History Cleaner's first "Start" lists a browser's cache: a few
# hundred entries written once through the system's cache functions.
if [ ! -f "$WINEPREFIX/.tidewell-demo-cache" ]; then
  wine "$(to_windows_path build/win64/harness/tidewell_demo_cache.exe)"
  touch "$WINEPREFIX/.tidewell-demo-cache"
fi

# The Internet Tuner opens on real values: two interfaces, one with an MTU.
if [ ! -f "$WINEPREFIX/.tidewell-demo-network" ]; then
  /usr/lib/wine/wine64 regedit /s "$(to_windows_path scripts/demo/internet-settings.reg)"
  wineserver -w
  touch "$WINEPREFIX/.tidewell-demo-network"
fi

# Startup entries in every location, one of them switched off by Task Manager.
scripts/demo/startup-entries.sh
# Junk files on C: and on a second fixed drive D: for the Drive Cleaner.
scripts/demo/drive-junk.sh build/demo-drive-d
exec wine "$(to_windows_path build/win64/src/app/Tidewell.exe)"
