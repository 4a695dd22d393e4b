# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A whole release (scripts/release.cmake) with throwaway keys, where every
# tool it needs is installed. It builds every product, so it is one test,
# labelled long, and it compares guess.exe with the Windows tests' program.
# What it must hold follows from the products' presets: each one's Debian
# package (by its architecture), static program, Windows packages or page;
# and the Debian repository of them all.
guess_find_tools(missing ${GUESS_TEST_TOOLS_RELEASE})
execute_process(COMMAND ${CMAKE_COMMAND} -D CHECK_TOOLS=ON -P ${PROJECT_SOURCE_DIR}/scripts/release.cmake
    RESULT_VARIABLE release_missing ERROR_VARIABLE why OUTPUT_QUIET)
if(missing)
    guess_skip(dist.skipped "release test skipped: ${missing}")
elseif(release_missing)
    string(REGEX REPLACE "^CMake Error at [^\n]*\n *" "" why "${why}")
    string(REGEX REPLACE "\n *" " " why "${why}")
    guess_skip(dist.skipped "release test skipped: ${why}")
elseif(NOT EXISTS ${PROJECT_SOURCE_DIR}/.git)
    guess_skip(dist.skipped "release test skipped: a release is made of a commit, and these sources are no git checkout")
elseif(NOT TARGET guess_windows)
    guess_skip(dist.skipped "release test skipped: it compares guess.exe with the Windows tests' program")
else()
    set(name ${PROJECT_NAME}-${PROJECT_VERSION})
    set(expected ${name}.tar.gz ${name}.spdx apt guess-archive-keyring.gpg)
    set(native_architecture ${GUESS_DEB_ARCH})  # this build's (cmake/Posix.cmake)
    guess_products(products)
    foreach(preset IN LISTS products)
        guess_product(${preset} product)
        if(product_DEB)
            set(GUESS_DEB_ARCH ${native_architecture})
            if(product_TRIPLET)
                guess_debian_architecture(${product_TRIPLET})
            endif()
            list(APPEND expected ${PROJECT_NAME}_${PROJECT_VERSION}_${GUESS_DEB_ARCH}.deb)
        endif()
        if(product_STATIC)
            list(APPEND expected "${name}-linux-*.tar.gz")
        endif()
        if(product_PLATFORM STREQUAL "windows")
            list(APPEND expected "${name}-windows-*.zip" "${name}-windows-*.msi")
        elseif(product_PLATFORM STREQUAL "web")
            list(APPEND expected ${name}-web.zip)
        endif()
    endforeach()
    add_test(NAME dist.release
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/release.sh ${PROJECT_SOURCE_DIR} ${CMAKE_COMMAND}
            ${windows_exe} ${CMAKE_CURRENT_BINARY_DIR}/release ${expected})
    set_tests_properties(dist.release PROPERTIES LABELS long TIMEOUT 1800)
endif()
