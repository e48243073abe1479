#!/usr/bin/env bash
# Builds the downloads of this source from empty build folders, the Debian packages for amd64
# and arm64 and the Windows zip and installer, and writes SHA256SUMS beside them. The same
# source gives the same bytes in any folder, at any time: anyone can rebuild a release and
# compare its checksums.
#   release.sh [output folder]          (release/ by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/release-setup.sh"
keymint_need_debian_12 "a release"

output=$(realpath -m "${1:-$KEYMINT_ROOT/release}")
keymint_install_missing
keymint_install_windows_missing
keymint_install_missing "${KEYMINT_ARM64_PACKAGES[@]}"
if [ -d "$KEYMINT_ROOT/.git" ] &&
   [ -n "$(git -C "$KEYMINT_ROOT" status --porcelain --untracked-files=no)" ]; then
    echo "Note: the tree has changes that are not committed; this release is not the commit's."
fi
keymint_build_qt_windows
mkdir -p "$output"
rm -f "$output"/keymint_*.deb "$output"/Keymint-*-win64.* "$output/SHA256SUMS"
keymint_release_deb "$KEYMINT_ROOT" "$KEYMINT_ROOT/build-release/linux" "$output"
keymint_release_arm64 "$KEYMINT_ROOT" "$KEYMINT_ROOT/build-release/arm64" "$output"
keymint_release_windows "$KEYMINT_ROOT" "$KEYMINT_ROOT/build-release/windows" "$output"
(cd "$output" && sha256sum -- keymint_*.deb Keymint-*-win64.* >SHA256SUMS && cat SHA256SUMS)
echo "Written to $output"
