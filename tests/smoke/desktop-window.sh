#!/usr/bin/env bash
# Starts the real program as a desktop would, on a real X server (Xvfb, the xcb platform) or as a
# native client of a real Wayland compositor (sway, headless), and uses it from the keyboard.
# Faults it catches: a program that does not start or ends at once (a missing library, plugin or
# font, a crash in start-up); a window not shown, under another title or app id, not at its
# design size, or not drawn sharp at twice the dots per inch; Enter not generating, Ctrl+S not
# saving, "Exit" not ending it; a copy (Ctrl+C, the primary selection that selecting sets, on X11
# the context menu's Copy) without the mark for clipboard managers, or with other text than the
# password saved; on X11, another program's copy taken over. With an offer watcher, as a
# clipboard manager watches (on X11 the one given, on Wayland wl-paste): any offer of the
# password without the mark, on the clipboard or the primary selection, or more than one offer
# for a copy, in every way of copying: Ctrl+C and Ctrl+Insert, the menu's Copy and Cut, Ctrl+K
# and Ctrl+U, selecting from the keyboard and (on X11) with the mouse. On X11 with a clipboard
# manager that honours the mark (CopyQ 7.1 or later, Debian 13's) watching both selections: a
# copy of Keymint's that it keeps, or none of another program's (it was not watching). Headless
# sway has no pointer, so the mouse is not used there (the hints that follow it are tst_frmmain's
# to check); sway refuses to run as root, so root runs it as a user that this check makes and
# removes. In another language, as a desktop session
# sets it: the "Password Added" box not under its translated title.
#   desktop-window.sh x11|wayland <keymint executable> <app id> <scale, 1 or 2> [offer watcher]
#                     [picture.png]
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"
source "$(dirname "$0")/../../scripts/setup.sh"
# Under qemu no program runs as another user, and sway refuses to run as root.
[ "$1" != wayland ] || [ "$(id -u)" != 0 ] || ! keymint_emulated ||
    { echo "SKIPPED: under qemu no program runs as another user (runuser: Permission denied)"; exit 77; }
[ "$1" = wayland ] || keymint_need_display own "$@"
platform=$1 id=$3 scale=$4 run=$(mktemp -d) as=() user=""
watcher=${5:+$(realpath "$5")} picture=${6:+$(realpath -m "$6")} # before the cd below
added=$(keymint_added_title "${LANGUAGE:-${LC_ALL:-${LANG:-en}}}")
trap 'set +e; exec 3>&-; kill $(jobs -p) 2>/dev/null; wait; [ -z "$user" ] || userdel "$user"
      rm -rf "$run"' EXIT
install -m 755 "$2" "$run/keymint" && cd "$run"
if [ "$platform" = x11 ]; then
    [ "$scale" = 1 ] || xrdb -merge <<<"Xft.dpi: $((96 * scale))" # as a desktop's settings do
    QT_QPA_PLATFORM=xcb ./keymint & pid=$!
    shown() { window=$(keymint_window "$1" 0 2>/dev/null); }
    press() { xdotool windowfocus --sync "$window" key "$@"; }
    shot() { import -window "$window" "$1"; }
    watch_offers() { QT_QPA_PLATFORM=xcb "$watcher" >>offers & }
    windows() { [ "$(xdotool search --onlyvisible --class Keymint | wc -l)" = "$1" ]; } # the menu's, 2
    menu() { keymint_wait_for 5 windows 2 && xdotool key "$@" && keymint_wait_for 5 windows 1; }
    # CopyQ, from 7.1, the first to honour the mark; its history in this run's folder.
    copyq() { HOME=$run QT_QPA_PLATFORM=xcb command copyq "$@" 2>/dev/null; }
    if copyq --version | grep -qE '^CopyQ .* v?(7\.[1-9]|[89]\.|[1-9][0-9]+\.)'; then
        manager=CopyQ && { copyq >/dev/null & } && keymint_wait_for 20 eval 'copyq config \
            check_clipboard true && copyq config check_selection true' >/dev/null || fail "no $manager"
    fi
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
    press() { local keys=() key; for key; do [[ $key != *+* ]] && keys+=(-k "$key") ||
        keys+=(-M "${key%+*}" -k "${key#*+}" -m "${key%+*}"); done; "${as[@]}" wtype -s 100 "${keys[@]}"; }
    shot() { "${as[@]}" grim -g "$geometry" "$1"; }
    # wl-paste reads each offer at once, but lists no offer's types: one watcher reads each offer's
    # text, a second one sees each offer that carries the mark (its value is read on X11, where
    # an offer replaced at once still yields it).
    watch_offers() { local flag; for flag in clipboard --primary; do
        "${as[@]}" wl-paste ${flag/clipboard/} --watch sh -c "echo ${flag#--} text \$(cat)" >>offers &
        "${as[@]}" wl-paste ${flag/clipboard/} -t x-kde-passwordManagerHint --watch \
            sh -c "cat >/dev/null; echo ${flag#--} mark" >>offers &
    done; }
    menu() { sleep 1 && press "$@" && sleep 1; } # the box's menu, a popup swaymsg does not list
