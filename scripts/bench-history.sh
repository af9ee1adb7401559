#!/usr/bin/env bash
# Times the History Cleaner's fill of a cache of 20,000 entries (a third each
# of history, cookies and files) against a bare FindFirst/FindNext walk of
# the same cache, in turns in one run, in a prefix of its own that is seeded
# once. Target: the fill takes at most 1.3 times the bare walk.
set -euo pipefail
export TW_WINE_ROOT="$(cd "$(dirname "$0")/.." && pwd)/build/wine-bench-history"
source "$(dirname "$0")/wine-env.sh"
bench=$(to_windows_path "$(build_for_wine history_fill_bench bench/history/history_fill_bench.exe)")
if [ ! -f "$WINEPREFIX/.tidewell-bench-cache" ]; then
  wine "$bench" seed "${TW_BENCH_ENTRIES:-20000}" 2>/dev/null | tr -d '\r'
  touch "$WINEPREFIX/.tidewell-bench-cache"
fi
wine "$bench" "${TW_BENCH_ROUNDS:-7}" 2>/dev/null | tr -d '\r' | awk '
  $1 == "entries" { printf "cache entries: %d walked, %d listed\n", $2, $4 }
  $1 == "median"  { verdict = ($7 <= 1.3) ? "met" : "NOT met"
                    printf "bare walk %.1f ms, fill %.1f ms (medians); ratio %.2f (target <= 1.3): %s\n", $3, $5, $7, verdict }'
