#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks what it holds and needs, and starts
# the program it carries on a real X server.
#   deb-package.sh <build folder> <application id>
set -euo pipefail
build=$1
app_id=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$work"/out/keymint_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 fonts-liberation2; do
    [[ $depends == *"$needed"* ]] || { echo "Depends lacks $needed: $depends"; exit 1; }
done

dpkg-deb --extract "$deb" "$work/root"
for file in usr/bin/keymint \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            usr/share/man/man1/keymint.1.gz \
            usr/share/doc/keymint/copyright usr/share/doc/keymint/changelog.gz; do
    [ -f "$work/root/$file" ] || { echo "the package lacks /$file"; exit 1; }
done
echo "the package holds the program, its desktop entry, metainfo, icon, manual and licence"

# Debian's own checker: no error and no warning.
lintian --fail-on error,warning "$deb"
echo "lintian: no error, no warning"

# Debian's hardening: every line that hardening-check can see in Keymint passes.
hardening-check --nofortify --nocfprotection "$work/root/usr/bin/keymint"
# The two it cannot. Fortify: every copy in Keymint has a size known only at run time, so no
# call has a checked variant to become. Control flow: Debian 12's own start files (Scrt1.o,
# crti.o, crtn.o) are built without it, so the linker leaves the program unmarked. So: every
# source was compiled with both, and Keymint's own functions begin with a landing pad.
commands=$build/compile_commands.json
for flag in -D_FORTIFY_SOURCE= -fcf-protection -fstack-clash-protection; do
    if grep '"command"' "$commands" | grep -v -q -- "$flag"; then
        echo "a source was compiled without $flag"
        exit 1
    fi
done
objdump -d --disassemble=main "$build/app/keymint" | grep -A1 '<main>:' | grep -q endbr64 ||
    { echo "main begins without an endbr64 landing pad"; exit 1; }
echo "hardening: the rest compiled in, main begins with endbr64"

"$here/../smoke/x11-window-appears.sh" "$work/root/usr/bin/keymint"
