#!/usr/bin/env bash
# Starts the real program on a real X server (Xvfb, the xcb platform, as a desktop would) and
# uses it from the keyboard. Faults it catches: a program that does not start or ends at once
# (a missing library, plugin or font, a crash in start-up); a window not shown, under another
# title, or not at its design size, also at 192 dots per inch; Enter not generating, Ctrl+S not
# saving; a copy (Ctrl+C, the context menu's Copy, or the primary selection that selecting sets)
# without the mark for clipboard managers, or with other text than the password saved; another
# program's copy taken over; "Exit" not ending it.
#   x11-window-appears.sh <path to the keymint executable> <scale, 1 or 2> [screenshot.png]
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"
keymint_need_display own "$@"
scale=$2
cd "$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$PWD"' EXIT
[ "$scale" = 1 ] || xrdb -merge <<<"Xft.dpi: $((96 * scale))" # as a desktop's settings do
QT_QPA_PLATFORM=xcb "$1" & pid=$!
window=$(keymint_window Tumblekey 10)
keymint_check_size "$window" "$scale"
[ -z "${3:-}" ] || import -window "$window" "$3"
press() { xdotool windowfocus --sync "$window" key "$@"; }
answer_added() { xdotool windowfocus --sync "$(keymint_window "Password Added" 10)" key Return; }
# holds <selection> <text> <mark>: what the selection offers as text, and as the mark.
holds() {
    cmp -s <(xclip -o -selection "$1") <(printf %s "$2") &&
        [ "$(xclip -o -selection "$1" -t x-kde-passwordManagerHint 2>/dev/null || true)" = "$3" ]
}
press Return ctrl+s && answer_added
keymint_check_list password.txt && password=$(tr -d '\r\n' <password.txt)
press ctrl+a ctrl+c
for selection in clipboard primary; do
    keymint_wait_for 5 holds $selection "$password" secret ||
        fail "the $selection selection is not the password, marked"
done
printf other | xclip -selection primary && printf other | xclip -selection clipboard
press ctrl+s && answer_added
# By that round trip Keymint has seen the other copies. xclip offers its text as any target.
holds primary other other && holds clipboard other other || fail "another program's copy taken over"
press ctrl+a Menu # the box's context menu, a second window of Keymint's; then its Copy
keymint_wait_for 5 eval '[ "$(xdotool search --onlyvisible --class Keymint | wc -l)" = 2 ]' &&
    xdotool key c && keymint_wait_for 5 holds clipboard "$password" secret ||
    fail "the context menu's Copy is not the password, marked"
press Tab Tab Tab Tab Tab space # from the box to "Exit"
keymint_wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail '"Exit" did not end it'
echo "the copies were marked; \"Exit\" ended it"
