#!/usr/bin/env bash
# Keymint for Windows, from Debian: installs what is missing, builds Qt for Windows once (from
# Debian's own source, cached outside the tree), cross-builds Keymint.exe, runs the test suite
# under Wine on a real X server, and writes the download Keymint-1.00-win64.zip into
# build-windows/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$(dirname "${BASH_SOURCE[0]}")/windows-setup.sh"
keymint_need_debian_12 "Keymint for Windows"

keymint_install_missing
keymint_install_windows_missing
keymint_build_qt_windows
keymint_build_windows
keymint_test_windows
keymint_package_windows
