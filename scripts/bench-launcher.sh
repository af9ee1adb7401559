#!/usr/bin/env bash
# Prints how long the launcher takes to start and paint under Wine with a
# warm Wine server: from the program's entry to its first complete paint (as
# the program measures it), and the whole process from exec to exit; then how
# long a tool window takes from the click to its first complete paint.
# Target: under 150 ms. Also prints the size of the x64 executable (target:
# under 3 MB).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target tidewell_screens Tidewell >/dev/null
scripts/wine-prefix.sh headless
source scripts/wine-env.sh
harness=$(to_windows_path build/win64/harness/tidewell_screens.exe)
wineserver -p 2>/dev/null || true
wine "$harness" bench >/dev/null 2>&1 || true   # warm the server and the caches
for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  inside=$(wine "$harness" bench 2>/dev/null | tr -d '\r')
  end=$(date +%s%N)
  echo "run $run: $inside; whole process, start to exit, $(( (end - start) / 1000000 )) ms"
done
for run in 1 2 3; do
  echo "run $run: $(wine "$harness" bench-tool 2>/dev/null | tr -d '\r')"
done
wineserver -k 2>/dev/null || true
size=$(stat -c %s build/win64/src/app/Tidewell.exe)
echo "Tidewell.exe (x64): $size bytes ($(( size / 1024 )) KiB)"
