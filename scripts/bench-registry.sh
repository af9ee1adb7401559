#!/usr/bin/env bash
# Times the Registry Cleaner's full scan under Wine against Wine's own
# recursive `reg query` over the same keys, in one run, on a registry of
# 20,000 classes (10,000 extensions and 10,000 program identifiers with
# DefaultIcon and open commands), 5,000 CLSIDs and 2,000 type libraries.
# Half the entries name files that exist. Target: the scan takes at most half
# the time of the query. Both sides are timed as whole processes with a warm
# Wine server, best of TW_BENCH_ROUNDS rounds (default 3); the scan's own time
# inside the program is printed too.
# The registry lives in a prefix of its own (build/wine-bench-registry), so
# the tests' prefix never holds the generated keys.
set -euo pipefail
cd "$(dirname "$0")/.."
export TW_WINE_ROOT="$PWD/build/wine-bench-registry"
source scripts/wine-env.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target registry_scan_bench >/dev/null
scripts/wine-prefix.sh headless >/dev/null
bench=$(to_windows_path build/win64/bench/registry/registry_scan_bench.exe)
rounds="${TW_BENCH_ROUNDS:-3}"
reg64() { /usr/lib/wine/wine64 reg "$@"; }

# One .reg file imported once: far faster than a reg add per key.
if [ ! -f "$WINEPREFIX/.tidewell-bench-data" ]; then
  data="$TW_WINE_ROOT/bench-registry.reg"
  awk 'BEGIN {
    print "REGEDIT4"
    here = "C:\\\\windows\\\\notepad.exe"; gone = "C:\\\\Bench\\\\Gone\\\\app"
    for (i = 0; i < 10000; i++) {
      exe = (i % 2 ? gone i ".exe" : here)
      printf "\n[HKEY_CLASSES_ROOT\\.twb%05d]\n@=\"TwBench.Class%05d\"\n", i, i
      printf "\n[HKEY_CLASSES_ROOT\\TwBench.Class%05d]\n@=\"Bench document %d\"\n", i, i
      printf "\n[HKEY_CLASSES_ROOT\\TwBench.Class%05d\\DefaultIcon]\n@=\"%s,1\"\n", i, exe
      printf "\n[HKEY_CLASSES_ROOT\\TwBench.Class%05d\\shell\\open\\command]\n@=\"\\\"%s\\\" \\\"%%1\\\"\"\n", i, exe
    }
    for (i = 0; i < 5000; i++) {
      dll = (i % 2 ? gone i ".dll" : "C:\\\\windows\\\\system32\\\\ole32.dll")
      printf "\n[HKEY_CLASSES_ROOT\\CLSID\\{B3A5C0DE-0000-4000-8000-%012d}\\InprocServer32]\n", i
      printf "@=\"%s\"\n\"ThreadingModel\"=\"Both\"\n", dll
    }
    for (i = 0; i < 2000; i++) {
      lib = sprintf("HKEY_CLASSES_ROOT\\TypeLib\\{B3A5C0DE-0001-4000-8000-%012d}\\1.0", i)
      tlb = (i % 2 ? gone i ".tlb" : "C:\\\\windows\\\\system32\\\\stdole2.tlb")
      printf "\n[%s]\n@=\"Bench Library %d\"\n", lib, i
      printf "\n[%s\\0\\win32]\n@=\"%s\"\n", lib, tlb
      printf "\n[%s\\FLAGS]\n@=\"0\"\n\n[%s\\HELPDIR]\n@=\"C:\\\\Bench\"\n", lib, lib
    }
  }' | sed 's/$/\r/' > "$data"
  echo "importing the generated registry (about 55,000 keys)..."
  /usr/lib/wine/wine64 regedit /s "$(to_windows_path "$data")"
  wineserver -w
  rm -f "$data"
  touch "$WINEPREFIX/.tidewell-bench-data"
fi

# Every key the scan reads, each with everything below it.
query_all() {
  reg64 query 'HKCR' /s
  reg64 query 'HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs' /s
  reg64 query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /s
  reg64 query 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths' /s
  reg64 query 'HKLM\Software\Microsoft\Windows\Help' /s
  reg64 query 'HKCU\AppEvents\Schemes\Apps' /s
}

milliseconds() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

wineserver -p 2>/dev/null || true
wine "$bench" >/dev/null 2>&1 || true   # warm the server and the caches
query_all >/dev/null 2>&1 || true
best_scan=""; best_inside=""; best_query=""
for round in $(seq 1 "$rounds"); do
  start=$(date +%s%N)
  inside=$(wine "$bench" 2>/dev/null | tr -d '\r' | awk '/^scan/ {print $2}')
  scan=$(milliseconds "$start")
  start=$(date +%s%N)
  lines=$(query_all 2>/dev/null | wc -l)
  query=$(milliseconds "$start")
  echo "round $round: scan ${scan} ms (inside the program ${inside} ms), reg query /s ${query} ms (${lines} lines)"
  if [ -z "$best_scan" ] || [ "$scan" -lt "$best_scan" ]; then best_scan=$scan; best_inside=$inside; fi
  if [ -z "$best_query" ] || [ "$query" -lt "$best_query" ]; then best_query=$query; fi
done
echo "findings of the last scan:"
wine "$bench" 2>/dev/null | tr -d '\r' | grep -v '^scan' | sed 's/^/  /'
wineserver -k 2>/dev/null || true
ratio=$(awk -v a="$best_scan" -v b="$best_query" 'BEGIN { printf "%.2f", a / b }')
echo "best: scan ${best_scan} ms (inside the program ${best_inside} ms), reg query /s ${best_query} ms"
echo "ratio scan / query: ${ratio} (target: at most 0.50)"
