# The release builds, shared by scripts/release.sh and the reproducibility checks: each starts
# from an empty build folder and makes a download whose bytes depend on the source alone.
# The caller exports SOURCE_DATE_EPOCH, the time that the packages carry.
# Sourced, not run; needs scripts/setup.sh sourced first (and scripts/windows-setup.sh for
# the zip).

# keymint_commit_time <source>: the time of the source's last commit, in seconds.
keymint_commit_time() {
    git -C "$1" log -1 --format=%ct
}

# keymint_release_deb <source> <build folder> <output folder>
keymint_release_deb() {
    local source=$1 build=$2 output=$3
    rm -rf "$build"
    cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release \
        -DKEYMINT_BUILD_TESTS=OFF -DKEYMINT_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "$build" --parallel "$(nproc)" >/dev/null
    # CPack gives the package's own members the mode that the umask leaves.
    (umask 022 && cpack -G DEB -B "$build/package" --config "$build/CPackConfig.cmake" >/dev/null)
    mkdir -p "$output"
    mv "$build"/package/keymint_*.deb "$output/"
}

# keymint_release_zip <source> <build folder> <output folder>
keymint_release_zip() {
    local source=$1 build=$2 output=$3
    rm -rf "$build"
    keymint_configure_windows "$source" "$build" -DKEYMINT_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --target keymint_zip >/dev/null
    mkdir -p "$output"
    mv "$build"/Keymint-*-win64.zip "$output/"
}
