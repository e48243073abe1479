# Shared set-up for Keymint for arm64 Debian: a Debian 12 build system for amd64 in a folder,
# with Debian's cross toolchain and arm64 Qt in it. The foreign architecture is added there,
# never to this machine's own dpkg. Sourced, not run; needs scripts/setup.sh and
# scripts/chroot-setup.sh sourced first, and root.

KEYMINT_ARM64_TOOLCHAIN=cmake/aarch64-linux-gnu.cmake
# What this machine itself needs: qemu to run arm64 programs, and a disassembler that reads them.
KEYMINT_ARM64_PACKAGES=(debootstrap qemu-user-static binfmt-support binutils-aarch64-linux-gnu)
KEYMINT_ARM64_BUILD_PACKAGES=(
    crossbuild-essential-arm64 cmake make dpkg-dev file   # the cross compiler and the package
    qt6-base-dev qt6-base-dev-tools     # the build machine's Qt, whose moc and uic run
    qt6-base-dev:arm64 libgl-dev:arm64  # and the arm64 Qt that Keymint is built against
    qt6-l10n-tools qt6-translations-l10n  # lrelease, and Qt's own texts for the tests
    fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk  # the fonts the tests measure texts in
)

# keymint_arm64_build_system <folder>: the build system there, from the cache once it is made.
keymint_arm64_build_system() {
    # Named after what it holds, so that a change of the list never takes an older system.
    local root=$1 cache
    cache=$KEYMINT_CACHE/debian-bookworm-arm64-cross-$(echo "${KEYMINT_ARM64_BUILD_PACKAGES[*]}" |
        md5sum | cut -c 1-8).tar
    keymint_new_system "$root" bookworm
    keymint_enable_qemu # the test programs run in it
    if [ -f "$cache" ]; then
        keymint_unpack_system "$cache" "$root"
        return
    fi
    keymint_inside "$root" bash -c "dpkg --add-architecture arm64 && apt-get update -q &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        ${KEYMINT_ARM64_BUILD_PACKAGES[*]}" >&2
    tar --numeric-owner -C "$root" --exclude=./proc --exclude=./sys --exclude=./dev \
        --exclude=./var/cache/apt/archives -cf "$cache.part" . && mv "$cache.part" "$cache"
}

# keymint_in_arm64_build <source> <build folder> <script>: the script run by bash in a new build
# system, in an export of the source at the same path, with the arm64 target's dpkg variables
# and this shell's time zone and locale; the build folder copied back out.
keymint_in_arm64_build() {
    local source=$1 build=$2 root
    root=$(mktemp -d /var/tmp/keymint-arm64.XXXXXX)
    (
        trap 'keymint_remove_systems "$root"' EXIT
        keymint_arm64_build_system "$root/system"
        mkdir -p "$root/system$source" "$root/system$build"
        keymint_export_source "$source" | tar -x -C "$root/system$source"
        keymint_inside "$root/system" env ${TZ:+TZ="$TZ"} ${LC_ALL:+LC_ALL="$LC_ALL"} \
            bash -c "cd '$source' && source scripts/setup.sh &&
                source scripts/release-setup.sh && eval \"\$(dpkg-architecture -a arm64 -s)\" && $3"
        rm -rf "$build" && mkdir -p "$(dirname "$build")"
        cp -a "$root/system$build" "$build"
    )
}
