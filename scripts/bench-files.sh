#!/usr/bin/env bash
# Times the File Splitter and the File Shredder on a 1 GiB file against the
# host's own tools, on the same disk and in one run:
#   split + join (100 MB pieces)  vs  split -b + cat               target >= 0.8
#   one shred pass                vs  dd bs=1M conv=notrunc,fsync  target >= 0.9
# The product runs under Wine; it times only its own operation, not Wine's
# start. The sides take turns for TW_BENCH_ROUNDS rounds (default 3) and each
# keeps its best time, so that other work on the machine counts least.
# TW_BENCH_DIR puts the files elsewhere (default: build/bench-files); it must
# lie inside the repository, the only host folder the Wine prefix sees, but
# may be a symbolic link to another disk or to memory.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
cd "$repo_root"

bench=$(build_for_wine bench_files bench/bench_files.exe)

rounds="${TW_BENCH_ROUNDS:-3}"
work="${TW_BENCH_DIR:-$repo_root/build/bench-files}"
mkdir -p "$work"
work=$(cd "$work" && pwd -P)
case "$work" in "$repo_root"/*) ;; *) work="$repo_root/build/bench-files"; mkdir -p "$work" ;; esac
trap 'rm -rf "$work"/*' EXIT
source_file="$work/source.bin"
head -c 1G /dev/urandom > "$source_file"
bytes=$(stat -c %s "$source_file")
piece=$((100 * 1048576))

now() { date +%s.%N; }
best() { printf '%s\n' "$@" | sort -g | head -n1; }
tw() { wine "$bench" "$@" 2>/dev/null | tr -d '\r' | awk '{print $3}'; }
win() { to_windows_path "$1"; }

native_split_join() {
  local dir="$work/native"
  rm -rf "$dir"; mkdir -p "$dir"; sync
  local start; start=$(now)
  (cd "$dir" && split -b "$piece" -d -a 5 "$source_file" source.bin.)
  cat "$dir"/source.bin.* > "$dir/joined.bin"
  local end; end=$(now)
  cmp -s "$source_file" "$dir/joined.bin" || { echo "native join differs" >&2; exit 1; }
  rm -rf "$dir"
  echo "$end - $start" | bc -l
}

product_split_join() {
  local dir="$work/product"
  rm -rf "$dir"; mkdir -p "$dir/joined"; sync
  local split join
  split=$(tw split "$(win "$source_file")" "$(win "$dir")" 100)
  join=$(tw join "$(win "$dir/source.bin.00000")" "$(win "$dir/joined")")
  cmp -s "$source_file" "$dir/joined/source.bin" || { echo "product join differs" >&2; exit 1; }
  rm -rf "$dir"
  echo "$split + $join" | bc -l
}

native_shred() {
  head -c 1G /dev/urandom > "$work/shred-native.bin"; sync
  local start; start=$(now)
  dd if=/dev/zero of="$work/shred-native.bin" bs=1M count=1024 conv=notrunc,fsync status=none
  local end; end=$(now)
  rm -f "$work/shred-native.bin"
  echo "$end - $start" | bc -l
}

product_shred() {
  head -c 1G /dev/urandom > "$work/shred-product.bin"; sync
  tw pass "$(win "$work/shred-product.bin")"
  [ "$(head -c 1048576 "$work/shred-product.bin" | tr -d '\0' | wc -c)" = 0 ] || { echo "pass left data" >&2; exit 1; }
  rm -f "$work/shred-product.bin"
}

wine "$bench" >/dev/null 2>&1 || true  # starts the Wine server before anything is timed

ns=(); ps=(); nd=(); pd=()
for ((round = 1; round <= rounds; ++round)); do
  ns+=("$(native_split_join)"); ps+=("$(product_split_join)")
  nd+=("$(native_shred)"); pd+=("$(product_shred)")
  printf 'round %d: split+join native %.2f s, product %.2f s; shred native %.2f s, product %.2f s\n' \
    "$round" "${ns[-1]}" "${ps[-1]}" "${nd[-1]}" "${pd[-1]}" >&2
done
echo "Files on $(df --output=source,fstype "$work" | tail -n1 | tr -s ' '), best of $rounds rounds"

report() {  # title, native label, native seconds, product label, product seconds, target
  awk -v t="$1" -v nl="$2" -v n="$3" -v pl="$4" -v p="$5" -v target="$6" -v b="$bytes" 'BEGIN {
    mib = b / 1048576
    printf "%s\n", t
    printf "  %-34s %7.2f s  %7.1f MiB/s\n", nl, n, mib / n
    printf "  %-34s %7.2f s  %7.1f MiB/s\n", pl, p, mib / p
    ratio = n / p
    verdict = (ratio >= target) ? "met" : "NOT met"
    printf "  throughput ratio %.2f (target >= %.1f): %s\n", ratio, target, verdict
  }'
}
report "Split + join of a 1 GiB file, 100 MB pieces" "split -b + cat (native)" "$(best "${ns[@]}")" \
       "Tidewell split + join (Wine)" "$(best "${ps[@]}")" 0.8
report "One shred pass over a 1 GiB file" "dd bs=1M conv=notrunc,fsync (native)" "$(best "${nd[@]}")" \
       "Tidewell Quick Wipe pass (Wine)" "$(best "${pd[@]}")" 0.9
