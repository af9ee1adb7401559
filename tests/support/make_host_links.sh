#!/bin/sh
# Makes the host-side links a Windows test binary finds beside itself (see
# host_links_win.h), fresh for every run, since Wine cannot make them.
#   make_host_links.sh FOLDER
set -eu
rm -rf "$1"
mkdir -p "$1/target-folder"
printf kept > "$1/target.txt"
printf inner > "$1/target-folder/inner.txt"
ln -s target.txt "$1/file-link.txt"
ln -s target-folder "$1/folder-link"
# A folder behind a link, and another with a file of the same name, which a
# test swaps by renaming once the file is listed.
mkdir -p "$1/swap/listed" "$1/swap/other"
printf mine > "$1/swap/listed/secret.txt"
printf precious > "$1/swap/other/secret.txt"
ln -s swap/listed "$1/swap-link"
