# Cross build for 64-bit Windows with Debian's MinGW-w64 (GCC, POSIX threads):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# GCC, not another Windows compiler: the programs' digits rely on its 80-bit long double.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QORIX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QORIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QORIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QORIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QORIX_MINGW_PREFIX})
# The desktop program's Qt and libjpeg, which tools/windows-qt.sh makes and names:
#   -DQORIX_WINDOWS_PREFIX=$(tools/windows-qt.sh --prefix)
if(QORIX_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QORIX_WINDOWS_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH ${QORIX_WINDOWS_PREFIX})
  # moc, rcc and uic: the host's, of the same version (qt6-base-dev)
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The test programs run under Wine, also while the build lists their tests.
find_program(QORIX_WINE NAMES wine64 wine)
if(QORIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QORIX_WINE})
endif()

# The programs carry the compiler's own run-time libraries, so that they start without the
# MinGW-w64 folders on PATH (the desktop build, whose Qt uses the run-time's DLLs, shares
# those instead: cmake/windows-desktop.cmake).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
