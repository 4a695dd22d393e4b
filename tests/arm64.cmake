# The arm64 Linux programs, cross-built beside the native one when Debian's
# cross compiler, qemu-user and the arm64 C++ library are installed, and
# tested under emulation by the same test program, package checks included.
find_program(GUESS_ARM64_CXX aarch64-linux-gnu-g++)
find_program(GUESS_QEMU_AARCH64 qemu-aarch64)
find_file(GUESS_ARM64_LIBSTDCXX libstdc++.so.6 PATHS /usr/lib/aarch64-linux-gnu NO_DEFAULT_PATH)
guess_missing(missing GUESS_ARM64_CXX GUESS_QEMU_AARCH64 GUESS_ARM64_LIBSTDCXX)
if(missing)
    guess_skip(arm64.skipped "arm64 tests skipped: not installed: ${missing} (dpkg --add-architecture arm64 && apt-get update && apt-get install g++-aarch64-linux-gnu qemu-user libstdc++6:arm64)")
    return()
endif()

set(arm64_dir ${PROJECT_BINARY_DIR}/arm64)
guess_cross_build(guess_arm64 aarch64-linux-gnu.cmake ${arm64_dir} "${arm64_dir}/guess;${arm64_dir}/static/guess"
    -DGUESS_STATIC_PROGRAM=ON)

# The dynamic program finds its loader and libraries in the cross sysroot.
set(qemu ${GUESS_QEMU_AARCH64} -L /usr/aarch64-linux-gnu)
list(TRANSFORM qemu PREPEND --launcher=)
foreach(variant dynamic static)
    set(program ${arm64_dir}/guess)
    set(objects ${arm64_dir}/CMakeFiles/guess.dir/src)
    set(prefix arm64)
    if(variant STREQUAL "static")
        set(program ${arm64_dir}/static/guess)
        set(objects ${arm64_dir}/CMakeFiles/guess-static.dir/src)
        set(prefix arm64-static)
    endif()
    gtest_discover_tests(guess_tests TEST_PREFIX "${prefix}." TEST_FILTER "-WineConsole*"
        EXTRA_ARGS --program=${program} ${qemu} DISCOVERY_TIMEOUT 30)
    guess_hardening_test(${prefix}.hardening ${variant} fortify ${program}
        ${objects}/main.cpp.o ${objects}/wait_for_key_posix.cpp.o)
endforeach()
guess_package_tests(arm64 ${arm64_dir})
