# Shared by scripts/run and scripts/test: installs what is missing, then builds.
# Sourced, not run; expects BARWRIGHT_ROOT to be set.

barwright_packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-webengine-dev
    libx11-dev libxcb1-dev
    xvfb xauth xdotool x11-utils x11-xserver-utils
    qt6-wayland weston dbus-daemon at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    imagemagick desktop-file-utils
    chromium firefox-esr gir1.2-webkit2-4.1 python3-gi-cairo
)

barwright_install_packages() {
    local missing=()
    local p
    for p in "${barwright_packages[@]}"; do
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

barwright_build() {
    local build_dir="$BARWRIGHT_ROOT/build"
    cmake -S "$BARWRIGHT_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir"
}
