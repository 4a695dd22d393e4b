# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release: the source tarball of the commit checked out and its
# SBOM, every product built and packaged from that tarball alone (what ships
# is what the tarball builds) by its workflow preset, the repositories of
# its packages, the manifests of Windows' package managers, and the
# checksums of it all; signed where keys are given. It runs no test: CI
# tests the commit, this builds what ships.
#   cmake [-D DIST=DIR] [-D FROM=guess-VERSION.tar.gz | -D BUILT=BUILD_DIR] -P scripts/release.cmake
# DIST is dist/ at the top of the checkout unless given. FROM makes the
# products again from a released source tarball instead, with no git, to
# compare them with the released ones. BUILT makes none: it takes the
# products that a build of the `default` preset of this commit built,
# packed and tested, as that build holds them (cmake/Presets.cmake,
# guess_product_build), and packs again, with the key, only what holds a
# file to sign (the Windows program). The keys come from the environment,
# so that no secret is on a command line or in a cache:
#   GUESS_AUTHENTICODE_PFX       a PKCS#12 file and its password: the Windows
#   GUESS_AUTHENTICODE_PASSWORD  program is signed before it is packaged, and
#                                so is the installer (cmake/Authenticode.cmake)
#   GUESS_GPG_KEY                a key in the caller's keyring (GNUPGHOME is
#                                respected): SHA256SUMS.asc and the signatures
#                                of the repositories
# The address where its files will be published, which the manifests of
# Windows' package managers name, is GUESS_DOWNLOAD_URL, given with -D or in
# the environment (https://example.org/guess/1.0.0/, say).
# With -D CHECK_TOOLS=ON it only says whether every tool is installed.
#
# Each part is a script of its own, which this one runs in order; what each
# product ships is what its packaging recorded (cmake/CPackPackaged.cmake).
cmake_minimum_required(VERSION 3.25)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT DIST)
    set(DIST ${top}/dist)
endif()
get_filename_component(DIST ${DIST} ABSOLUTE)  # relative to where it is run
include(${top}/cmake/Presets.cmake)
include(${top}/cmake/OpenPGP.cmake)
include(${top}/cmake/ReleaseSteps.cmake)

# Nothing is built unless everything can be: every tool is there, and
# every product configures.
if(NOT GUESS_DOWNLOAD_URL)
    set(GUESS_DOWNLOAD_URL "$ENV{GUESS_DOWNLOAD_URL}")
endif()
set(pfx "$ENV{GUESS_AUTHENTICODE_PFX}")
set(groups SBOM APT RPM_REPOSITORY PACMAN_REPOSITORY MANIFESTS SIGNED)
if(NOT FROM)
    list(APPEND groups RELEASE)
endif()
if(pfx)
    list(APPEND groups AUTHENTICODE)
endif()
guess_need_tools("A release" ${groups})
if(CHECK_TOOLS)
    return()
endif()
if(FROM)
    get_filename_component(FROM ${FROM} ABSOLUTE)
elseif(NOT EXISTS ${top}/.git)
    message(FATAL_ERROR "${top} is no git checkout, and a release is made of a commit. To build a released source tarball again, name it with -D FROM=guess-VERSION.tar.gz.")
else()
    execute_process(COMMAND ${GUESS_GIT} -C ${top} status --porcelain --untracked-files=no
        OUTPUT_VARIABLE changed COMMAND_ERROR_IS_FATAL ANY)
    if(changed)
        message(FATAL_ERROR "The working tree has uncommitted changes to tracked files; a release is made of a commit. Commit or stash them first:\n${changed}")
    endif()
endif()
guess_release_keys()
if(BUILT)
    get_filename_component(BUILT ${BUILT} ABSOLUTE)
endif()

