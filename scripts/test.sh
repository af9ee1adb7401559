#!/usr/bin/env bash
# Builds every preset and runs every test: the portable tests natively under
# ASan and UBSan, then all tests of the x86-64 and x86 builds under Wine,
# headless, then both installers. Prints each stage's time; exits non-zero on
# any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
failed=()

stage() {
  local name=$1; shift
  local start=$SECONDS
  echo "=== $name"
  if "$@"; then
    echo "=== $name: ok ($((SECONDS - start)) s)"
  else
    echo "=== $name: FAILED ($((SECONDS - start)) s)"
    failed+=("$name")
  fi
}

# Both installer tests run even when the first fails.
installers() { local rc=0; tests/installer/check_installers.sh || rc=1; tests/installer/check_msi.sh || rc=1; return $rc; }
build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$jobs"; }
run_tests() { ctest --preset "$1" -j"${2:-$jobs}"; }

stage "wine prefix" scripts/wine-prefix.sh headless
stage "build native" build native
stage "build native-asan" build native-asan
stage "test native-asan" run_tests native-asan
stage "build win64" build win64
stage "test win64" run_tests win64 1
stage "build win32" build win32
stage "test win32" run_tests win32 1
stage "installers" installers
stage "planted DLLs" tests/installer/check_planted_dlls.sh

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED stages: ${failed[*]}"
  exit 1
fi
echo "all stages passed"
