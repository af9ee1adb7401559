#!/usr/bin/env bash
# Runs a Windows program of the build in the isolated test prefix: the
# CMake cross-compiling emulator for the tests.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.tidewell-ready" ] || "$repo_root/scripts/wine-prefix.sh" headless >&2
exe=$(to_windows_path "$1"); shift
exec wine "$exe" "$@"
