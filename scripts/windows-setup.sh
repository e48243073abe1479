# Shared set-up for the Windows build: installs the cross tools from Debian 12's packages and
# builds Qt for Windows once, from Debian's own qt6-base source, into a cache outside the tree.
# Sourced, not run; needs scripts/setup.sh sourced first.

KEYMINT_WINDOWS_CACHE="${KEYMINT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/keymint}"
KEYMINT_WINDOWS_BUILD="$KEYMINT_ROOT/build-windows"
KEYMINT_MINGW_TOOLCHAIN="$KEYMINT_ROOT/cmake/mingw-w64-x86_64.cmake"

KEYMINT_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix          # the cross compiler, posix threads as Qt 6 needs
    wine wine64                         # runs the tests and the program
    xvfb xauth xdotool imagemagick      # a real X server for Wine, a hand on its mouse, an eye,
    xclip                               # and the clipboard that Wine shares with X
    icoutils xxd                        # read the icon and version back out of Keymint.exe
    dpkg-dev                            # apt-get source unpacks with dpkg-source
    ninja-build zip unzip git
    wixl msitools python3-olefile       # the installer: make it, read its tables, set its codes,
    liblnk-utils                        # and read its shortcut
    locales                             # a German locale, for Keymint.exe in German under Wine
)

# keymint_need_debian_12 <what>: Keymint.exe and the release are pinned to Debian 12's cross
# compiler, Qt source and packaging tools, which make their bytes; elsewhere stop before
# installing anything.
keymint_need_debian_12() {
    if [ "$(. /etc/os-release && echo "$ID $VERSION_ID")" != "debian 12" ]; then
        echo "$1 is built on Debian 12 only: its bytes come from Debian 12's MinGW-w64, Qt" \
             "source and packaging tools, and a release must be rebuilt to the same bytes." >&2
        exit 1
    fi
}

# The Qt for Windows that this tree's Linux Qt pairs with: the same source version.
keymint_qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev
}

# The recipe's number goes up whenever the way Qt is built changes, so that an older cache is
# never taken for the new one.
KEYMINT_QT_WINDOWS_RECIPE=3

keymint_qt_windows_prefix() {
    echo "$KEYMINT_WINDOWS_CACHE/qt6-win64-$(keymint_qt_source_version)-r$KEYMINT_QT_WINDOWS_RECIPE"
}

# keymint_qt_windows_cached: whether that Qt is built and in place.
keymint_qt_windows_cached() {
    [ -f "$(keymint_qt_windows_prefix)/lib/cmake/Qt6/Qt6Config.cmake" ]
}

keymint_install_windows_missing() {
    keymint_install_missing "${KEYMINT_WINDOWS_PACKAGES[@]}"
    # Wine takes the user's language from LANG only where that locale is made on the machine.
    if ! locale -a | grep -qx de_DE.utf8; then
        keymint_as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        keymint_as_root locale-gen >/dev/null
    fi
}

# A private apt configuration with deb-src entries for the Debian archives this machine's apt
# already uses, so that apt-get source works without touching the system's sources.
keymint_write_source_list() {
    local apt_dir=$1 codename
    mkdir -p "$apt_dir/lists/partial"
    : >"$apt_dir/sources.list"
    apt-get indextargets --format '$(REPO_URI) $(CODENAME) $(COMPONENT) $(ORIGIN)' \
        'Created-By: Packages' | sort -u |
        while read -r uri codename component origin; do
            [ "$origin" = Debian ] || continue
            echo "deb-src $uri $codename $component" >>"$apt_dir/sources.list"
        done
    if [ ! -s "$apt_dir/sources.list" ]; then
        echo "No Debian archive found in this machine's apt sources." >&2
        return 1
    fi
}

keymint_fetch_qt_source() {
    local work=$1 version apt_dir
    version=$(keymint_qt_source_version)
    apt_dir="$work/apt"
    keymint_write_source_list "$apt_dir"
    local apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
        -o "Dir::Etc::SourceParts=-" -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
    apt-get "${apt_options[@]}" update -q
    (cd "$work" && apt-get "${apt_options[@]}" source -q "qt6-base=$version")
}

