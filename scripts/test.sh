#!/usr/bin/env bash
# Installs what is missing, builds Keymint and runs the whole test suite headless: once on the
# release build with the static and packaging checks, once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, except under an emulator.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

keymint_install_missing
keymint_build -DKEYMINT_BUILD_TESTS=ON -DKEYMINT_BUILD_BENCHMARKS=ON
ctest --test-dir "$KEYMINT_BUILD" --output-on-failure --timeout 600
if keymint_emulated; then
    echo "SKIPPED the sanitizer round: under qemu every memory access that AddressSanitizer"
    echo "checks is emulated too: the quickest suite still ran after five minutes, where it"
    echo "takes a hundredth of a second natively."
    exit 0
fi
keymint_build_sanitized
ctest --test-dir "$KEYMINT_SANITIZE_BUILD" --output-on-failure --timeout 600 \
    --label-exclude 'static|packaging'
