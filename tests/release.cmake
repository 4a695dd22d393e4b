# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A whole release (packaging/release.cmake) with throwaway keys, where every
# tool it needs is installed. It builds every product, so it is one test,
# labelled long, and it compares guess.exe with the Windows tests' program.
include(${PROJECT_SOURCE_DIR}/cmake/FindTools.cmake)
guess_find_tools(missing osslsigncode:osslsigncode gpg:gnupg gpgconf:gnupg openssl:openssl git:git
    msiextract:msitools unzip:unzip)
execute_process(COMMAND ${CMAKE_COMMAND} -D CHECK_TOOLS=ON -P ${PROJECT_SOURCE_DIR}/packaging/release.cmake
    RESULT_VARIABLE release_missing ERROR_VARIABLE why OUTPUT_QUIET)
if(missing)
    guess_skip(dist.skipped "release test skipped: not installed: ${missing} (apt-get install ${missing})")
elseif(release_missing)
    string(REGEX REPLACE "^CMake Error at [^\n]*\n *" "" why "${why}")
    string(REGEX REPLACE "\n *" " " why "${why}")
    guess_skip(dist.skipped "release test skipped: ${why}")
elseif(NOT EXISTS ${PROJECT_SOURCE_DIR}/.git)
    guess_skip(dist.skipped "release test skipped: a release is made of a commit, and these sources are no git checkout")
elseif(NOT TARGET guess_windows)
    guess_skip(dist.skipped "release test skipped: it compares guess.exe with the Windows tests' program")
else()
    add_test(NAME dist.release
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/release.sh ${PROJECT_SOURCE_DIR} ${CMAKE_COMMAND}
            ${PROJECT_VERSION} ${windows_exe} ${CMAKE_CURRENT_BINARY_DIR}/release)
    set_tests_properties(dist.release PROPERTIES LABELS long TIMEOUT 1800)
endif()