fi
# answer_added: Enter on the "Password Added" box, once it has the keyboard; then the main window.
answer_added() { keymint_wait_for 10 shown "$added" true && press Return &&
    keymint_wait_for 10 shown Tumblekey true; }
keymint_wait_for 20 shown Tumblekey || fail "no window Tumblekey, app id $id"
shot shot.png && { [ -z "$picture" ] || cp shot.png "$picture"; }
[[ $(file -b shot.png) == "PNG image data, $((308 * scale)) x $((251 * scale)),"* ]] ||
    fail "the window is not 308x251 drawn at $scale times: $(file -b shot.png)"
[ -z "$watcher" ] || { watch_offers && sleep 1 && : >offers; } # past what is offered at start
press Return ctrl+s && answer_added || fail "Enter and Ctrl+S brought no \"$added\" box"
keymint_check_list password.txt && password=$(tr -d '\r\n' <password.txt)
# Ctrl+C and Ctrl+Insert; a selection made from the keyboard
press ctrl+a ctrl+c ctrl+Insert End shift+Home
if [ "$platform" = x11 ]; then
    # A watcher reads an offer in several requests; a second for it before another program copies.
    sleep 1 && printf other | xclip -selection primary && printf other | xclip -selection clipboard
    press ctrl+s && answer_added
    # By that round trip Keymint has seen the other copies; xclip, still theirs, offers its text
    # as any type.
    [ "$(for selection in primary clipboard; do xclip -o -selection $selection -t \
        x-kde-passwordManagerHint; done)" = otherother ] || fail "another program's copy taken over"
    xdotool mousemove --window "$window" $((12 * scale)) $((120 * scale)) mousedown 1 \
        mousemove --window "$window" $((170 * scale)) $((120 * scale)) mouseup 1 # a selection
fi
press ctrl+a Menu && menu Down Down Return # the box's context menu: Cut, then Copy
press Menu && menu Down Return ctrl+z Home ctrl+k ctrl+z ctrl+u # Cut; undone; X11's two cuts
# Six copies, each one offer; on the clipboard and the primary selection, no more offers that
# yield the password than marked ones (an offer replaced before its read, on a loaded machine or
# by design on the primary selection, yields nothing; on Debian 13 a marked one may come back
# empty), and some. Once right, still right a second later: no offer that came late.
offers_right() {
    awk -v pw="$password" '$2 == "mark" { marks[$1]++ } $3 == pw { yields[$1]++ } $1 $2 == "clipboardtext" &&
        $3 != "other" { copies++ } END { for (s in yields) wrong += yields[s] > marks[s]
        exit !(copies == 6 && !wrong && marks["clipboard"] >= 4 && marks["primary"] >= 4) }' offers
}
[ -z "$watcher" ] || { keymint_wait_for 5 offers_right && sleep 1 && offers_right; } ||
    fail "offers seen, in order: $(tr '\n' ';' <offers)"
kept=$([ -z "${manager:-}" ] || copyq eval -- 'for (i = 0; i < size(); ++i) print(str(read(i)) + "\n")')
[ -z "${manager:-}" ] || [ "$(sort -u <<<"$kept")" = other ] || fail "$manager kept: ${kept//$'\n'/ }"
press Tab Tab Tab Tab Tab space # from the box to "Exit"
keymint_wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail '"Exit" did not end it'
echo "window Tumblekey, $(file -b shot.png)${watcher:+; each copy one marked offer}${manager:+, none kept by $manager}; \"Exit\" ended it"
