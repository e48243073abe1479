#!/usr/bin/env bash
# Installs what is missing of what building and running Keymint needs, builds it (without the
# tests and benchmarks) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

keymint_install_missing "${KEYMINT_RUN_PACKAGES[@]}"
keymint_build -DKEYMINT_BUILD_TESTS=OFF -DKEYMINT_BUILD_BENCHMARKS=OFF
exec "$KEYMINT_BUILD/app/keymint"
