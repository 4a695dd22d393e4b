# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# A Linux product (tests/CMakeLists.txt: `preset`, `product_*`, its build
# `dir` and its record of `packages`): each program played by the same test
# programs as the native one, under its preset's emulator where it is for
# another processor, with its hardening; the static program's notices and
# start-up cost; and its packages. A Debian package's program plays with the
# target's own libraries, installed for its architecture, as they are what
# the package depends on; the static program with none.
set(launcher "")
set(label product)
if(product_EMULATOR)
    set(label emulated)
    # The emulator is on PATH, where the tools were looked for.
    set(emulator ${product_EMULATOR})
    list(POP_FRONT emulator qemu)
    set(launcher ${qemu} -L / ${emulator})
    list(TRANSFORM launcher PREPEND --launcher=)
endif()

# Each program as prefix:kind:target, found where its target puts it.
set(programs ${preset}:dynamic:guess)
set(paths ${dir}/guess)
if(product_STATIC)
    list(APPEND programs ${preset}-static:${product_STATIC_KIND}:guess-static)
    list(APPEND paths ${dir}/static/guess)
endif()
foreach(program path IN ZIP_LISTS programs paths)
    string(REPLACE ":" ";" program ${program})
    list(POP_FRONT program prefix kind target_name)
    set(objects ${dir}/CMakeFiles/${target_name}.dir/src)
    guess_hardening_test(${prefix}.hardening ${kind} fortify ${path}
        ${objects}/main.cpp.o ${objects}/wait_for_key_posix.cpp.o)
    if(kind STREQUAL "dynamic" AND NOT product_DEB)
        continue()  # there are no libraries of its architecture to play it with
    endif()
    guess_play(${prefix} SUITES game terminal ARGS --program=${path} ${launcher} LABEL ${label})
endforeach()

if(product_STATIC)
    guess_notices_test(${preset}-static.notices ${dir}/static/THIRD-PARTY-NOTICES.txt
        ${dir}/guess-static.link-trace static)
    # Processors the static program must start on too play the pipe table.
    foreach(cpu IN LISTS product_ALSO_ON)
        guess_play(${preset}-static-${cpu} SUITES game FILTER "Pipe/*" LABEL emulated
            ARGS --program=${dir}/static/guess --launcher=${qemu} --launcher=-cpu --launcher=${cpu})
    endforeach()
    if(NOT product_EMULATOR)
        # A whole game through a pipe, counted in instructions by valgrind:
        # start-up is most of it, and a static program relocates itself.
        set(budget 130000)
        add_test(NAME ${preset}-static.startup-cost
            COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/startup_cost.sh ${GUESS_VALGRIND} ${dir}/static/guess ${budget})
    endif()
endif()

# The install tree, and each package the build shipped, as its preset says
# it ships them; lintian's errors and warnings on a Debian package fail.
set(deb_architecture "")
if(product_DEB)
    guess_debian_architecture(${product_TRIPLET})
    set(deb_architecture ${GUESS_DEB_ARCH})
endif()
set(static_program "")
if(product_STATIC)
    set(static_program ${dir}/static/guess)
endif()
add_test(NAME ${preset}.packages
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/linux_packages.sh ${dir} ${CMAKE_COMMAND} ${packages}
        "${deb_architecture}" "${static_program}" "${product_RPM}" "${product_PACMAN}")
set_tests_properties(${preset}.packages PROPERTIES FIXTURES_REQUIRED ${preset}-packages)
if(product_DEB)
    # In a folder of its own, as lintian leaves files in the one it is given.
    add_test(NAME ${preset}.lintian
        COMMAND sh -c [[TMPDIR=$(mktemp -d) && trap 'rm -rf "$TMPDIR"' EXIT && export TMPDIR &&
            ! grep '\.deb$' "$2" | xargs "$1" --pedantic -I | grep '^[EW]:']] - ${GUESS_LINTIAN} ${packages})
    set_tests_properties(${preset}.lintian PROPERTIES FIXTURES_REQUIRED ${preset}-packages)
endif()
if(product_RPM)
    # What rpmlint would say and is meant is said, with why, in the filters.
    add_test(NAME ${preset}.rpmlint
        COMMAND sh -c [[! grep '\.rpm$' "$2" | xargs "$1" --config "$3" | grep -E '^[^ ]+: [EW]:']]
            - ${GUESS_RPMLINT} ${packages} ${PROJECT_SOURCE_DIR}/packaging/rpm/rpmlint.toml)
    set_tests_properties(${preset}.rpmlint PROPERTIES FIXTURES_REQUIRED ${preset}-packages)
endif()
