#!/usr/bin/env bash
# Installs what is missing, builds Keymint and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

keymint_install_missing
keymint_build
ctest --test-dir "$KEYMINT_BUILD" --output-on-failure --timeout 300
