# Shared set-up for scripts/run.sh and scripts/test.sh: installs what is missing from
# Debian 12's packages, then configures and builds Keymint in ./build.
# Sourced, not run.

KEYMINT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KEYMINT_BUILD="$KEYMINT_ROOT/build"
KEYMINT_SANITIZE_BUILD="$KEYMINT_ROOT/build-sanitize"

# What building and running Keymint needs on a bare Debian 12 or 13 (scripts/run.sh).
KEYMINT_RUN_PACKAGES=(
    g++ make cmake                      # compiler and build
    qt6-base-dev qt6-base-dev-tools     # Qt 6 Widgets, moc and uic
    qt6-l10n-tools                      # lrelease, for the translations built into the program
    libgl-dev                           # Qt's CMake package looks for OpenGL
    fonts-liberation2 fonts-dejavu-core # Liberation Sans stands in for Arial, DejaVu for its Arabic
    qt6-wayland qt6-translations-l10n   # as the package recommends: native on Wayland; Qt's texts
)
# What testing and benchmarking add (scripts/test.sh).
KEYMINT_TEST_PACKAGES=(
    fonts-noto-core fonts-noto-cjk      # every language's texts measured in the fonts that draw them
    xvfb xauth xdotool xclip x11-xserver-utils imagemagick  # the smoke test on a real X server
    sway wtype grim wl-clipboard jq     # and on a real Wayland compositor
    libbenchmark-dev pwgen              # the benchmarks and their baseline
    clang-format clang-tidy             # formatting and static analysis
    desktop-file-utils appstream        # desktop entry and metainfo checks
    dpkg-dev file lintian devscripts    # the Debian package's dependencies and checks
)
# A clipboard manager that honours the mark, for the check that it keeps no password: CopyQ
# does since 7.1, which Debian 13 has (Debian 12's is older).
[ "$(. /etc/os-release && echo "${VERSION_ID:-99}" | cut -d. -f1)" -lt 13 ] || KEYMINT_TEST_PACKAGES+=(copyq)
KEYMINT_PACKAGES=("${KEYMINT_RUN_PACKAGES[@]}" "${KEYMINT_TEST_PACKAGES[@]}")

keymint_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this as root or install sudo." >&2
        return 1
    fi
}

# keymint_install_missing [package...]: the given packages, or all of KEYMINT_PACKAGES.
keymint_install_missing() {
    local missing=() package
    [ $# -gt 0 ] || set -- "${KEYMINT_PACKAGES[@]}"
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    keymint_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    keymint_as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# keymint_emulated: true in an arm64 system that qemu runs on another kind of machine, where
# programs read the host's /proc/cpuinfo, which lacks the "CPU implementer" of every arm64 one.
keymint_emulated() {
    [ "$(uname -m)" = aarch64 ] && ! grep -q "CPU implementer" /proc/cpuinfo
}

# keymint_build [cmake option...]: the release build in ./build.
keymint_build() {
    local scale=1
    ! keymint_emulated || scale=10 # under qemu everything takes many times longer
    cmake -S "$KEYMINT_ROOT" -B "$KEYMINT_BUILD" -DCMAKE_BUILD_TYPE=Release \
        -DKEYMINT_TIME_SCALE=$scale "$@"
    cmake --build "$KEYMINT_BUILD" --parallel "$(nproc)"
}

# A second build with AddressSanitizer and UndefinedBehaviorSanitizer, for the tests only.
keymint_build_sanitized() {
    cmake -S "$KEYMINT_ROOT" -B "$KEYMINT_SANITIZE_BUILD" -DCMAKE_BUILD_TYPE=Debug \
        -DKEYMINT_SANITIZE=ON -DKEYMINT_BUILD_BENCHMARKS=OFF
    cmake --build "$KEYMINT_SANITIZE_BUILD" --parallel "$(nproc)"
}
