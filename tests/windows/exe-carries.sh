#!/usr/bin/env bash
# Reads back what the build's Keymint.exe (which keeps its symbols) carries. Faults it catches:
# a console program; ASLR, high entropy, DEP or the stack protector dropped; wrong version
# information; an icon other than the key; the build machine's Qt folder left in it (it would
# tell the builder's user name). (A DLL that Windows lacks, the run-time or Qt linked
# dynamically, keeps the zip's Keymint.exe from starting in the downloads' check, whose Wine
# prefix has neither.)
#   exe-carries.sh <Keymint.exe> <Qt for Windows folder>
set -euo pipefail
exe=$1 qt=$2
fail() { echo "FAIL: Keymint.exe $*"; exit 1; }
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "is no GUI program"
[ "$(grep -cwE 'DYNAMIC_BASE|HIGH_ENTROPY_VA|NX_COMPAT' <<<"$headers")" = 3 ] ||
    fail "is built without ASLR, high entropy or DEP"
[ "$(x86_64-w64-mingw32-nm "$exe" | grep -c __stack_chk_fail)" != 0 ] || fail "has no stack protector"

# Its version information, as Explorer shows it: "1.00", in US English.
[[ $(wrestool --extract --raw --type=16 "$exe" | strings -el | paste -s -d ' ') == *"040904B0 \
ProductName Keymint"*"FileVersion 1.00 ProductVersion 1.00"* ]] || fail "has other version information"

# wrestool pads the icon it rebuilds; what it holds of the file must be the file.
icon=$(dirname "$0")/../../ui/icons/keymint.ico
cmp -s -n "$(stat -c %s "$icon")" "$icon" <(wrestool --extract --type=14 "$exe") ||
    fail "carries another icon than ui/icons/keymint.ico"
# Qt's folder on the build machine, where a path begins (a source folder /keymint is no part of
# :/icons/keymint.png). The source and build folders are the downloads' reproducibility check's
# to find: it builds them in two folders of different names.
pattern="(^|[^[:alnum:]._-])$(sed 's/[].*^$()+?{}|\\[]/\\&/g' <<<"$qt")"
[ "$(cat <(strings -a "$exe") <(strings -a -el "$exe") | grep -c -E "$pattern")" = 0 ] ||
    fail "carries the build machine's Qt folder, $qt"
echo "Keymint.exe: a hardened GUI program, version 1.00, the key icon"
