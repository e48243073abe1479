#!/usr/bin/env bash
# A fresh machine as a new user has it: a minimal Debian of the given release (debootstrap's
# minbase, from the Debian archive this machine's apt uses), with an export of this tree put
# into it, no .git and no git. In it the README's run command must bring up Keymint's window
# (on an Xvfb server of this machine, which a chroot reaches through its abstract socket), which
# "Exit" then closes, and the README's test command must pass. On bookworm, with this machine's
# Qt for Windows copied into its cache when there is one, the Windows command must pass too. On
# trixie, a second fresh system then installs the package that this Debian 12 machine builds,
# with apt, and starts it.
# Faults it catches: a program that the scripts or tests call and no install step brings; a
# script that needs .git or git; a check that fails with the other release's tools; a package
# whose dependencies the other release cannot meet.
# The base system, and the packages apt fetches into it, are cached outside the tree in
# ${XDG_CACHE_HOME:-~/.cache}/keymint, as Qt for Windows is. Needs root.
#   fresh-debian.sh bookworm|trixie
set -euo pipefail
release=$1
tree=$(cd "$(dirname "$0")/.." && pwd)
source "$tree/scripts/setup.sh"
source "$tree/scripts/release-setup.sh"
source "$tree/tests/support/desktop.sh"
keymint_install_missing debootstrap xvfb xdotool
cache=${XDG_CACHE_HOME:-$HOME/.cache}/keymint
base=$cache/debian-$release-minbase.tar
work=$(mktemp -d /var/tmp/keymint-fresh.XXXXXX)
export DISPLAY=:$((150 + RANDOM % 50))
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & xvfb=$!
trap 'set +e; kill $xvfb; grep -o " $work/[^ ]*" /proc/mounts | sort -r | xargs -r -n 1 umount -l
      rm -rf --one-file-system "$work"' EXIT

# new_system <folder>: the cached base system there, with apt's downloads kept in the cache.
new_system() {
    mkdir -p "$1" "$cache/debian-$release-archives"
    if [ ! -f "$base" ]; then
        debootstrap --variant=minbase "$release" "$1" "$(apt-get indextargets --format \
            '$(REPO_URI) $(ORIGIN) $(CODENAME)' | awk '$2 == "Debian" && $3 !~ /-/ {print $1; exit}')"
        tar --numeric-owner -C "$1" -cf "$base.part" . && mv "$base.part" "$base"
    fi
    tar --numeric-owner -C "$1" -xf "$base"
    cp /etc/resolv.conf "$1/etc/"
    mount -t proc proc "$1/proc" && mount -t sysfs sys "$1/sys"
    mount --rbind /dev "$1/dev" && mount --make-rslave "$1/dev"
    mount --bind "$cache/debian-$release-archives" "$1/var/cache/apt/archives"
}
inside() {
    chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        DISPLAY="$DISPLAY" "${@:2}"
}
# start_and_exit <command...>: the command must show Keymint's window, and "Exit" end it.
start_and_exit() {
    local window=""
    "$@" &
    shown_or_ended() { window=$(xdotool search --onlyvisible --name '^Tumblekey$') || ! kill -0 $!; }
    keymint_wait_for 1800 shown_or_ended && [ -n "$window" ] || { echo "no window Tumblekey"; return 1; }
    keymint_check_size "$window" 1
    xdotool mousemove --window "$window" 244 228 click 1
    wait $! && echo "\"Exit\" ended it"
}

new_system "$work/root"
mkdir "$work/root/keymint"
keymint_export_source "$tree" | tar -x -C "$work/root/keymint"
echo "== Debian $release, fresh: the README's run command, then its test command"
time start_and_exit inside "$work/root" bash -c 'cd /keymint && bash scripts/run.sh'
time inside "$work/root" env -u DISPLAY bash -c 'cd /keymint && bash scripts/test.sh'

qt_windows=$(source "$tree/scripts/windows-setup.sh" && keymint_qt_windows_prefix)
if [ "$release" = bookworm ] && [ -f "$qt_windows/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    mkdir -p "$work/root/root/.cache/keymint" && cp -a "$qt_windows" "$work/root/root/.cache/keymint/"
    echo "== Debian 12, fresh, with this machine's Qt for Windows: the README's Windows command"
    time inside "$work/root" env -u DISPLAY bash -c 'cd /keymint && bash scripts/windows.sh'
fi
if [ "$release" = trixie ]; then
    keymint_install_missing
    keymint_release_deb "$tree" "$work/host-build" "$work/other"
    new_system "$work/other"
    inside "$work/other" bash -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends ./keymint_1.00_amd64.deb'
    start_and_exit inside "$work/other" keymint
    echo "== the Debian 12 package installs on a fresh Debian $release, and starts"
fi
