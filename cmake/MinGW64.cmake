# Cross-building for 64-bit Windows with Debian's MinGW-w64 compiler, against the Qt for
# Windows that scripts/windows-qt prepares. moc, rcc and uic come from Debian's own Qt of the
# same version. Tests and build steps that run a Windows program run it through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT BARWRIGHT_QT_WINDOWS)
    set(BARWRIGHT_QT_WINDOWS "$ENV{BARWRIGHT_QT_WINDOWS}")
endif()
if(NOT BARWRIGHT_QT_WINDOWS)
    # Where scripts/windows-qt unpacks it by default.
    if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(BARWRIGHT_QT_WINDOWS "$ENV{XDG_CACHE_HOME}/barwright/qt6-mingw")
    else()
        set(BARWRIGHT_QT_WINDOWS "$ENV{HOME}/.cache/barwright/qt6-mingw")
    endif()
endif()
if(NOT EXISTS "${BARWRIGHT_QT_WINDOWS}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "The Windows build needs Qt for Windows, and there is none in "
        "\"${BARWRIGHT_QT_WINDOWS}\". Run scripts/windows-qt, which unpacks "
        "../shared/toolchains/qt6.4.2-mingw64.tar.xz or builds Qt from Debian's source, "
        "and set BARWRIGHT_QT_WINDOWS to the folder it prints.")
endif()
set(BARWRIGHT_QT_WINDOWS "${BARWRIGHT_QT_WINDOWS}" CACHE PATH "Qt for Windows (its qt6-mingw folder)")

set(CMAKE_FIND_ROOT_PATH "${BARWRIGHT_QT_WINDOWS}" /usr/x86_64-w64-mingw32)
set(CMAKE_PREFIX_PATH "${BARWRIGHT_QT_WINDOWS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
