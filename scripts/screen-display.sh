# Sourced by the screenshot scripts, from the repository root, with
# TW_WINE_ROOT set: uses $DISPLAY, or starts a virtual X display for this run
# and ends it on exit; then readies that prefix to show windows there.
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  sleep 1
fi
scripts/wine-prefix.sh display
source scripts/wine-env.sh
