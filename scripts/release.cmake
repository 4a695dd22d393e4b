# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release, always of a source tarball: the commit checked out's,
# made here, or one released before (FROM), to make it again. Of the
# tarball's sources, unpacked in a folder of the release's own: the SBOM;
# every product, built and packed once by its preset, in its own new
# folder; then the website that publishes the packages they made
# (scripts/publish.cmake): with EARLIER, the site as it is published, every
# earlier version's files too; the manifests of Windows' package managers,
# the repositories and the page, of every version; and the checksums of it
# all, signed where keys are given. Nothing of the checkout's build
# folders, nor of the caller's compiler flags, reaches a product. It runs no
# test: scripts/check-release.sh checks what it made.
#   cmake [-D DIST=DIR] [-D FROM=guess-VERSION.tar.gz] [-D EARLIER=DIR] -P scripts/release.cmake
# DIST is dist/ at the top of the checkout unless given. Everything carries
# the commit's time (SOURCE_DATE_EPOCH). The keys come from the environment,
# so that no secret is on a command line or in a cache:
#   GUESS_AUTHENTICODE_PFX       a PKCS#12 file and its password: the Windows
#   GUESS_AUTHENTICODE_PASSWORD  program and its installer are signed
#   GUESS_GPG_KEY                a key in the caller's keyring (GNUPGHOME is
#                                respected): the RPM packages, SHA256SUMS.asc
#                                and the signatures of the repositories; and
#                                the key EARLIER is checked with
# The address where its folder will be published, which its page, its
# install script and the manifests of Windows' package managers name, is
# GUESS_DOWNLOAD_URL, in the environment (https://example.org/guess/, say).
cmake_minimum_required(VERSION 3.25)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT DIST)
    set(DIST ${top}/dist)
endif()
get_filename_component(DIST ${DIST} ABSOLUTE)  # relative to where it is run
include(${top}/cmake/OpenPGP.cmake)

# Refused before anything is made: a tree with changes, which is no commit;
# keys that are not there (a PKCS#12 file, made absolute for the builds,
# which run elsewhere; a secret key in the keyring); and an EARLIER that is
# not what it was published as, or that holds this version or a newer one
# (scripts/check-earlier.cmake).
# A wrong password of the PKCS#12 file stops the release where the Windows
# program is signed.
if(FROM)
    get_filename_component(FROM ${FROM} ABSOLUTE)
    get_filename_component(name ${FROM} NAME)
    string(REGEX REPLACE "\\.tar\\.gz$" "" name ${name})
else()
    include(${top}/cmake/Tool.cmake)
    guess_find_program(GIT git git)
    if(NOT EXISTS ${top}/.git)
        message(FATAL_ERROR "${top} is no git checkout, and a release is made of a commit. To build a released source tarball again, name it with -D FROM=guess-VERSION.tar.gz.")
    endif()
    execute_process(COMMAND ${GIT} -C ${top} status --porcelain --untracked-files=no
        OUTPUT_VARIABLE changed COMMAND_ERROR_IS_FATAL ANY)
    if(changed)
        message(FATAL_ERROR "The working tree has uncommitted changes to tracked files; a release is made of a commit. Commit or stash them first:\n${changed}")
    endif()
    file(STRINGS ${top}/CMakeLists.txt version REGEX "^ +VERSION [0-9.]+$")  # project()'s
    string(REGEX REPLACE ".* " "guess-" name "${version}")
endif()
string(REGEX REPLACE "^guess-" "" version ${name})
set(pfx "$ENV{GUESS_AUTHENTICODE_PFX}")
if(pfx)
    get_filename_component(pfx ${pfx} ABSOLUTE)
    if(NOT EXISTS ${pfx})
        message(FATAL_ERROR "GUESS_AUTHENTICODE_PFX names no file: ${pfx}")
    endif()
    set(ENV{GUESS_AUTHENTICODE_PFX} ${pfx})
