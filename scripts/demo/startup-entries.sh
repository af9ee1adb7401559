#!/usr/bin/env bash
# Seeds the demo prefix (TW_WINE_ROOT, as scripts/run.sh and screenshots.sh
# set it) once with the Startup Manager's entries: the registry's from
# scripts/demo/startup-entries.reg, through the 64-bit editor or the
# machine-wide ones would land in the 32-bit view, and real shortcuts in both
# startup folders and a disabled one (harness/seed_demo_startup_win.cpp).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/wine-env.sh
marker="$WINEPREFIX/.tidewell-demo-startup-links"
[ -f "$marker" ] && exit 0
cmake --build --preset win64 -j2 --target tidewell_demo_startup >/dev/null
/usr/lib/wine/wine64 regedit /s "$(to_windows_path scripts/demo/startup-entries.reg)"
wine "$(to_windows_path build/win64/harness/tidewell_demo_startup.exe)"
touch "$marker"
