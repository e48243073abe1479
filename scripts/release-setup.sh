# The release builds, shared by scripts/release.sh and the reproducibility checks: each starts
# from an empty build folder and makes downloads whose bytes depend on the source alone.
# Sourced, not run; sources the set-ups whose tools the builds take.
for part in setup windows-setup chroot-setup arm64-setup; do
    source "$(dirname "${BASH_SOURCE[0]}")/$part.sh"
done

# keymint_release_time <source>: the time that the packages carry, that of the top entry of
# app/changelog, as Debian's own package builds take it: a clone and a tarball of one commit
# give the same bytes.
keymint_release_time() {
    dpkg-parsechangelog -l "$1/app/changelog" -STimestamp
}

# keymint_release_deb <source> <build folder> <output folder> [CMake option...]
keymint_release_deb() {
    local source=$1 build=$2 output=$3
    local -x SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(keymint_release_time "$source")
    rm -rf "$build"
    cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release \
        -DKEYMINT_BUILD_TESTS=OFF -DKEYMINT_BUILD_BENCHMARKS=OFF "${@:4}" >/dev/null
    cmake --build "$build" --parallel "$(nproc)" >/dev/null
    # CPack gives the package's own members the mode that the umask leaves.
    (umask 022 && cpack -G DEB -B "$build/package" --config "$build/CPackConfig.cmake" >/dev/null)
    mkdir -p "$output"
    mv "$build"/package/keymint_*.deb "$output/"
}

# keymint_release_arm64 <source> <build folder> <output folder>: the arm64 Debian package,
# cross-built in a build system of its own (scripts/arm64-setup.sh).
keymint_release_arm64() {
    keymint_in_arm64_build "$1" "$2" "keymint_release_deb '$1' '$2' '$2/out' \
        -DCMAKE_TOOLCHAIN_FILE='$1/$KEYMINT_ARM64_TOOLCHAIN'"
    mkdir -p "$3" && mv "$2"/out/keymint_*_arm64.deb "$3/"
}

# keymint_release_windows <source> <build folder> <output folder>
keymint_release_windows() {
    local source=$1 build=$2 output=$3
    local -x SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(keymint_release_time "$source")
    rm -rf "$build"
    keymint_configure_windows "$source" "$build" -DKEYMINT_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --target keymint_downloads >/dev/null
    mkdir -p "$output"
    mv "$build"/Keymint-*-win64.{zip,msi} "$output/"
}