endif()
if(GUESS_OPENPGP_KEY)
    execute_process(COMMAND ${GUESS_GPG} --batch --list-secret-keys ${GUESS_OPENPGP_KEY}
        RESULT_VARIABLE no_key OUTPUT_QUIET ERROR_QUIET)
    if(no_key)
        message(FATAL_ERROR "GUESS_GPG_KEY names no secret key in the keyring: ${GUESS_OPENPGP_KEY}")
    endif()
endif()
if(EARLIER)
    get_filename_component(EARLIER ${EARLIER} ABSOLUTE)
    if(EARLIER STREQUAL DIST)
        message(FATAL_ERROR "DIST is EARLIER, which is only read: make the new site in a folder of its own")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -D EARLIER=${EARLIER} -D VERSION=${version}
        -P ${top}/scripts/check-earlier.cmake RESULT_VARIABLE refused)
    if(refused)
        message(FATAL_ERROR "No release is made over ${EARLIER}, for the reason above.")
    endif()
endif()

# Made in a temporary folder, which goes at the end; if a step fails, it
# stays, with the log of every step.
execute_process(COMMAND mktemp -d -t guess-release.XXXXXX
    OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(out ${work}/out)
file(MAKE_DIRECTORY ${out} ${work}/logs)
function(step what dir)
    string(MAKE_C_IDENTIFIER "${what}" log)
    set(log ${work}/logs/${log}.log)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${dir} OUTPUT_FILE ${log} ERROR_FILE ${log} RESULT_VARIABLE failed)
    if(failed)
        execute_process(COMMAND tail -n 30 ${log} OUTPUT_VARIABLE lines)
        message(FATAL_ERROR "${what} failed:\n${lines}The whole log is ${log}; the release is kept in ${work}.")
    endif()
endfunction()

# The source tarball holds the commit's tracked files under guess-VERSION/,
# with the commit's time written into packaging/commit-time
# (.gitattributes); its bytes depend on the commit alone, not on the
# caller's git settings.
if(FROM)
    file(COPY_FILE ${FROM} ${out}/${name}.tar.gz)
    set(commit ${FROM})
