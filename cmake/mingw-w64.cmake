# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-builds Unitavo for 64-bit Windows with Debian's MinGW-w64 (posix threads) against the Qt
# that scripts/qt/windows installs. Qt's own toolchain file there says where Qt's packages are;
# the target and the compilers are those Qt was built with (mingw-w64-target.cmake), and the
# host's Qt tools (moc, rcc, uic) are Debian's.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake [-DUNITAVO_WINDOWS_QT=<Qt prefix>] ...
# The Qt prefix may also come from the environment variable of the same name; by default it is
# the one scripts/qt/prefix names.

set(unitavo_source_dir "${CMAKE_CURRENT_LIST_DIR}/..")

# try_compile projects see only the variables listed here, and the environment.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES UNITAVO_WINDOWS_QT)
if(NOT UNITAVO_WINDOWS_QT AND DEFINED ENV{UNITAVO_WINDOWS_QT})
    set(UNITAVO_WINDOWS_QT "$ENV{UNITAVO_WINDOWS_QT}")
endif()
if(NOT UNITAVO_WINDOWS_QT)
    execute_process(COMMAND "${unitavo_source_dir}/scripts/qt/prefix" mingw64
        OUTPUT_VARIABLE UNITAVO_WINDOWS_QT OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(UNITAVO_WINDOWS_QT "${UNITAVO_WINDOWS_QT}" CACHE PATH "Qt for Windows, from scripts/qt/windows")
set(ENV{UNITAVO_WINDOWS_QT} "${UNITAVO_WINDOWS_QT}")

set(qt_toolchain "${UNITAVO_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${qt_toolchain}")
    message(FATAL_ERROR "No Qt for Windows in ${UNITAVO_WINDOWS_QT}: run scripts/qt/windows first")
endif()

# Qt's toolchain file loads the target settings Qt was built with: this tree's, wherever the tree
# that built Qt may have been.
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake")
set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of the host's Qt")
include("${qt_toolchain}")

# Test programs run through Wine, with the platform their kind needs (see the script).
set(CMAKE_CROSSCOMPILING_EMULATOR "${unitavo_source_dir}/scripts/windows/wine")
