#!/usr/bin/env bash
# The README's run command on a fresh minimal Debian (the cached base of tests/fresh-debian.sh),
# for this tree and for an earlier revision of it, one after the other: the packages it
# installs, and its time until Keymint's window has been used (a password made and saved) and
# "Exit" has closed it. apt's downloads are cached beside the base, so after the first run of
# each release the time is installing and building alone. Needs root.
#   bash bench/run-command-time.sh bookworm|trixie <earlier revision>
set -euo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd) release=$1 revision=$2
source "$tree/scripts/release-setup.sh"
source "$tree/tests/support/desktop.sh"
work=$(mktemp -d /var/tmp/keymint-time.XXXXXX)
export DISPLAY=:$((150 + RANDOM % 50))
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & xvfb=$!
trap 'set +e; kill $xvfb; keymint_remove_systems "$work"' EXIT
mkdir "$work/earlier" && git -C "$tree" archive "$revision" | tar -x -C "$work/earlier"

for source in "$work/earlier" "$tree"; do
    root=$work/root-$(basename "$source")
    keymint_new_system "$root" "$release" amd64
    mkdir "$root/keymint" && keymint_export_source "$source" | tar -x -C "$root/keymint"
    before=$(keymint_inside "$root" dpkg-query -W | wc -l) start=$SECONDS
    keymint_inside "$root" bash -c 'cd /keymint && bash scripts/run.sh' >"$root/run.log" 2>&1 &
    keymint_wait_for 1800 eval 'xdotool search --onlyvisible --name "^Tumblekey$" >/dev/null || ! kill -0 $!'
    window=$(keymint_use_window 1) && keymint_check_list "$root/keymint/password.txt" >/dev/null
    xdotool mousemove --window "$window" 244 228 click 1 && wait $!
    echo "$release, $([ "$source" = "$tree" ] && echo "this tree" || echo "$revision"):" \
        "$(($(keymint_inside "$root" dpkg-query -W | wc -l) - before)) packages installed," \
        "run command $((SECONDS - start)) s"
done
