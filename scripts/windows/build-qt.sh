#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, Test) for 64-bit Windows with Debian 12's MinGW-w64
# compiler, from Debian's own qt6-base source package, and packs it as qt6.4.2-mingw64.tar.xz.
# The host tools (moc, rcc, uic) come from Debian's qt6-base-dev, which has the same version.
# Tablet events are off: Debian leaves out the wintab header that they need.
# Takes about an hour on two cores. Usage: build-qt.sh [WORK_FOLDER]; scripts/windows-qt runs it.
set -euo pipefail
work=${1:-$PWD/qt-windows}
prefix=$work/qt6-mingw
mkdir -p "$work"
cd "$work"

export DEBIAN_FRONTEND=noninteractive
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y cmake ninja-build qt6-base-dev g++-mingw-w64-x86-64-posix xz-utils >/dev/null

# The source package needs a deb-src entry.
if ! apt-get source --download-only qt6-base >/dev/null 2>&1; then
    "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    "${sudo[@]}" apt-get update >/dev/null
    apt-get source --download-only qt6-base >/dev/null
fi
[ -d qtbase-everywhere-src-6.4.2 ] || tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
# Qt 6.4.2's Windows platform plugin does not build with OpenGL off unless this test knows it.
sed -i '/static inline bool isSoftwareGl()/,/^}/ s/#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    qtbase-everywhere-src-6.4.2/src/plugins/platforms/windows/qwindowswindow.cpp

cat >mingw.cmake <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

cmake -S qtbase-everywhere-src-6.4.2 -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_tabletevent=OFF
cmake --build build --parallel "$(nproc)"
cmake --install build
# Qt's DLLs need the MinGW runtime beside them; the documentation folder is empty.
cp /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll \
   /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$prefix/bin/"
rm -rf "$prefix/doc"
tar -C "$work" -cJf "$work/qt6.4.2-mingw64.tar.xz" qt6-mingw
echo "$work/qt6.4.2-mingw64.tar.xz"
