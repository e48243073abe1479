#!/usr/bin/env bash
# Starts the real Keymint.exe under Wine on a real X server, with Windows' own platform plugin
# as a user's desktop would, waits for its window "Tumblekey", checks that a hint follows the
# pointer, presses "Generate", double-clicks the password box, and checks that the password
# went as one line into password.txt in the current folder and that "Password Added" said so.
#   wine-window-hints-and-saves.sh <Keymint.exe>
set -euo pipefail
source "$(dirname "$0")/wine-common.sh"
keymint_need_display "$@"
exe=$(realpath "$1")
export WINEDEBUG=-all
unset QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
wine "$exe" &
pid=$!

window=$(keymint_wait_for_window Tumblekey 60)
echo "window Tumblekey is shown"
sleep 1 # let the window settle before the pointer comes

# The hint label (112,184 to 189,241 in the client area) is blank until the pointer, with no
# button held, moves over "Generate": then its hint is written there.
hint_colours() {
    import -window "$window" -crop 77x57+112+184 +repage -format '%k' info:
}
[ "$(hint_colours)" -eq 1 ] || { echo "the hint label is not blank at start"; exit 1; }
xdotool mousemove --window "$window" 240 118 sleep 0.2 mousemove --window "$window" 244 120
sleep 0.5
[ "$(hint_colours)" -gt 1 ] || { echo "no hint over \"Generate\" after the pointer moved there"; exit 1; }
echo "a hint appears where the pointer moves"

# "Generate", then a double-click in the middle of the password box (8,108 to 177,133).
xdotool click 1 sleep 0.3 mousemove --window "$window" 92 120 click --repeat 2 --delay 100 1
confirmation=$(keymint_wait_for_window "Password Added" 20)
xdotool windowfocus --sync "$confirmation" key Return
sleep 0.5

[ -f password.txt ] || { echo "no password.txt"; exit 1; }
if ! LC_ALL=C grep -qxE $'[a-z]{5}\r' password.txt || [ "$(stat -c %s password.txt)" -ne 7 ]; then
    echo "password.txt holds something else than one password of five letters and CR LF:"
    od -c password.txt
    exit 1
fi
echo "password.txt: $(tr -d '\r\n' <password.txt), one line"
kill -0 "$pid" || { echo "Keymint ended after the save"; exit 1; }
