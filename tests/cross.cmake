# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Linux programs for other processors, cross-built beside the native one
# with Debian's cross compilers (cmake/linux-cross.cmake) and tested under
# qemu-user by the same test program, hardening and package checks included.
# A target is a row: adding one (riscv64, i386) is a preset and a row here.
include(${PROJECT_SOURCE_DIR}/cmake/CrossPrerequisites.cmake)

set(targets
    # name triplet             emulator     CPU        static program  also starts on
    "arm64 aarch64-linux-gnu   qemu-aarch64 cortex-a72 static-pie"            # Pi 3, 4, 5: 64-bit
    "armhf arm-linux-gnueabihf qemu-arm     cortex-a7  none"                  # Pi 2 on: 32-bit, ARMv7
    "armel arm-linux-gnueabi   qemu-arm     arm1176    static     cortex-a7") # Pi 1, Zero: ARMv6

foreach(row IN LISTS targets)
    separate_arguments(row UNIX_COMMAND "${row}")
    list(POP_FRONT row name triplet emulator cpu static)
    set(also ${row})  # what is left of the row

    find_program(GUESS_${emulator} ${emulator})
    set(qemu_missing "")
    if(NOT GUESS_${emulator})
        set(qemu_missing qemu-user)
    endif()
    guess_cross_missing(${triplet} missing ${qemu_missing})
    if(missing)
        guess_skip(${name}.skipped "${name} tests skipped: ${missing}")
        continue()
    endif()

    # Each program as prefix:kind:target, found where its target puts it.
    set(dir ${PROJECT_BINARY_DIR}/${name})
    set(programs ${name}:dynamic:guess)
    set(paths ${dir}/guess)
    set(with_static OFF)
    if(NOT static STREQUAL "none")
        set(with_static ON)
        list(APPEND programs ${name}-static:${static}:guess-static)
        list(APPEND paths ${dir}/static/guess)
    endif()
    guess_cross_build(guess_${name} linux-cross.cmake ${dir} "${paths}"
        -DGUESS_CROSS_TRIPLET=${triplet} -DGUESS_STATIC_PROGRAM=${with_static})

    # The dynamic program finds its loader and libraries in the cross sysroot.
    set(qemu --launcher=${GUESS_${emulator}} --launcher=-L --launcher=/usr/${triplet} --launcher=-cpu)
    foreach(program path IN ZIP_LISTS programs paths)
        string(REPLACE ":" ";" program ${program})
        list(POP_FRONT program prefix kind target_name)
        set(objects ${dir}/CMakeFiles/${target_name}.dir/src)
        gtest_discover_tests(guess_tests TEST_PREFIX "${prefix}." TEST_FILTER "-WineConsole*"
            EXTRA_ARGS --program=${path} ${qemu} --launcher=${cpu} DISCOVERY_TIMEOUT 30)
        guess_hardening_test(${prefix}.hardening ${kind} fortify ${path}
            ${objects}/main.cpp.o ${objects}/wait_for_key_posix.cpp.o)
    endforeach()
    if(with_static)
        guess_notices_test(${name}-static.notices ${dir}/static/THIRD-PARTY-NOTICES.txt
            ${dir}/guess-static.link-trace static)
    endif()
    # Processors the static program must start on too play the pipe table.
    foreach(other IN LISTS also)
        gtest_discover_tests(guess_tests TEST_PREFIX "${name}-static-${other}." TEST_FILTER "Pipe/*"
            EXTRA_ARGS --program=${dir}/static/guess ${qemu} --launcher=${other} DISCOVERY_TIMEOUT 30)
    endforeach()
    guess_package_tests(${name} ${dir})
endforeach()
