#!/usr/bin/env bash
# Makes the screenshots of the main window in docs/ anew from the build in build/ (bash
# scripts/run.sh or scripts/test.sh builds it): in English, German, Japanese and Arabic, each
# with a password of ten letters and digits, as Keymint draws itself on X11 with Debian's fonts.
# Run it after changing a form or a translation.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
keymint_install_missing xvfb xauth xdotool imagemagick
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$@"
cd "$(mktemp -d)"
for language in en de ja ar; do
    LANG=$language QT_QPA_PLATFORM=xcb "$KEYMINT_BUILD/app/keymint" &
    until window=$(xdotool search --onlyvisible --name '^Tumblekey$'); do sleep 0.2; done
    # In Arabic every control stands at the mirror image of its place.
    at() { [ $language != ar ] && echo "$1" || echo $((308 - $1)); }
    # The slider's track right of its thumb (one page, to 10), "Alphanumeric", Enter for
    # "Generate", and the pointer to the length display, which leaves the hint label blank.
    xdotool sleep 0.5 mousemove --window "$window" "$(at 120)" 153 click 1 sleep 0.2 \
        mousemove --window "$window" "$(at 210)" 158 click 1 key Return \
        mousemove --window "$window" "$(at 176)" 162 sleep 0.5
    import -window "$window" "$KEYMINT_ROOT/docs/main-window$([ $language = en ] || echo "-$language").png"
    kill $! && wait $! || true
done
ls -l "$KEYMINT_ROOT"/docs/main-window*.png
