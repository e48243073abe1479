#!/usr/bin/env bash
# Makes the download from a Windows build folder, checks what it holds, unpacks it into a new,
# empty Wine prefix and starts Keymint.exe there on a real X server: a DLL missing from the zip
# would stop it.
#   zip-starts.sh <Windows build folder>
set -euo pipefail
source "$(dirname "$0")/wine-common.sh"
keymint_need_display "$@"
build=$(realpath "$1")
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'kill "$pid" 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
pid=""
unset QT_QPA_PLATFORM

cmake --build "$build" --target keymint_zip >/dev/null
zip=$(ls "$build"/Keymint-*-win64.zip)
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"
unzip -q "$zip" -d "$work/unpacked"
folder=$(ls -d "$work"/unpacked/Keymint-*-win64)
for file in Keymint.exe README.txt LICENSE.txt \
            licences/Qt/LGPL-3.0-only.txt licences/Qt/GPL-3.0-only.txt \
            licences/MinGW/gcc-mingw-w64-base.txt licences/MinGW/mingw-w64-common.txt; do
    [ -f "$folder/$file" ] || { echo "the zip lacks $file"; exit 1; }
done
echo "the zip holds Keymint.exe, its read-me and the licences"

wineboot --init >/dev/null 2>&1
cd "$folder"
wine Keymint.exe &
pid=$!
keymint_wait_for_window Tumblekey 60 >/dev/null
echo "Keymint.exe from the zip shows its window in an empty Wine prefix"
