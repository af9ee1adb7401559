#!/usr/bin/env bash
# Times the Startup Manager's enumeration of 2,000 registry entries and 200
# shortcuts with their icons against a bare loop of the same registry reads
# and shortcut loads, in one run under Wine. Target: ratio at most 1.5.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
bench=$(to_windows_path "$(build_for_wine startup_bench bench/startup_bench.exe)")

wine "$bench" 2>/dev/null | tr -d '\r' | awk '
  $1 == "rows" { print }
  $1 == "enumerate" || $1 == "bare" { printf "%-9s %8.1f ms\n", $1, $2 }
  $1 == "ratio" { verdict = ($2 <= 1.5) ? "met" : "NOT met"
                  printf "ratio enumerate / bare: %s (target <= 1.5): %s\n", $2, verdict }'
