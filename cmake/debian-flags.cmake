# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The presets' toolchain: the flags the Debian package compiles with, as
# debian/rules has dpkg-buildflags give them, for the architecture built for:
# DEB_HOST_ARCH, or this machine's when unset. For another architecture it
# names Debian's cross compiler and runs what it built under qemu-user.
if(NOT DEFINED MENSARO_HOST_ARCH)
    if(DEFINED ENV{DEB_HOST_ARCH})
        set(MENSARO_HOST_ARCH $ENV{DEB_HOST_ARCH})
    else()
        execute_process(COMMAND dpkg-architecture -qDEB_HOST_ARCH OUTPUT_VARIABLE MENSARO_HOST_ARCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    set(MENSARO_HOST_ARCH ${MENSARO_HOST_ARCH} CACHE STRING "Debian architecture built for")
endif()
set(top ${CMAKE_CURRENT_LIST_DIR}/..)
set(arch dpkg-architecture -a${MENSARO_HOST_ARCH})
execute_process(COMMAND ${arch} -c make -s -f debian/rules
                        --eval "mensaro-flags: ; @for f in CPPFLAGS CXXFLAGS LDFLAGS; do dpkg-buildflags --get $$f; done"
                        mensaro-flags
                WORKING_DIRECTORY ${top} OUTPUT_VARIABLE flags ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" flags "${flags}")
list(GET flags 0 cppflags)
list(GET flags 1 cxxflags)
list(GET flags 2 ldflags)
set(CMAKE_CXX_FLAGS_INIT "${cxxflags} ${cppflags}")
foreach(kind EXE MODULE SHARED)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "${ldflags}")
endforeach()

execute_process(COMMAND dpkg-architecture -qDEB_BUILD_ARCH OUTPUT_VARIABLE build_arch OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT MENSARO_HOST_ARCH STREQUAL build_arch)
    execute_process(COMMAND ${arch} -qDEB_HOST_GNU_TYPE OUTPUT_VARIABLE triplet
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND ${arch} -qDEB_HOST_GNU_CPU OUTPUT_VARIABLE cpu
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(CMAKE_SYSTEM_NAME Linux)
    set(CMAKE_SYSTEM_PROCESSOR ${cpu})
    set(CMAKE_CXX_COMPILER ${triplet}-g++)
    set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
    # qemu-user names 32-bit x86 i386; the cross compiler's sysroot holds the C and C++ libraries.
    string(REGEX REPLACE "^i.86$" "i386" qemu ${cpu})
    set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu} -L /usr/${triplet} CACHE STRING "How the build machine runs its programs")
endif()