else()
    execute_process(COMMAND ${GIT} -C ${top} -c tar.umask=0022 -c core.autocrlf=false archive --format=tar
            --prefix=${name}/ HEAD
        COMMAND gzip -9n OUTPUT_FILE ${out}/${name}.tar.gz COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${GIT} -C ${top} log -1 --format=commit\ %h,\ %cI HEAD
        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
# Unpacked in a folder whose name has a space, as a checkout's may: a path
# that a build leaves unquoted anywhere fails the release.
file(ARCHIVE_EXTRACT INPUT ${out}/${name}.tar.gz DESTINATION "${work}/source tree")
set(source "${work}/source tree/${name}")
set(PROJECT_SOURCE_DIR ${source})
include(${top}/cmake/SourceDateEpoch.cmake)
set(ENV{SOURCE_DATE_EPOCH} ${GUESS_SOURCE_DATE_EPOCH})
foreach(variable CFLAGS CXXFLAGS CPPFLAGS LDFLAGS CC CXX)
    unset(ENV{${variable}})
endforeach()
message(STATUS "${name} from ${commit}, into ${DIST}")
step("the SBOM" ${work} ${CMAKE_COMMAND} -D SOURCE=${source} -D TARBALL=${out}/${name}.tar.gz
    -D OUTPUT=${out}/${name}.spdx -P ${top}/scripts/make-sbom.cmake)

# The icon, rendered once at every size a product shows it, for them all.
include(${top}/cmake/Icons.cmake)
guess_render_icons(${source}/src/guess.svg ${work}/icons)
set(ENV{GUESS_ICONS} ${work}/icons)

# The products: the Linux program of each target of
# cmake/LinuxTargets.cmake (the `linux` preset, for its architecture), and
# the other workflows that do not test, each built and packed by its
# preset in a new folder of its own, build-NAME, as many at a time as the
# machine has cores, as most of a product's build is one process at a time
# (its configure, its packers). Each writes only in its own folder and
# TMPDIR, so that their order changes no byte.
include(${source}/cmake/LinuxTargets.cmake)
set(products "")
set(lines "")  # NAME PRESET [ARGUMENT...], a line each
foreach(row IN LISTS GUESS_LINUX_TARGETS)
    string(REGEX MATCH "^[^ ]+" architecture "${row}")
    list(APPEND products ${architecture})
    string(APPEND lines "${architecture} linux -DGUESS_DEBIAN_ARCHITECTURE=${architecture}\n")
endforeach()
file(READ ${source}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" workflowPresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
    string(JSON workflow GET "${presets}" workflowPresets ${i})
    string(JSON preset GET "${workflow}" name)
    if(NOT workflow MATCHES "\"test\"" AND NOT preset STREQUAL "linux")
        list(APPEND products ${preset})
        string(APPEND lines "${preset} ${preset}\n")
    endif()
endforeach()
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
set(ENV{CMAKE_BUILD_PARALLEL_LEVEL} ${jobs})
execute_process(COMMAND printf %s "${lines}"
    COMMAND xargs -L 1 -P ${jobs} sh -c [[cmake=$1 logs=$2 name=$3 preset=$4 && shift 4 &&
        { "$cmake" --preset "$preset" -B "build-$name" "$@" && "$cmake" --build "build-$name"; } >"$logs/$name.log" 2>&1 ||
        { echo "$name failed:"; tail -n 30 "$logs/$name.log"; }]] - ${CMAKE_COMMAND} ${work}/logs
    WORKING_DIRECTORY ${source} OUTPUT_VARIABLE failed COMMAND_ERROR_IS_FATAL ANY)
if(failed)
    message(FATAL_ERROR "${failed}The whole logs are in ${work}/logs; the release is kept in ${work}.")
endif()
foreach(product IN LISTS products)
    file(GLOB packages RELATIVE ${source}/build-${product}/packages ${source}/build-${product}/packages/*)
    file(COPY ${source}/build-${product}/packages/ DESTINATION ${out})
    list(JOIN packages " " packages)
    message(STATUS "${product}: ${packages}")
endforeach()

# Published as a website, with the earlier versions' files where EARLIER
# is given.
step("the website" ${work} ${CMAKE_COMMAND} -D DIST=${out} -D VERSION=${version} -D EARLIER=${EARLIER}
    -P ${top}/scripts/publish.cmake)

# Into DIST, in place of what an earlier release put there (as its
# checksums list it), the checksums last: until they are there, DIST holds
# no release.
file(MAKE_DIRECTORY ${DIST})
if(EXISTS ${DIST}/SHA256SUMS)
    file(STRINGS ${DIST}/SHA256SUMS earlier)
    list(TRANSFORM earlier REPLACE "^[0-9a-f]*  ([^/]*).*" "${DIST}/\\1")
    file(REMOVE_RECURSE ${DIST}/SHA256SUMS ${DIST}/SHA256SUMS.asc ${earlier})
endif()
file(COPY ${out}/ DESTINATION ${DIST} PATTERN SHA256SUMS* EXCLUDE)
file(GLOB sums ${out}/SHA256SUMS*)
file(COPY ${sums} DESTINATION ${DIST})
file(REMOVE_RECURSE ${work})

# What it did not sign, or address, as the environment did not say how.
if(NOT pfx)
    message(STATUS "Unsigned (no GUESS_AUTHENTICODE_PFX): the Windows program and installer")
endif()
if(NOT GUESS_OPENPGP_KEY)
    message(STATUS "Unsigned (no GUESS_GPG_KEY), which apt, dnf, zypper and pacman refuse: the RPM packages, SHA256SUMS and the repositories")
endif()
if("$ENV{GUESS_DOWNLOAD_URL}" STREQUAL "")
    message(STATUS "No address (no GUESS_DOWNLOAD_URL): the manifests of winget/ and scoop/ name the README's placeholder; the page, the one it is served from; install.sh, the one given with --from")
endif()
