# What the checks on a real X server share, on Linux and under Wine: the server, waiting for a
# window, and a user's pointer and eye on the main window. Sourced, not run.

# keymint_need_display <any|own> <arguments...>: re-runs the calling script on a fresh Xvfb
# unless it has an X server already: any, or (own) one of its own, for a check that changes the
# server's settings or its clipboard.
keymint_need_display() {
    [ -n "${DISPLAY:-}" ] && [ "$1" = any -o -n "${KEYMINT_OWN_X:-}" ] || KEYMINT_OWN_X=1 exec \
        xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -noreset" "$0" "${@:2}"
}

KEYMINT_SUPPORT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }

# keymint_wait_for <seconds> <command...>: until the command succeeds, polling.
keymint_wait_for() {
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do [ $SECONDS -lt $deadline ] && sleep 0.1 || return 1; done
}

# keymint_window <title> <seconds>: prints the X id of the shown window of that title, as the
# program wrote it (xdotool's own search reads titles in its locale, which may not be theirs).
keymint_window() {
    local window
    found() { window=$(for id in $(xdotool search --onlyvisible --name .); do
        [ "$(xdotool getwindowname "$id")" != "$1" ] || echo "$id"; done | head -n 1) && [ -n "$window" ]; }
    keymint_wait_for "$2" found "$1" && echo "$window" || { echo "no window \"$1\"" >&2; return 1; }
}

# keymint_added_title <language>: the "Password Added" box's title in that language ("de_DE",
# "ar_EG.UTF-8"), as its translation has it; in English for a language without one.
keymint_added_title() {
    local translation=$KEYMINT_SUPPORT/../../translations/keymint_${1%%_*}.ts
    [ -f "$translation" ] && grep -A1 ">Password Added<" "$translation" |
        sed -n 's|.*ion>\(.*\)</.*|\1|p' || echo "Password Added"
}

# keymint_use_window <scale> [language]: the main window, shown at its size (its client area 308
# by 251 at scale 1); "Generate" clicked, the password box double-clicked, and the "Password
# Added" box answered. Prints the window's id.
# (The hints under the pointer are tst_frmmain's to check, which runs under Wine too.)
keymint_use_window() {
    local s=$1 window size
    window=$(keymint_window Tumblekey 60) || return 1
    size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ {print $2}')
    [ "$size" = "$((308 * s))x$((251 * s))" ] || { echo "Tumblekey is $size, not 308x251 x $s" >&2; return 1; }
    xdotool sleep 0.5 mousemove --window "$window" $((244 * s)) $((120 * s)) click 1 sleep 0.3 \
        mousemove --window "$window" $((92 * s)) $((120 * s)) click --repeat 2 --delay 100 1
    xdotool windowfocus --sync "$(keymint_window "$(keymint_added_title "${2:-en}")" 20)" key Return
    echo "$window"
}

# keymint_check_list <file>: one password of five letters, in one line that ends in CR LF, in a
# list that other users cannot open (under Wine its mode follows its access list).
keymint_check_list() {
    keymint_wait_for 5 test -s "$1" && LC_ALL=C grep -qxE $'[a-z]{5}\r' "$1" && [ "$(stat -c %s "$1")" = 7 ] &&
        [ $((0$(stat -c %a "$1") & 7)) = 0 ] || { echo "not one private line of five letters:"; ls -l "$1"; od -c "$1"; return 1; }
    echo "$1: $(tr -d '\r\n' <"$1"), one line"
}
