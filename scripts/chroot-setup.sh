# Fresh Debian systems in folders, for the arm64 build and for the checks on a fresh machine:
# the base system of each release and architecture made once with debootstrap's minbase (from
# the Debian archive this machine's apt uses) and cached outside the tree, as Qt for Windows
# is, with the packages apt fetches into them. An arm64 system runs here under qemu, through
# binfmt_misc. Sourced, not run; needs scripts/setup.sh sourced first, and root.

KEYMINT_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/keymint

# keymint_export_source <tree>: a tar of the source, as a tarball of it holds it (no .git, no
# build folders, no releases), on standard output.
keymint_export_source() {
    tar -C "$1" --exclude=./.git --exclude='./build*' --exclude=./release --exclude=./.cache \
        --exclude=./password.txt -cf - .
}

# keymint_enable_qemu: arm64 programs then run on this amd64 machine as if they were native.
keymint_enable_qemu() {
    keymint_install_missing qemu-user-static binfmt-support
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    [ -e /proc/sys/fs/binfmt_misc/qemu-aarch64 ] || update-binfmts --enable qemu-aarch64
}

keymint_debian_mirror() {
    apt-get indextargets --format '$(REPO_URI) $(ORIGIN) $(CODENAME)' |
        awk '$2 == "Debian" && $3 !~ /-/ {print $1; exit}'
}

# keymint_cached_base <release> <architecture>: the path of the cached base system's tar,
# made on first use.
keymint_cached_base() {
    local release=$1 arch=$2 name root
    name=debian-$release$([ "$arch" = amd64 ] || echo "-$arch")-minbase
    if [ ! -f "$KEYMINT_CACHE/$name.tar" ]; then
        keymint_install_missing debootstrap >&2 # what this prints is the path alone
        root=$(mktemp -d /var/tmp/keymint-base.XXXXXX) && mkdir -p "$KEYMINT_CACHE"
        chmod 0755 "$root" # mktemp's 0700 would become the new system's /
        if [ "$arch" = amd64 ]; then
            debootstrap --variant=minbase "$release" "$root" "$(keymint_debian_mirror)" >&2
        else # the second stage runs the new system's own programs, under qemu
            keymint_enable_qemu >&2
            debootstrap --arch="$arch" --foreign --variant=minbase "$release" "$root" \
                "$(keymint_debian_mirror)" >&2
            chroot "$root" /debootstrap/debootstrap --second-stage >&2
        fi
        tar --numeric-owner -C "$root" -cf "$KEYMINT_CACHE/$name.part" . &&
            mv "$KEYMINT_CACHE/$name.part" "$KEYMINT_CACHE/$name.tar" && rm -rf "$root"
    fi
    echo "$KEYMINT_CACHE/$name.tar"
}

# keymint_unpack_system <tar> <folder>: a system's files unpacked there, its / then open to
# every user as an installed Debian's is, even from a base cached with a private /.
keymint_unpack_system() {
    tar --numeric-owner -C "$2" -xf "$1"
    chown 0:0 "$2" && chmod 0755 "$2"
}

# keymint_new_system <folder> <release> [architecture]: a fresh system there, from the cached
# base, with /proc, /sys and /dev mounted and apt's downloads kept in the cache. The caller
# unmounts them (keymint_remove_systems).
keymint_new_system() {
    local root=$1 release=$2 arch=${3:-amd64} base archives
    base=$(keymint_cached_base "$release" "$arch")
    archives=${base%-minbase.tar}-archives
    [ "$arch" = amd64 ] || keymint_enable_qemu
    mkdir -p "$root" "$archives"
    keymint_unpack_system "$base" "$root"
    cp /etc/resolv.conf "$root/etc/"
    mount -t proc proc "$root/proc" && mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
    mount --bind "$archives" "$root/var/cache/apt/archives"
}

# keymint_remove_systems <folder>: every system made under that folder, unmounted and removed.
keymint_remove_systems() {
    grep -o " $1/[^ ]*" /proc/mounts | sort -r | xargs -r -n 1 umount -l
    rm -rf --one-file-system "$1"
}

# keymint_inside <system> <command...>: the command run in that system, with a clean
# environment (and this one's X display, if any).
keymint_inside() {
    chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        ${DISPLAY:+DISPLAY="$DISPLAY"} "${@:2}"
}
