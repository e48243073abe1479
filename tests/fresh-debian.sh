#!/usr/bin/env bash
# A fresh machine as a new user has it: a minimal Debian of the given release and architecture
# (debootstrap's minbase, from the Debian archive this machine's apt uses; arm64 under qemu),
# with an export of this tree put into it, no .git and no git. In it the README's run command
# must bring up Keymint's window (on an Xvfb server of this machine, which a chroot reaches
# through its abstract socket), and the README's test command must pass. On bookworm for amd64,
# with this machine's Qt for Windows copied into its cache when there is one, the Windows
# command must pass too. On trixie, and for arm64, a second fresh system then installs with apt
# the package that this Debian 12 machine builds for it (package-only: that part alone).
# Each start of Keymint is used as a user would: "Generate" makes a password, a double-click
# saves it as a line to password.txt in the folder it was started in, "Exit" ends it.
# Faults it catches: a fresh system whose / only root may enter; a program that the scripts or
# tests call and no install step brings; a script that needs .git or git; a check that fails
# with the other release's or architecture's tools; a package whose dependencies the other
# release cannot meet, or that does not run.
# The base systems, and the packages apt fetches into them, are cached outside the tree in
# ${XDG_CACHE_HOME:-~/.cache}/keymint, as Qt for Windows is. Needs root.
#   fresh-debian.sh bookworm|trixie [amd64|arm64] [package-only]
set -euo pipefail
release=$1 arch=${2:-amd64} only_package=${3:-}
tree=$(cd "$(dirname "$0")/.." && pwd)
source "$tree/scripts/release-setup.sh"
source "$tree/tests/support/desktop.sh"
keymint_install_missing xvfb xdotool
work=$(mktemp -d /var/tmp/keymint-fresh.XXXXXX)
export DISPLAY=:$((150 + RANDOM % 50))
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & xvfb=$!
trap 'set +e; kill $xvfb; keymint_remove_systems "$work"' EXIT

# start_and_exit <password.txt> <command...>: the command (which may build Keymint first) must
# show Keymint's window, used as the Windows checks use it, saving to that list; then "Exit"
# must end it.
start_and_exit() {
    local window list=$1 && shift
    "$@" &
    shown_or_ended() { xdotool search --onlyvisible --name '^Tumblekey$' >/dev/null || ! kill -0 $!; }
    keymint_wait_for 1800 shown_or_ended && window=$(keymint_use_window 1) || return 1
    keymint_check_list "$list"
    xdotool mousemove --window "$window" 244 228 click 1
    wait $! && echo "\"Exit\" ended it"
}

if [ -z "$only_package" ]; then
    keymint_new_system "$work/root" "$release" "$arch"
    mkdir "$work/root/keymint"
    keymint_export_source "$tree" | tar -x -C "$work/root/keymint"
    echo "== Debian $release for $arch, fresh: the README's run command, then its test command"
    time start_and_exit "$work/root/keymint/password.txt" \
        keymint_inside "$work/root" bash -c 'cd /keymint && bash scripts/run.sh'
    # Its Wayland check runs the compositor as a user of its own: a / closed to other users fails it.
    time keymint_inside "$work/root" env -u DISPLAY bash -c 'cd /keymint && bash scripts/test.sh'

    if [ "$release-$arch" = bookworm-amd64 ] && keymint_qt_windows_cached; then
        cache=$work/root/root/.cache/keymint && mkdir -p "$cache" && cp -a "$(keymint_qt_windows_prefix)" "$cache/"
        echo "== Debian 12, fresh, with this machine's Qt for Windows: the README's Windows command"
        time keymint_inside "$work/root" env -u DISPLAY bash -c 'cd /keymint && bash scripts/windows.sh'
    fi
fi
if [ "$release" = trixie ] || [ "$arch" = arm64 ]; then
    keymint_install_missing
    keymint_release_$([ "$arch" = arm64 ] && echo arm64 || echo deb) "$tree" "$work/host-build" \
        "$work/other"
    keymint_new_system "$work/other" "$release" "$arch"
    keymint_inside "$work/other" bash -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends ./keymint_1.00_'"$arch"'.deb'
    start_and_exit "$work/other/password.txt" keymint_inside "$work/other" keymint
    echo "== the Debian 12 package for $arch installs on a fresh Debian $release, and starts"
fi
