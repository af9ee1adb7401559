# Sourced by the Wine scripts: one isolated prefix inside the build folder,
# never the developer's own ~/.wine, with a sandboxed home (the Recycle Bin
# lives under XDG_DATA_HOME).
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_root="${TW_WINE_ROOT:-$repo_root/build/wine}"
export WINEPREFIX="${TW_WINEPREFIX:-$wine_root/prefix}"
export HOME="$wine_root/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
unset WINESERVER
# Wine reads the locale for the ANSI code page and month names.
export LANG=C.UTF-8 LC_ALL=

# Maps a host path below the repository to its Windows path on drive T:.
to_windows_path() {
  local abs
  abs=$(realpath -m "$1")
  case "$abs" in
    "$repo_root"/*) abs="T:\\${abs#"$repo_root"/}"; printf '%s' "${abs//\//\\}" ;;
    *) echo "wine: $1 is outside the repository, which is the only folder the prefix sees" >&2; return 1 ;;
  esac
}

# Builds one target of the win64 preset for a benchmark and readies the
# prefix; prints the built program's host path (a path below build/win64).
build_for_wine() {
  (cd "$repo_root" && cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 --target "$1" >/dev/null) || return 1
  [ -f "$WINEPREFIX/.tidewell-ready" ] || "$repo_root/scripts/wine-prefix.sh" headless >&2
  printf '%s' "$repo_root/build/win64/$2"
}
