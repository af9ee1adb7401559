#!/usr/bin/env bash
# Times the Drive Cleaner's full search of a drive holding 100,000 files in
# 10,000 folders (a tenth of them junk) against a bare recursive
# FindFirstFileExW walk of the same tree, in turns in one run, in a prefix of
# its own. The tree is made once on the host side and mapped as drive R:; a
# first walk warms the cache. Target: the search takes at most 1.2 times the
# walk (compared by their best rounds).
set -euo pipefail
export TW_WINE_ROOT="$(cd "$(dirname "$0")/.." && pwd)/build/wine-bench-drive"
source "$(dirname "$0")/wine-env.sh"
search=$(to_windows_path "$(build_for_wine drive_search_bench bench/drive/drive_search_bench.exe)")
walk=$(to_windows_path "$(build_for_wine bare_walk_bench bench/drive/bare_walk_bench.exe)")
rounds="${TW_BENCH_ROUNDS:-2}"

tree="$wine_root/tree"
if [ ! -f "$wine_root/tree.complete" ]; then
  rm -rf "$tree"
  python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
kinds = ["txt", "dat", "log", "doc", "jpg", "dll", "exe", "ini", "png"]
junk = ["tmp", "bak", "old"]
for top in range(100):
    for sub in range(100):
        folder = os.path.join(root, f"Folder {top:02d}") if sub == 0 else \
                 os.path.join(root, f"Folder {top:02d}", f"Sub folder {sub:02d}")
        os.makedirs(folder, exist_ok=True)
        names = [f"document_{i:04d}.{kind}" for i, kind in enumerate(kinds)]
        names.append(f"~saved_{sub:02d}.{junk[(top + sub) % 3]}")
        for name in names:
            open(os.path.join(folder, name), "wb").close()
PY
  touch "$wine_root/tree.complete"
fi
ln -sfn "$tree" "$WINEPREFIX/dosdevices/r:"

run() { wine "$@" 'R:\' 2>/dev/null | tr -d '\r'; }
run "$walk" >/dev/null  # warms the cache and starts the Wine server
for ((round = 1; round <= rounds; ++round)); do
  run "$walk"
  run "$search"
done | awk -v rounds="$rounds" '
  $1 == "walk"   { w[++nw] = $4; files = $2; folders = $3 }
  $1 == "search" { s[++ns] = $3; hits = $2 }
  END {
    printf "tree: %d files in %d folders, %d junk files found\n", files, folders, hits
    for (i = 1; i <= nw; ++i) printf "round %d: bare walk %.1f ms, search %.1f ms, ratio %.2f\n", i, w[i], s[i], s[i] / w[i]
    bw = w[1]; bs = s[1]
    for (i = 2; i <= nw; ++i) { if (w[i] < bw) bw = w[i]; if (s[i] < bs) bs = s[i] }
    verdict = (bs / bw <= 1.2) ? "met" : "NOT met"
    printf "best: bare walk %.1f ms, search %.1f ms; ratio %.2f (target <= 1.2): %s\n", bw, bs, bs / bw, verdict
  }'
