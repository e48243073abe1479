#!/usr/bin/env bash
# The two Windows downloads as users take them, each into a new, empty Wine prefix, used on a
# real X server with Windows' own platform plugin. The zip is unpacked and Keymint.exe started
# from its folder at 192 dots per inch by a German user (its picture left in the build folder,
# windows-de.png); the MSI is installed quietly over an older build of the same source, used
# through the Start menu at 96, and removed.
# Faults it catches: a download of 10 MiB or more; the program, its read-me, Qt's translations
# or a licence missing from the zip, or its files in another order than by name (a folder
# listing's); a DLL that Keymint.exe needs and the zip lacks; a window that does not open, or
# not at its size; the German user's "Password Added" box in English; a save that does not land
# whole, as one line with CR LF, in password.txt in the folder Keymint was started in; a new list
# open to other users; a copy of
# the password without the four Windows formats that keep it out of the clipboard history, the
# cloud clipboard and clipboard managers (Ditto's "Clipboard Viewer Ignore"), or with other
# values. An installer that asks for an administrator, or installs elsewhere than the user's own
# programs folder; a shortcut missing, or with another target, working folder or icon; no entry
# among the installed programs, or two after an upgrade, or the old program left; an uninstall
# that leaves the program, its folder or the shortcut, or touches the password list in
# Documents.
#   downloads.sh <Windows build folder>
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"
keymint_need_display any "$@"
build=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")
listed() { wine uninstaller --list | tr -d '\r' | grep '|||Keymint$' || true; }
cmake --build "$build" --target keymint_downloads >/dev/null
work=$(mktemp -d)
# New, empty Wine prefixes, and a home of their own: Wine links Documents to it.
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" && unset QT_QPA_PLATFORM
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$HOME" && wineboot --init >/dev/null 2>&1

unzip -Z1 "$build"/Keymint-1.00-win64.zip | LC_ALL=C sort -c || fail "the zip's files are not in name order"
[ "$(stat -c %s "$build"/Keymint-1.00-win64.{zip,msi} | sort -n | tail -n 1)" -lt $((10 << 20)) ] ||
    fail "a download is 10 MiB or more"
unzip -q "$build"/Keymint-1.00-win64.zip -d "$work"
cd "$work"/Keymint-1.00-win64
ls Keymint.exe README.txt LICENSE.txt translations/qtbase_{de,ja,ar}.qm licences/Qt/{LGPL,GPL}-3.0-only.txt \
    licences/MinGW/{gcc-mingw-w64-base,mingw-w64-common}.txt >/dev/null || fail "the zip lacks the file above"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
LANG=de_DE.UTF-8 wine Keymint.exe & # a German user's Windows
window=$(keymint_use_window 2 de_DE)
keymint_check_list password.txt
# As a clipboard manager does, the targets first: Wine maps a registered format's name only then.
copy() { xclip -o -selection clipboard -t TARGETS >/dev/null 2>&1; for format in UTF8_STRING \
    ExcludeClipboardContentFromMonitorProcessing CanIncludeInClipboardHistory \
    CanUploadToCloudClipboard "Clipboard Viewer Ignore"; do xclip -o -selection clipboard \
    -t "$format" 2>/dev/null | xxd -p; done | tr '\n' ' '; }
marked="$(tr -d '\r\n' <password.txt | xxd -p) 01000000 00000000 00000000 01000000 "
# Ctrl+C on the password that the double-click selected, until the main window has the keyboard.
keymint_wait_for 10 eval 'xdotool windowfocus --sync "$window" key ctrl+c && [ "$(copy)" = "$marked" ]' ||
    fail "the copy carries $(copy), not $marked"
import -window "$window" "$build/windows-de.png"

msi=$build/Keymint-1.00-win64.msi
(($(msiinfo suminfo "$msi" | awk '/^Source:/ {print $2}') & 8)) || fail "the MSI asks for an administrator"
cmake -DBUILD_DIR="$build" -DSOURCE_DIR="$source_dir" -DVERSION=0.99 -DOUTPUT_DIR="$work/old" \
    -P "$source_dir/cmake/windows-downloads.cmake" >/dev/null
wineserver -k || true
export WINEPREFIX=$work/prefix-msi && wineboot --init >/dev/null 2>&1
wine msiexec /i "$(winepath -w "$work"/old/Keymint-0.99-win64.msi)" /qn
wine msiexec /i "$(winepath -w "$msi")" /qn
product=$(listed | cut -d'|' -f1)
[ "$(grep -c . <<<"$product")" = 1 ] || fail "installed programs: $(listed)"
# Wine keeps a per-user product's entry where Windows keeps a machine-wide one's.
entry=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product" |
    tr -d '\r' | grep -Eo '(DisplayVersion|Publisher) .*' | tr -s ' ' | paste -s -d ';')
[ "$entry" = "DisplayVersion REG_SZ 1.00;Publisher REG_SZ the Keymint developers" ] || fail "the entry reads $entry"
user=$WINEPREFIX/drive_c/users/$(ls "$WINEPREFIX/drive_c/users" | grep -v Public)
program=$user/AppData/Local/Programs/Keymint
cmp "$program/Keymint.exe" "$build/stage/Keymint-1.00-win64/Keymint.exe" || fail "not the new program"
icon=$user/AppData/Roaming/Microsoft/Installer/$product/keymint.ico
cmp "$source_dir/ui/icons/keymint.ico" "$icon" || fail "the entry's icon is not Keymint's"

shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Keymint.lnk"
windows() { winepath -w "$1" | tr -d '\r'; }
diff <(lnkinfo "$shortcut" | grep -E 'Local path|Working directory|Icon location' | sed 's/.*: //') \
    <(printf '%s\n' "$(windows "$program/Keymint.exe")" "$(windows "$user")\\Documents\\" \
          "$(windows "$icon")") || fail "the shortcut reads back otherwise"
wine start /unix "$shortcut"
window=$(keymint_use_window 1)
keymint_check_list "$HOME/password.txt"
xdotool mousemove --window "$window" 244 228 click 1 && wineserver -w # "Exit", and Keymint ends
kept=$(sha256sum <"$HOME/password.txt")

wine msiexec /x "$product" /qn
[ ! -e "$program" ] && [ ! -e "$shortcut" ] || fail "the uninstall leaves the program or the shortcut"
[ -z "$(listed)" ] || fail "Keymint is still listed"
[ "$(sha256sum <"$HOME/password.txt")" = "$kept" ] || fail "the uninstall changed password.txt"
echo "uninstalled: the program, its folder and the shortcut gone, the password list as it was"
