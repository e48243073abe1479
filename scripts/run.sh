#!/usr/bin/env bash
# Installs what is missing, builds Keymint and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

keymint_install_missing
keymint_build
exec "$KEYMINT_BUILD/app/keymint"
