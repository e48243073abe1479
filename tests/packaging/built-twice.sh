#!/usr/bin/env bash
# Builds the downloads of one kind as a release does, twice, and compares them byte for byte:
# from two exports of the source in folders of different names and depths, one keeping the
# files' times and one with the time of copying, under different time zones, locales and
# umasks. A Debian package is then checked (fresh-debian.sh installs and starts it).
# Faults it catches: a build or source folder left in a program (-ffile-prefix-map dropped), a
# time taken from the clock or a file rather than the changelog, a mode taken from the umask,
# a member order taken from a folder listing. In the Debian package: a library or the font
# missing from Depends, Wayland's Qt or Qt's translations from Recommends; the desktop entry,
# metainfo, icon, manual page, copyright or changelog missing; anything lintian warns of; a
# hardening flag dropped or not taking effect.
#   built-twice.sh <source> deb|arm64|windows
set -euo pipefail
tree=$(realpath "$1") kind=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$tree/scripts/release-setup.sh"

first=$work/k second=$work/another-checkout/of/keymint
mkdir -p "$first" "$second"
keymint_export_source "$tree" | tar -x -C "$first"
keymint_export_source "$tree" | tar -x --touch -C "$second"
(umask 022 && TZ=UTC LC_ALL=C keymint_release_$kind "$first" "$first/build" "$first/out")
(umask 002 && TZ=Pacific/Chatham LC_ALL=C.UTF-8 keymint_release_$kind "$second" \
    "$second/b" "$second/out")
diff -rq "$first/out" "$second/out" # the same files, byte for byte
[ "$kind" != windows ] || exit 0

deb=$(ls "$first"/out/*.deb)
fields=$(dpkg-deb --field "$deb" Depends Recommends)
[[ $fields == *libqt6widgets6* && $fields == *fonts-liberation2* && $fields == \
   *"Recommends: qt6-wayland, qt6-translations-l10n"* ]] || { echo "$fields"; exit 1; }
dpkg-deb --extract "$deb" "$work/root"
app_id=$(basename "$work"/root/usr/share/applications/*.desktop .desktop)
(cd "$work/root/usr/share" && ls "metainfo/$app_id.metainfo.xml" man/man1/keymint.1.gz \
    "icons/hicolor/32x32/apps/$app_id.png" doc/keymint/{copyright,changelog.gz} >/dev/null)
lintian --fail-on error,warning "$deb"
echo "$(basename "$deb"): its files and dependencies, and lintian finds no error or warning"

# Every line of Debian's hardening-check that can pass for the architecture passes. Left out:
# Fortify, since Keymint's only copies come from the C++ library and Qt, sized at run time, so
# no call has a checked variant to become. On amd64: Branch Protection (Debian 13's check),
# arm64's kind of control-flow protection; and control flow itself, since the C library's start
# files carry no CET mark on Debian 12 and 13, so the linker leaves every program unmarked. On
# arm64: x86's control flow, and Debian 12's check knows no branch protection; its stack clash
# line reads x86 instructions, so it can only say "unknown" there. For those: every
# source was compiled with the flag, and main begins with a landing pad (endbr64; paciasp,
# which is arm64's pointer signing and a BTI landing pad in one).
# (Counts rather than grep -q: under pipefail, a writer cut off by grep -q's early exit would
# turn a finding into a failure, or a failure into a pass.)
options=(--nofortify --nocfprotection)
arch=$(dpkg-deb --field "$deb" Architecture)
if [ "$arch" = amd64 ]; then
    flags=(-fcf-protection) landing=endbr64 objdump=objdump
    grep -q nobranchprotection "$(command -v hardening-check)" && options+=(--nobranchprotection)
else
    flags=(-mbranch-protection=standard) landing=paciasp objdump=aarch64-linux-gnu-objdump
fi
hardening-check "${options[@]}" "$work/root/usr/bin/keymint"
for flag in -D_FORTIFY_SOURCE= -fstack-clash-protection "${flags[@]}"; do
    [ "$(grep '"command"' "$first/build/compile_commands.json" | grep -c -v -- "$flag")" = 0 ] ||
        { echo "a source was compiled without $flag"; exit 1; }
done
[[ $($objdump -d --disassemble=main "$first/build/app/keymint" | grep -A1 '<main>:') == *$landing* ]] ||
    { echo "main begins without a $landing landing pad"; exit 1; }
