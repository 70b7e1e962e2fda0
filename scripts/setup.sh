# Shared by scripts/run and scripts/test: installs what is missing, then builds.
# Sourced, not run; expects BARWRIGHT_ROOT to be set.

# What building and running the program needs.
barwright_run_packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-webengine-dev
    libx11-dev libxcb1-dev
)

# What the tests need beyond that: X and Wayland servers, the browsers, the fuzzer's compiler,
# and the tools that check the installation and the Debian package.
barwright_test_packages=(
    xvfb xauth xdotool x11-utils x11-xserver-utils
    qt6-wayland weston dbus-daemon at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    imagemagick desktop-file-utils shared-mime-info libglib2.0-bin
    chromium firefox-esr gir1.2-webkit2-4.1 python3-gi-cairo
    dpkg-dev lintian appstream man-db
)

# barwright_install_packages PACKAGE...: installs those that are missing.
barwright_install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# barwright_configure FOLDER [CMAKE OPTION...]: configures the build in FOLDER.
barwright_configure() {
    cmake -S "$BARWRIGHT_ROOT" -B "$BARWRIGHT_ROOT/$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}" >/dev/null
}

# What the Windows build needs: the MinGW-w64 compiler, Wine to run its tests and programs
# (under a private Xvfb where they need a display), and NSIS for the installer. Debian's Qt
# gives the Windows build its moc, rcc and uic; Qt for Windows itself comes from
# scripts/windows-qt.
barwright_windows_packages=(
    cmake ninja-build qt6-base-dev xz-utils
    g++-mingw-w64-x86-64-posix wine wine64 nsis
    xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
)