# Only what Keymint uses: Core, Gui, Widgets and Test, statically, with the windows and
# offscreen platforms and the Windows styles.
# Reproducible: the work folder's path is cut out of file names, the time in Qt's resources is
# that of its Debian changelog, and the prefix that Qt records in itself is a fixed name rather
# than the cache's path (a static Keymint.exe never loads anything from there); Qt is installed
# into the cache as into a staging folder.
KEYMINT_QT_WINDOWS_RECORDED_PREFIX=/opt/keymint/qt6-win64
keymint_configure_qt() {
    local source=$1 build=$2 prefix=$3 work
    work=$(dirname "$source")
    cmake -S "$source" -B "$build" -G Ninja \
        -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=." -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work=." \
        -DCMAKE_INSTALL_PREFIX="$KEYMINT_QT_WINDOWS_RECORDED_PREFIX" -DCMAKE_STAGING_PREFIX="$prefix" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF \
        -DFEATURE_static_runtime=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_sessionmanager=OFF
}

# Keymint.exe carries Qt and the libraries Qt bundles: their licence texts go with it.
keymint_keep_qt_licences() {
    local source=$1 target=$2 file
    mkdir -p "$target/3rdparty"
    cp "$source"/LICENSES/LGPL-3.0-only.txt "$source"/LICENSES/GPL-3.0-only.txt "$target/"
    for file in $(cd "$source/src/3rdparty" && find . -maxdepth 2 -iname 'LICENSE*' -o \
                    -maxdepth 2 -iname 'COPYING*' -o -maxdepth 2 -name 'qt_attribution.json'); do
        mkdir -p "$target/3rdparty/$(dirname "$file")"
        cp "$source/src/3rdparty/$file" "$target/3rdparty/$file"
    done
}

keymint_build_qt_windows() {
    local prefix work start source
    prefix=$(keymint_qt_windows_prefix)
    if keymint_qt_windows_cached; then
        echo "Qt for Windows: cached in $prefix"
        return 0
    fi
    start=$(date +%s)
    work="$KEYMINT_WINDOWS_CACHE/work"
    rm -rf "$work" "$prefix"
    mkdir -p "$work" "$prefix"
    # Qt keeps the path of its toolchain file; a copy in the cache outlives any checkout.
    cp "$KEYMINT_MINGW_TOOLCHAIN" "$prefix/"
    keymint_fetch_qt_source "$work"
    source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    local -x SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/debian/changelog" -STimestamp)
    keymint_configure_qt "$source" "$work/build" "$prefix"
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build"
    keymint_keep_qt_licences "$source" "$prefix/licences"
    rm -rf "$work"
    echo "Qt for Windows: built in $(($(date +%s) - start)) s, cached in $prefix"
}

# keymint_configure_windows <source> <build folder> [cmake options...]
keymint_configure_windows() {
    local source=$1 build=$2 qt
    shift 2
    qt=$(keymint_qt_windows_prefix)
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" -DCMAKE_FIND_ROOT_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DKEYMINT_QT_LICENCES="$qt/licences" -DKEYMINT_BUILD_BENCHMARKS=OFF "$@"
}

# Keymint.exe and its tests, from the same CMakeLists as on Linux.
keymint_build_windows() {
    keymint_configure_windows "$KEYMINT_ROOT" "$KEYMINT_WINDOWS_BUILD"
    cmake --build "$KEYMINT_WINDOWS_BUILD" --parallel "$(nproc)"
}

# A Wine prefix of the build's own, made once, and the whole suite on one X server.
keymint_test_windows() {
    export WINEPREFIX="$KEYMINT_WINDOWS_BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1
        # Wine's desktop process started here knows no X server; the tests start a new one.
        wineserver --kill
    fi
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        ctest --test-dir "$KEYMINT_WINDOWS_BUILD" --output-on-failure --timeout 300
}

keymint_package_windows() {
    cmake --build "$KEYMINT_WINDOWS_BUILD" --target keymint_downloads >/dev/null
    ls -l "$KEYMINT_WINDOWS_BUILD"/Keymint-*-win64.{zip,msi}
}
