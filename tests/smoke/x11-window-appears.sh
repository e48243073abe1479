#!/usr/bin/env bash
# Starts the real program on a real X server (Xvfb, the xcb platform, as a desktop would),
# waits for its window "Tumblekey" to be mapped at its size on screen, then ends it.
#   x11-window-appears.sh <path to the keymint executable> [scale factor, 1 or 2]
set -euo pipefail
program=$1
scale=${2:-1}

if [ -z "${KEYMINT_SMOKE_INNER:-}" ]; then
    export KEYMINT_SMOKE_INNER=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale
expected="$((308 * scale))x$((251 * scale))"
workdir=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$workdir"' EXIT
cd "$workdir"
"$program" &
pid=$!

for _ in $(seq 1 200); do
    if xwininfo -name Tumblekey 2>/dev/null | grep -q 'Map State: IsViewable'; then
        size=$(xwininfo -name Tumblekey | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
        echo "window Tumblekey is shown, $size"
        [ "$size" = "$expected" ] || { echo "expected $expected"; exit 1; }
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        exit 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "keymint ended before its window appeared"
        exit 1
    fi
    sleep 0.05
done
echo "no window Tumblekey within 10 s"
exit 1
