# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release: the source tarball of the commit checked out and its
# SBOM; every product, built and packed once by its workflow preset (a
# workflow that does not test), in the folder its preset names, as it is
# there already; the repositories of their packages; and the checksums of
# it all, signed where keys are given. It runs no test:
# scripts/check-release.sh checks what it made.
#   cmake [-D DIST=DIR] [-D FROM=guess-VERSION.tar.gz] -P scripts/release.cmake
# DIST is dist/ at the top of the checkout unless given. FROM makes it all
# again from a released source tarball instead, unpacked in a temporary
# folder, with no git, to compare it with the released one. The products
# take nothing of the caller's compiler flags, and the commit's time
# (SOURCE_DATE_EPOCH). The keys come from the environment, so that no
# secret is on a command line or in a cache:
#   GUESS_AUTHENTICODE_PFX       a PKCS#12 file and its password: the Windows
#   GUESS_AUTHENTICODE_PASSWORD  program and its installer are signed
#   GUESS_GPG_KEY                a key in the caller's keyring (GNUPGHOME is
#                                respected): the RPM packages, SHA256SUMS.asc
#                                and the signatures of the repositories
# The address where its files will be published, which the manifests of
# Windows' package managers name, is GUESS_DOWNLOAD_URL, in the environment
# (https://example.org/guess/1.0.0/, say).
cmake_minimum_required(VERSION 3.25)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT DIST)
    set(DIST ${top}/dist)
endif()
get_filename_component(DIST ${DIST} ABSOLUTE)  # relative to where it is run
include(${top}/cmake/OpenPGP.cmake)

# Built in a temporary folder, which goes at the end; if a step fails, it
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
    set(log ${log} PARENT_SCOPE)
endfunction()

# The sources: a commit, with nothing changed, or a tarball of one.
if(FROM)
    get_filename_component(FROM ${FROM} ABSOLUTE)
    file(ARCHIVE_EXTRACT INPUT ${FROM} DESTINATION ${work}/source)
    file(GLOB source LIST_DIRECTORIES true ${work}/source/*)
else()
    set(source ${top})
    find_program(GIT git)
    if(NOT GIT OR NOT EXISTS ${top}/.git)
        message(FATAL_ERROR "${top} is no git checkout, and a release is made of a commit. To build a released source tarball again, name it with -D FROM=guess-VERSION.tar.gz.")
    endif()
    execute_process(COMMAND ${GIT} -C ${top} status --porcelain --untracked-files=no
        OUTPUT_VARIABLE changed COMMAND_ERROR_IS_FATAL ANY)
    if(changed)
        message(FATAL_ERROR "The working tree has uncommitted changes to tracked files; a release is made of a commit. Commit or stash them first:\n${changed}")
    endif()
endif()
file(STRINGS ${source}/CMakeLists.txt version REGEX "^ +VERSION [0-9.]+$")  # project()'s
string(REGEX REPLACE ".* " "" version "${version}")
set(name guess-${version})
set(PROJECT_SOURCE_DIR ${source})
include(${top}/cmake/SourceDateEpoch.cmake)
set(ENV{SOURCE_DATE_EPOCH} ${GUESS_SOURCE_DATE_EPOCH})
foreach(flags CFLAGS CXXFLAGS CPPFLAGS LDFLAGS)
    unset(ENV{${flags}})
endforeach()

# Nothing is built unless the keys given can sign: a PKCS#12 file (made
# absolute for the builds, which run elsewhere), a secret key in the keyring.
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
    file(ARCHIVE_EXTRACT INPUT ${out}/${name}.tar.gz DESTINATION ${work}/source)
endif()
message(STATUS "${name} from ${commit}, into ${DIST}")
# Of the tarball's sources, as they are named in it.
step("the SBOM" ${work} ${CMAKE_COMMAND} -D SOURCE=${work}/source/${name} -D TARBALL=${out}/${name}.tar.gz
    -D OUTPUT=${out}/${name}.spdx -P ${top}/scripts/make-sbom.cmake)
message(STATUS "Sources: ${name}.tar.gz, ${name}.spdx")

# The products, in the order of their workflows, each into its own folder,
# on every core; each ships the folder packages/ of its build.
file(READ ${source}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" workflowPresets)
math(EXPR last "${count} - 1")
set(products "")
foreach(i RANGE ${last})
    string(JSON steps GET "${presets}" workflowPresets ${i} steps)
    if(NOT steps MATCHES "\"test\"")
        string(JSON product GET "${presets}" workflowPresets ${i} name)
        list(APPEND products ${product})
    endif()
endforeach()
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
set(ENV{CMAKE_BUILD_PARALLEL_LEVEL} ${jobs})
foreach(product IN LISTS products)
    step(${product} ${source} ${CMAKE_COMMAND} --workflow --preset ${product})
    file(STRINGS ${log} built REGEX "^-- Build files have been written to: ")
    string(REPLACE "-- Build files have been written to: " "" built "${built}")
    file(GLOB packages RELATIVE ${built}/packages ${built}/packages/*)
    file(COPY ${built}/packages/ DESTINATION ${out})
    list(JOIN packages " " packages)
    message(STATUS "${product}: ${packages}")
endforeach()

# The repositories of the packages, in the release's folder; then the
# checksums of everything.
step("the Debian repository" ${work} ${CMAKE_COMMAND} -D DIST=${out} -D VERSION=${version}
    -P ${top}/scripts/make-apt-repository.cmake)
foreach(repository rpm pacman)
    step("the ${repository} repository" ${work} ${CMAKE_COMMAND} -D DIST=${out}
        -P ${top}/scripts/make-${repository}-repository.cmake)
endforeach()
step("the checksums" ${work} ${CMAKE_COMMAND} -D DIR=${out} -P ${top}/scripts/make-checksums.cmake)

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

set(signed unsigned)
if(pfx)
    set(signed signed)
endif()
message(STATUS "The Windows program and installer: ${signed} (Authenticode, GUESS_AUTHENTICODE_PFX)")
set(signed "unsigned, which apt, dnf, zypper and pacman refuse")
if(GUESS_OPENPGP_KEY)
    set(signed "signed by ${GUESS_OPENPGP_KEY}, whose key is guess-archive-keyring.gpg")
endif()
message(STATUS "The RPM packages, SHA256SUMS and the repositories: ${signed} (GUESS_GPG_KEY)")
if("$ENV{GUESS_DOWNLOAD_URL}" STREQUAL "")
    message(STATUS "Its address, in the manifests of winget/ and scoop/: the README's placeholder (GUESS_DOWNLOAD_URL is not set)")
else()
    message(STATUS "Its address, in the manifests of winget/ and scoop/: $ENV{GUESS_DOWNLOAD_URL}")
endif()
