#!/usr/bin/env bash
# Builds the two downloads of this commit from empty build folders, the Debian package and the
# Windows zip, and writes SHA256SUMS beside them. The same commit gives the same bytes in any
# folder, at any time: anyone can rebuild a release and compare its checksums.
#   release.sh [output folder]          (release/ by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$KEYMINT_ROOT/scripts/windows-setup.sh"
source "$KEYMINT_ROOT/scripts/release-setup.sh"

output=$(realpath -m "${1:-$KEYMINT_ROOT/release}")
if [ -n "$(git -C "$KEYMINT_ROOT" status --porcelain --untracked-files=no)" ]; then
    echo "Note: the tree has changes that are not committed; this release is not the commit's."
fi
SOURCE_DATE_EPOCH=$(keymint_commit_time "$KEYMINT_ROOT")
export SOURCE_DATE_EPOCH

keymint_install_missing
keymint_install_windows_missing
keymint_build_qt_windows
mkdir -p "$output"
rm -f "$output"/keymint_*.deb "$output"/Keymint-*-win64.zip "$output/SHA256SUMS"
keymint_release_deb "$KEYMINT_ROOT" "$KEYMINT_ROOT/build-release/linux" "$output"
keymint_release_zip "$KEYMINT_ROOT" "$KEYMINT_ROOT/build-release/windows" "$output"
(cd "$output" && sha256sum -- keymint_*.deb Keymint-*-win64.zip >SHA256SUMS && cat SHA256SUMS)
echo "Written to $output"
