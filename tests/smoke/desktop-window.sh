#!/usr/bin/env bash
# Starts the real program as a desktop would, on a real X server (Xvfb, the xcb platform) or as a
# native client of a real Wayland compositor (sway, headless), and uses it from the keyboard.
# Faults it catches: a program that does not start or ends at once (a missing library, plugin or
# font, a crash in start-up); a window not shown, under another title or app id, not at its
# design size, or not drawn sharp at twice the dots per inch; Enter not generating, Ctrl+S not
# saving, "Exit" not ending it; a copy (Ctrl+C, the primary selection that selecting sets, on X11
# the context menu's Copy) without the mark for clipboard managers, or with other text than the
# password saved; on X11, another program's copy taken over. Headless sway has no pointer, so
# hints are not checked there; sway refuses to run as root, so root runs it as a user that this
# check makes and removes. In another language, as a desktop session sets it: the "Password
# Added" box not under its translated title.
#   desktop-window.sh x11|wayland <keymint executable> <app id> <scale, 1 or 2> [screenshot.png]
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"
source "$(dirname "$0")/../../scripts/setup.sh"
if [ "$1" = wayland ] && [ "$(id -u)" = 0 ] && keymint_emulated; then
    echo "SKIPPED: under qemu no program runs as another user (runuser: Permission denied)"
    exit 77 # and sway refuses to run as root
fi
[ "$1" = wayland ] || keymint_need_display own "$@"
platform=$1 id=$3 scale=$4 run=$(mktemp -d) as=() user=""
added=$(keymint_added_title "${LANGUAGE:-${LC_ALL:-${LANG:-en}}}")
trap 'set +e; exec 3>&-; kill $(jobs -p) 2>/dev/null; wait; [ -z "$user" ] || userdel "$user"
      rm -rf "$run"' EXIT
install -m 755 "$2" "$run/keymint" && cd "$run"
if [ "$platform" = x11 ]; then
    [ "$scale" = 1 ] || xrdb -merge <<<"Xft.dpi: $((96 * scale))" # as a desktop's settings do
    QT_QPA_PLATFORM=xcb ./keymint & pid=$!
    shown() { window=$(keymint_window "$1" 0 2>/dev/null); }
    press() { xdotool windowfocus --sync "$window" key "$@"; }
    offered() { xclip -o -selection "$1" -t "${2:-UTF8_STRING}"; }
    shot() { import -window "$window" "$1"; }
else
    if [ "$(id -u)" = 0 ]; then
        user=keymint-wayland-$$ && useradd --system --no-create-home --home-dir "$run" "$user"
        chown "$user" "$run" && as=(setpriv --reuid="$user" --regid="$user" --clear-groups)
    fi
    as+=(env -i PATH="$PATH" XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$run/sock")
    mkfifo keys && printf 'xwayland disable\noutput HEADLESS-1 scale %s\n' "$scale" >config
    "${as[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman sway -c config >sway.log 2>&1 &
    keymint_wait_for 20 test -S sock || fail "no compositor: $(cat sway.log)"
    # wtype's keys arrive only while a virtual keyboard stays: this one stays until the end.
    "${as[@]}" wtype - <keys & exec 3>keys
    "${as[@]}" QT_QPA_PLATFORM=wayland ./keymint & pid=$!
    # shown <title> [true]: the window of that title and app id (and having the keyboard).
    shown() {
        geometry=$("${as[@]}" swaymsg -t get_tree -r | jq -r --arg title "$1" --arg id "$id" \
            --argjson focus "${2:-false}" '.. | select(.name? == $title and .app_id? == $id and
            (.focused or ($focus | not))) | "\(.rect.x + .window_rect.x),\(.rect.y +
            .window_rect.y) \(.geometry.width)x\(.geometry.height)"') && [ -n "$geometry" ]
    }
    # A new virtual keyboard's first key can be lost while sway hands its keymap on: a pause first.
    press() { local keys=() key; for key; do [[ $key != ctrl+* ]] && keys+=(-k "$key") ||
        keys+=(-M ctrl -k "${key#ctrl+}" -m ctrl); done; "${as[@]}" wtype -s 100 "${keys[@]}"; }
    offered() { "${as[@]}" wl-paste -n $([ "$1" = clipboard ] || echo --primary) -t "${2:-text}"; }
    shot() { "${as[@]}" grim -g "$geometry" "$1"; }
fi
# holds <selection> <text> <mark>: what the selection offers as text, and as the mark.
holds() {
    cmp -s <(offered "$1") <(printf %s "$2") &&
        [ "$(offered "$1" x-kde-passwordManagerHint 2>/dev/null || true)" = "$3" ]
}
# answer_added: Enter on the "Password Added" box, once it has the keyboard; then the main window.
answer_added() {
    keymint_wait_for 10 shown "$added" true && press Return &&
        keymint_wait_for 10 shown Tumblekey true
}
keymint_wait_for 20 shown Tumblekey || fail "no window Tumblekey, app id $id"
shot shot.png && { [ -z "${5:-}" ] || cp shot.png "$5"; }
[[ $(file -b shot.png) == "PNG image data, $((308 * scale)) x $((251 * scale)),"* ]] ||
    fail "the window is not 308x251 drawn at $scale times: $(file -b shot.png)"
press Return ctrl+s && answer_added
keymint_check_list password.txt && password=$(tr -d '\r\n' <password.txt)
press ctrl+a ctrl+c
for selection in clipboard primary; do
    keymint_wait_for 5 holds $selection "$password" secret ||
        fail "the $selection selection is not the password, marked"
done
if [ "$platform" = x11 ]; then
    printf other | xclip -selection primary && printf other | xclip -selection clipboard
    press ctrl+s && answer_added
    # By that round trip Keymint has seen the other copies. xclip offers its text as any target.
    holds primary other other && holds clipboard other other || fail "another program's copy taken over"
    press ctrl+a Menu # the box's context menu, a second window of Keymint's; then its Copy
    keymint_wait_for 5 eval '[ "$(xdotool search --onlyvisible --class Keymint | wc -l)" = 2 ]' &&
        xdotool key Down Down Return && keymint_wait_for 5 holds clipboard "$password" secret ||
        fail "the context menu's Copy (Cut, then Copy) is not the password, marked"
fi
press Tab Tab Tab Tab Tab space # from the box to "Exit"
keymint_wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail '"Exit" did not end it'
echo "window Tumblekey, $(file -b shot.png); the copies marked; \"Exit\" ended it"
