#!/usr/bin/env bash
# Makes what the desktop program needs to build for 64-bit Windows: Qt (qtbase) and libjpeg,
# both from Debian's own source, cross-compiled with Debian's MinGW-w64 g++ (POSIX threads) and
# installed into one cache folder outside the checkout. The folder's name carries Qt's version
# and a hash of everything that shapes the build, so a machine that already holds it does
# nothing, and a change of options builds afresh beside it.
#   tools/windows-qt.sh            build if needed, then print the folder as its last line
#   tools/windows-qt.sh --prefix   print the folder only (nothing is built)
# QORIX_WINDOWS_CACHE (default ~/.cache/qorix-windows) holds the folders and the work area.
# QORIX_WINDOWS_QT_OPT (default 0) is the compiler's -O level for Qt: 0 builds in about 60 %
# of the CPU time of -O2, which keeps a cold CI run within its limits; 2 is for a release.
set -euo pipefail

cache=${QORIX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/qorix-windows}
opt=${QORIX_WINDOWS_QT_OPT:-0}
jobs=${QORIX_WINDOWS_JOBS:-$(nproc)}
mingw=x86_64-w64-mingw32
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

say() { echo "== windows-qt $(date -u +%H:%M:%S): $*" >&2; }

# Qt's host tools (moc, rcc, uic) come from qt6-base-dev, and a cross-built Qt must be the very
# version they are: take the source of the installed package.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
jpeg_version=$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo-dev)
upstream=${qt_version%%+*}

# A toolchain of the Qt build's own, so that a change to the project's toolchain file does not
# make Qt build again.
toolchain="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $mingw-gcc-posix)
set(CMAKE_CXX_COMPILER $mingw-g++-posix)
set(CMAKE_RC_COMPILER $mingw-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$mingw)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
"
flags="-O$opt -DNDEBUG"

# Shared libraries (the program and Qt then share one C++ run-time, libstdc++-6.dll); only
# Core, Gui, Widgets, Test, the windows and offscreen platform plugins and the Windows styles.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    # Qt would put its own -O2 in place of the flags below.
    -DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON
    "-DCMAKE_C_FLAGS_RELEASE=$flags" "-DCMAKE_CXX_FLAGS_RELEASE=$flags"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_vulkan=OFF
    # With OpenGL off Qt still chooses "dynamicgl", which the windows plugin does not build
    # without OpenGL: the input says no OpenGL at all.
    -DFEATURE_opengl=OFF -DINPUT_opengl=no
    # The windows plugin's DirectWrite font database needs Direct2D in Gui; GDI draws text.
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
    # Debian's source lacks the Wintab headers that tablet events need.
    -DFEATURE_tabletevent=OFF
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF -DFEATURE_fontconfig=OFF
    # The program reads JPEG with libjpeg itself (below); GIF it does not read.
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    # Qt's own copies of these: MinGW-w64 offers none of them. The offscreen plugin (the
    # tests) draws text with FreeType.
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_doubleconversion=OFF
)
# libjpeg-turbo as a static library for the libjpeg 6.2 interface the program uses; without
# its SIMD parts, which would need the nasm assembler and a large test of their own.
jpeg_options=(
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF
    -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -DCMAKE_INSTALL_LIBDIR=lib
)

# No change to Qt's source is needed: every obstacle above is met by an option.
patch_qt() { :; }

compiler=$($mingw-g++-posix -dumpfullversion)
fingerprint=$(printf '%s\n' "$qt_version" "$jpeg_version" "$compiler" "$toolchain" \
    "${qt_options[@]}" "${jpeg_options[@]}" "$(declare -f patch_qt)" |
    sha256sum | cut -c1-12)
prefix="$cache/qt-$upstream-$fingerprint"
stamp="$prefix/.complete"

if [ "${1:-}" = "--prefix" ]; then
    echo "$prefix"
    exit 0
fi
if [ -f "$stamp" ]; then
    say "already complete: $prefix"
    echo "$prefix"
    exit 0
fi

work="$cache/work-$fingerprint"
started=$SECONDS
# Whatever stops the build, the folder left behind has no stamp and is taken away.
trap 'status=$?; if [ $status -ne 0 ]; then say "failed after $((SECONDS - started)) s"; rm -rf "$prefix"; fi' EXIT
rm -rf "$prefix"
mkdir -p "$work" "$prefix"
printf '%s' "$toolchain" >"$work/toolchain.cmake"

# apt-get source needs a deb-src line for Debian's main archive.
add_deb_src() {
    if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return
    fi
    say "adding Debian's source archive to apt's sources"
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        $SUDO tee /etc/apt/sources.list.d/qorix-deb-src.sources >/dev/null
    $SUDO apt-get update -qq
}

# Unpacks a source package (with Debian's patches applied) once per work area.
fetch() { # package version folder-variable
    local dir
    dir=$(find "$work" -maxdepth 1 -type d -name "$1-*" | head -n1)
    if [ -z "$dir" ]; then
        add_deb_src
        say "fetching the source of $1 $2"
        (cd "$work" && apt-get source -qq "$1=$2" >/dev/null)
        dir=$(find "$work" -maxdepth 1 -type d -name "$1-*" | head -n1)
    fi
    printf -v "$3" '%s' "$dir"
}

build() { # source build-folder options...
    local src=$1 dir=$2
    shift 2
    # a build that stopped half way goes on where it stopped; configured in the install
    # folder, because libjpeg-turbo makes its relative library folder absolute against the
    # working folder
    (cd "$prefix" && cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@") >"$dir.configure.log" 2>&1 ||
        { tail -n 40 "$dir.configure.log" >&2; return 1; }
    # ninja's own progress, one line in 50 so that the log stays readable
    NINJA_STATUS='[%f/%t %es] ' cmake --build "$dir" -j "$jobs" | awk 'NR % 50 == 1 || /FAILED|error/ { print; fflush() }'
    test "${PIPESTATUS[0]}" -eq 0
    cmake --install "$dir" >/dev/null
}

fetch libjpeg-turbo "$jpeg_version" jpeg_src
say "building libjpeg-turbo"
build "$jpeg_src" "$work/build-jpeg" "${jpeg_options[@]}"

fetch qt6-base "$qt_version" qt_src
patch_qt "$qt_src"
say "configuring and building Qt $upstream with -O$opt on $jobs jobs (about 45 CPU-minutes)"
build "$qt_src" "$work/build-qt" "${qt_options[@]}"

rm -rf "$work/build-qt" "$work/build-jpeg"
printf '%s\n' "$qt_version" "$jpeg_version" "$compiler" "${qt_options[@]}" >"$stamp"
say "done in $((SECONDS - started)) s: $prefix"
echo "$prefix"
