# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Windows program and its packages, cross-built beside the native one
# when MinGW-w64, Wine and the packaging tools are installed, and tested
# under Wine: the program by the same test program, the .zip and the
# installer as a player gets them.
include(${PROJECT_SOURCE_DIR}/cmake/FindTools.cmake)
guess_find_tools(missing ${GUESS_TOOLS_WINDOWS}
    x86_64-w64-mingw32-objdump:binutils-mingw-w64-x86-64 llvm-readobj:llvm wine64:wine64 wineserver:wine64
    wrestool:icoutils unzip:unzip)
if(missing)
    guess_skip(windows.skipped "Windows tests skipped: not installed: ${missing} (apt-get install ${missing})")
    return()
endif()

set(windows_dir ${PROJECT_BINARY_DIR}/windows)
set(windows_exe ${windows_dir}/guess.exe)
set(windows_msi ${windows_dir}/${PROJECT_NAME}-${PROJECT_VERSION}-windows-x86_64.msi)
guess_cross_build(guess_windows mingw-w64-x86_64.cmake ${windows_dir} "${windows_exe};${windows_msi}")

set(GUESS_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
configure_file(wine.sh.in wine.sh @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(wine ${CMAKE_CURRENT_BINARY_DIR}/wine.sh)
add_test(NAME windows.wine-start COMMAND ${wine} start)
add_test(NAME windows.wine-stop COMMAND ${wine} stop)
set_tests_properties(windows.wine-start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(windows.wine-stop PROPERTIES FIXTURES_CLEANUP wine)

gtest_discover_tests(guess_tests
    TEST_PREFIX "windows."
    TEST_FILTER "-Terminal*"
    EXTRA_ARGS --program=${windows_exe} --launcher=${wine} --launcher=run --eol=crlf
    PROPERTIES FIXTURES_REQUIRED wine
    DISCOVERY_TIMEOUT 30)

guess_notices_test(windows.notices ${windows_dir}/THIRD-PARTY-NOTICES.txt ${windows_dir}/guess.link-trace windows)
add_test(NAME windows.executable
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_executable.sh ${windows_exe}
        ${GUESS_X86_64_W64_MINGW32_OBJDUMP} ${GUESS_LLVM_READOBJ} ${GUESS_WRESTOOL} ${GUESS_ICOTOOL})

# The installer of the next version, made from the same files, for the
# upgrade; then the packages, the installer in a fresh Wine prefix of its own.
set(newer_msi ${CMAKE_CURRENT_BINARY_DIR}/guess-${GUESS_NEXT_VERSION}.msi)
add_test(NAME windows.newer-installer
    COMMAND ${CMAKE_COMMAND} -DSETTINGS=${windows_dir}/msi-settings.cmake -DVERSION=${GUESS_NEXT_VERSION}
        -DOUTPUT=${newer_msi} -P ${PROJECT_SOURCE_DIR}/packaging/make-msi.cmake)
set_tests_properties(windows.newer-installer PROPERTIES FIXTURES_SETUP newer-msi)
add_test(NAME windows.packages
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_packages.sh ${windows_dir} ${CMAKE_CPACK_COMMAND} ${wine}
        ${CMAKE_CURRENT_BINARY_DIR}/installer-wineprefix ${newer_msi})
set_tests_properties(windows.packages PROPERTIES FIXTURES_REQUIRED newer-msi)
