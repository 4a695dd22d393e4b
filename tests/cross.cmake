# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Linux programs for other processors: every product whose preset names
# a GNU triplet (cmake/Presets.cmake), built as its preset builds it beside
# the native one and tested under its emulator by the same test programs,
# hardening and package checks included. A Debian package's program plays
# with the target's own libraries, installed for its architecture, as they
# are what the package depends on; the static program with none.
guess_products(products)
foreach(preset IN LISTS products)
    guess_product(${preset} product)
    if(NOT product_TRIPLET)
        continue()
    endif()
    guess_find_tools(missing ${product_TOOLS} ${product_TEST_TOOLS})
    if(missing)
        guess_skip(${preset}.skipped "${preset} tests skipped: ${missing}")
        continue()
    endif()

    # Each program as prefix:kind:target, found where its target puts it.
    set(dir ${PROJECT_BINARY_DIR}/${preset})
    set(programs ${preset}:dynamic:guess)
    set(paths ${dir}/guess)
    if(product_STATIC)
        list(APPEND programs ${preset}-static:${product_STATIC_KIND}:guess-static)
        list(APPEND paths ${dir}/static/guess)
    endif()
    guess_product_build(${preset} ${dir} "${paths}")

    # The emulator is on PATH, where guess_find_tools() found it.
    set(emulator ${product_EMULATOR})
    list(POP_FRONT emulator qemu)
    set(launcher ${qemu} -L / ${emulator})
    list(TRANSFORM launcher PREPEND --launcher=)
    foreach(program path IN ZIP_LISTS programs paths)
        string(REPLACE ":" ";" program ${program})
        list(POP_FRONT program prefix kind target_name)
        set(objects ${dir}/CMakeFiles/${target_name}.dir/src)
        guess_hardening_test(${prefix}.hardening ${kind} fortify ${path}
            ${objects}/main.cpp.o ${objects}/wait_for_key_posix.cpp.o)
        if(kind STREQUAL "dynamic" AND NOT product_DEB)
            continue()  # there are no libraries of its architecture to play it with
        endif()
        guess_play(${prefix} SUITES game terminal ARGS --program=${path} ${launcher})
    endforeach()
    if(product_STATIC)
        guess_notices_test(${preset}-static.notices ${dir}/static/THIRD-PARTY-NOTICES.txt
            ${dir}/guess-static.link-trace static)
        # Processors the static program must start on too play the pipe table.
        foreach(cpu IN LISTS product_ALSO_ON)
            guess_play(${preset}-static-${cpu} SUITES game FILTER "Pipe/*"
                ARGS --program=${dir}/static/guess --launcher=${qemu} --launcher=-cpu --launcher=${cpu})
        endforeach()
    endif()
    if(product_DEB)
        guess_package_tests(${preset} ${dir})
    endif()
endforeach()