# Built in a temporary directory, which goes at the end; if anything fails,
# it stays, with the logs of every step (cmake/ReleaseSteps.cmake).
execute_process(COMMAND mktemp -d -t guess-release.XXXXXX
    OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(out ${work}/out)
file(MAKE_DIRECTORY ${out} ${work}/logs)

# The sources, configured once plainly for what the parts' scripts need to
# know of them (their settings: the version, the commit's time). The source
# tarball holds the commit's tracked files under guess-VERSION/, with the
# commit's time written into packaging/commit-time (.gitattributes); its
# bytes depend on the commit alone, not on the caller's git settings.
set(configured ${top})
if(FROM)
    file(ARCHIVE_EXTRACT INPUT ${FROM} DESTINATION ${work}/source)
    file(GLOB configured LIST_DIRECTORIES true ${work}/source/*)
endif()
guess_release_step(${work} ${work} "configure the sources" ${CMAKE_COMMAND} -S ${configured} -B ${work}/settings -DBUILD_TESTING=OFF)
set(settings ${work}/settings/guess-settings.cmake)
include(${settings})
set(name ${PROJECT_NAME}-${PROJECT_VERSION})
set(source ${work}/source/${name})
if(FROM)
    file(COPY_FILE ${FROM} ${out}/${name}.tar.gz)
    set(commit ${FROM})
else()
    execute_process(
        COMMAND ${GUESS_GIT} -C ${top} -c tar.umask=0022 -c core.autocrlf=false
            archive --format=tar --prefix=${name}/ HEAD
        COMMAND ${GUESS_GZIP} -9n
        OUTPUT_FILE ${out}/${name}.tar.gz COMMAND_ERROR_IS_FATAL ANY)
    file(ARCHIVE_EXTRACT INPUT ${out}/${name}.tar.gz DESTINATION ${work}/source)
    execute_process(COMMAND ${GUESS_GIT} -C ${top} log -1 --format=commit\ %h,\ %cI HEAD
        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
message(STATUS "guess ${PROJECT_VERSION} from ${commit}, into ${DIST}")
message(STATUS "Source: ${name}.tar.gz")
# Each part of the release is made by a script of its own, with the settings.
function(part what script)
    guess_release_step(${work} ${work} "make ${what}" ${CMAKE_COMMAND} -D GUESS_SETTINGS=${settings} ${ARGN} -P ${source}/scripts/${script})
endfunction()
part("the SBOM" make-sbom.cmake -D SOURCE=${source} -D TARBALL=${out}/${name}.tar.gz -D OUTPUT=${out}/${name}.spdx)
message(STATUS "Source SBOM: ${name}.spdx")

# Every product configured first, then built and packaged by its workflow;
# or, from a build that has them, taken as it packed them.
guess_workflows(tests products)
if(NOT BUILT)
    foreach(preset IN LISTS products)
        guess_release_step(${work} ${source} "${preset}: configure" ${CMAKE_COMMAND} --preset ${preset})
    endforeach()
endif()
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
list(LENGTH products total)
set(count 0)
set(shipped ${work}/packages)  # what every product shipped
foreach(preset IN LISTS products)
    guess_product(${preset} product)
    math(EXPR count "${count} + 1")
    message(STATUS "[${count}/${total}] ${preset}: ${product_DISPLAY}")
    string(TIMESTAMP start %s)
    set(record ${work}/${preset}.packages)
    if(BUILT)
        guess_take_built(${work} ${BUILT} ${preset} "${pfx}" ${record})
    else()
        guess_release_step(${work} ${source} "${preset}: build and package" ${CMAKE_COMMAND} -E env GUESS_PACKAGES=${record}
            CMAKE_BUILD_PARALLEL_LEVEL=${jobs} ${CMAKE_COMMAND} --workflow --preset ${preset})
    endif()
    file(STRINGS ${record} packages)
    file(COPY ${packages} DESTINATION ${out})
    file(READ ${record} lines)
    file(APPEND ${shipped} "${lines}")
    string(TIMESTAMP end %s)
    math(EXPR seconds "${end} - ${start}")
    list(TRANSFORM packages REPLACE ".*/" "")
    list(JOIN packages " " names)
    message(STATUS "[${count}/${total}] ${preset}: ${names} (${seconds} s)")
endforeach()

# The repositories of the packages and the manifests of Windows' package
# managers, each made of what the products shipped, in the release's
# folder; then the checksums of everything.
foreach(what apt-repository rpm-repository pacman-repository manifests)
    part("the ${what}" make-${what}.cmake -D PACKAGES=${shipped} -D DIST=${out} -D GUESS_DOWNLOAD_URL=${GUESS_DOWNLOAD_URL})
endforeach()
part("the checksums" make-checksums.cmake -D DIR=${out})

# Into DIST, in place of what an earlier release put there (as its
# checksums list it): a signature of earlier checksums would no longer match.
file(MAKE_DIRECTORY ${DIST})
if(EXISTS ${DIST}/SHA256SUMS)
    file(STRINGS ${DIST}/SHA256SUMS earlier)
    list(TRANSFORM earlier REPLACE "^[0-9a-f]*  ([^/]*).*" "${DIST}/\\1")
    file(REMOVE_RECURSE ${earlier} ${DIST}/SHA256SUMS ${DIST}/SHA256SUMS.asc)
endif()
file(COPY ${out}/ DESTINATION ${DIST})
file(GLOB made RELATIVE ${out} ${out}/*)
list(SORT made)
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
message(STATUS "SHA256SUMS and the repositories (apt/, rpm/, arch/): ${signed} (GUESS_GPG_KEY)")
if(GUESS_DOWNLOAD_URL)
    message(STATUS "Its address, in the manifests of winget/ and scoop/: ${GUESS_DOWNLOAD_URL}")
else()
    message(STATUS "Its address, in the manifests of winget/ and scoop/: the README's placeholder (GUESS_DOWNLOAD_URL is not set)")
endif()
message(STATUS "The release, in ${DIST}:")
foreach(file IN LISTS made)
    message(STATUS "  ${file}")
endforeach()
