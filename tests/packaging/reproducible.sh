#!/usr/bin/env bash
# Builds a download twice, from two copies of the source in folders of different names and
# depths, one with the files' own times and one with the time of copying, one after the other,
# under different time zones, locales and umasks, and checks that the two are the same bytes.
#   reproducible.sh <source> deb|zip
set -euo pipefail
tree=$1
kind=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$tree/scripts/setup.sh"
[ "$kind" = deb ] || source "$tree/scripts/windows-setup.sh"
source "$tree/scripts/release-setup.sh"
SOURCE_DATE_EPOCH=$(keymint_commit_time "$tree")
export SOURCE_DATE_EPOCH

# copy_source <folder> [tar option]: the files git knows, or would.
copy_source() {
    mkdir -p "$1"
    (cd "$tree" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
        tar -x ${2:+"$2"} -f - -C "$1"
}
list() {
    if [ "$kind" = deb ]; then dpkg-deb --contents "$1"; else zipinfo "$1" | tail -n +3; fi
}

first=$work/k
second=$work/another-checkout/of/keymint
copy_source "$first"
copy_source "$second" --touch
(umask 022 && TZ=UTC LC_ALL=C keymint_release_$kind "$first" "$first/build" "$first/out")
(umask 002 && TZ=Pacific/Chatham LC_ALL=C.UTF-8 keymint_release_$kind "$second" \
    "$second/b" "$second/out")

a=$(ls "$first"/out/*) b=$(ls "$second"/out/*)
if ! cmp "$a" "$b"; then
    diff <(list "$a") <(list "$b") || true
    exit 1
fi
echo "$(basename "$a"), built twice: the same bytes, sha256 $(sha256sum <"$a" | cut -c1-64)"
