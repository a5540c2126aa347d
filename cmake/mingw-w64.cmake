# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-builds Unitavo for 64-bit Windows with Debian's MinGW-w64 (posix threads) against the Qt
# that scripts/windows-qt installs. Qt's own toolchain file there sets the target platform, the
# compilers and where Qt's packages are; the host's Qt tools (moc, rcc, uic) are Debian's.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DUNITAVO_WINDOWS_QT=<Qt prefix> ...
# The Qt prefix may also come from the environment variable of the same name.

set(unitavo_source_dir "${CMAKE_CURRENT_LIST_DIR}/..")

# try_compile projects see only the variables listed here, and the environment.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES UNITAVO_WINDOWS_QT)
if(NOT UNITAVO_WINDOWS_QT AND DEFINED ENV{UNITAVO_WINDOWS_QT})
    set(UNITAVO_WINDOWS_QT "$ENV{UNITAVO_WINDOWS_QT}")
endif()
if(NOT UNITAVO_WINDOWS_QT)
    set(UNITAVO_WINDOWS_QT "$ENV{HOME}/.cache/unitavo/qt-6.4.2-mingw64")
    if(DEFINED ENV{XDG_CACHE_HOME})
        set(UNITAVO_WINDOWS_QT "$ENV{XDG_CACHE_HOME}/unitavo/qt-6.4.2-mingw64")
    endif()
endif()
set(UNITAVO_WINDOWS_QT "${UNITAVO_WINDOWS_QT}" CACHE PATH "Qt for Windows, from scripts/windows-qt")
set(ENV{UNITAVO_WINDOWS_QT} "${UNITAVO_WINDOWS_QT}")

set(qt_toolchain "${UNITAVO_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${qt_toolchain}")
    message(FATAL_ERROR "No Qt for Windows in ${UNITAVO_WINDOWS_QT}: run scripts/windows-qt first")
endif()

# The target and its compilers: Qt's toolchain file names neither for a MinGW-w64 cross build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of the host's Qt")
include("${qt_toolchain}")

# Test programs run through Wine, with the platform their kind needs (see the script).
set(CMAKE_CROSSCOMPILING_EMULATOR "${unitavo_source_dir}/scripts/windows-wine")
