#!/usr/bin/env bash
# Starts the real program on a real X server (Xvfb, the xcb platform, as a desktop would) and
# waits for its main window. Faults it catches: a program that does not start or ends at once
# (a missing library, plugin or font, a crash in start-up); a window not shown, under another
# title, or not at its design size, also when the desktop scales by two.
#   x11-window-appears.sh <path to the keymint executable> [scale factor, 1 or 2]
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"
keymint_need_display "$@"
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=${2:-1}
cd "$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$PWD"' EXIT
"$1" & pid=$!
keymint_check_size "$(keymint_window Tumblekey 10)" "$QT_SCALE_FACTOR"
