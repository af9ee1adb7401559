#!/usr/bin/env bash
# Times the row view's paint under Wine: a shown list of 100 rows and one of
# 100,000 rows (scrolled to its middle), painted in turns in one run, the
# median of TW_BENCH_PAINTS paints each (default 300). Target: the long
# list's paint costs less than 1.5 times the short one's.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
bench=$(to_windows_path "$(build_for_wine row_view_bench bench/row_view_bench.exe)")

wine "$bench" 1 >/dev/null 2>&1 || true  # starts the Wine server before anything is timed
wine "$bench" "${TW_BENCH_PAINTS:-300}" 2>/dev/null | tr -d '\r' | awk '
  $1 == "paint" { printf "paint of %6d rows: %8.1f us\n", $2, $3 }
  $1 == "ratio" { verdict = ($2 < 1.5) ? "met" : "NOT met"
                  printf "ratio 100,000 / 100 rows: %s (target < 1.5): %s\n", $2, verdict }'
