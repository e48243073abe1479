#!/usr/bin/env bash
# Keymint for arm64 Debian, from a Debian machine on amd64: installs what is missing, makes a
# Debian 12 build system with Debian's cross toolchain and arm64 Qt (once; cached outside the
# tree), cross-builds Keymint with its test suite, runs the Qt Test suites under qemu on the
# offscreen platform, and writes the package keymint_1.00_arm64.deb into build-arm64/.
# Needs root.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$KEYMINT_ROOT/scripts/chroot-setup.sh"
source "$KEYMINT_ROOT/scripts/arm64-setup.sh"

keymint_install_missing "${KEYMINT_ARM64_PACKAGES[@]}"
keymint_in_arm64_build "$KEYMINT_ROOT" "$KEYMINT_ROOT/build-arm64" "
    cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=$KEYMINT_ARM64_TOOLCHAIN \
        -DKEYMINT_BUILD_BENCHMARKS=OFF >/dev/null &&
    cmake --build build-arm64 --parallel $(nproc) >/dev/null &&
    ctest --test-dir build-arm64 --output-on-failure --label-exclude 'smoke|packaging|static' &&
    (cd build-arm64 && umask 022 && cpack -G DEB >/dev/null)"
echo "The checks that start Keymint on a desktop, or read its package or its source, ran on the"
echo "amd64 build (bash scripts/test.sh); the arm64 package's own: tests/packaging/built-twice.sh"
echo ". arm64, and tests/fresh-debian.sh bookworm arm64."
ls -l "$KEYMINT_ROOT"/build-arm64/keymint_*_arm64.deb
