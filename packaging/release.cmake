# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release: the source tarball of the commit checked out, every
# product built from that tarball alone (what ships is what the tarball
# builds), checksums of them all, and signatures where keys are given. It
# runs no test: CI tests the commit, this builds what ships.
#   cmake [-D DIST=DIR] [-D FROM=guess-VERSION.tar.gz] -P packaging/release.cmake
# DIST is dist/ at the top of the checkout unless given. FROM makes the
# products again from a released source tarball instead, with no git, to
# compare them with the released ones. The keys come from the environment,
# so that no secret is on a command line or in a cache:
#   GUESS_AUTHENTICODE_PFX       a PKCS#12 file: guess.exe is signed with it
#   GUESS_AUTHENTICODE_PASSWORD  before it goes into the .zip and the .msi,
#                                and so is the .msi
#   GUESS_GPG_KEY                a key in the caller's keyring (GNUPGHOME is
#                                respected): SHA256SUMS.asc
# With -D CHECK_TOOLS=ON it only says whether every tool is installed.
cmake_minimum_required(VERSION 3.25)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT DIST)
    set(DIST ${top}/dist)
endif()
get_filename_component(DIST ${DIST} ABSOLUTE)  # relative to where it is run
include(${top}/cmake/FindTools.cmake)
include(${top}/cmake/CrossPrerequisites.cmake)

file(READ ${top}/CMakeLists.txt project)
string(REGEX MATCH "project\\(guess[^)]* VERSION ([0-9.]+)" project "${project}")
set(version ${CMAKE_MATCH_1})
set(name guess-${version})

# The products: the preset that builds each, what it is, and what it ships.
set(products
    "release|Linux, x86-64|guess_${version}_amd64.deb ${name}-linux-x86_64.tar.gz"
    "arm64|Linux, 64-bit ARM|guess_${version}_arm64.deb ${name}-linux-aarch64.tar.gz"
    "armhf|Linux, 32-bit ARMv7|guess_${version}_armhf.deb"
    "armel|Linux, 32-bit ARMv5|guess_${version}_armel.deb ${name}-linux-arm.tar.gz"
    "windows|Windows, x86-64|${name}-windows-x86_64.zip ${name}-windows-x86_64.msi"
    "web|web page|${name}-web.zip")

# Nothing is built unless everything can be.
set(pfx "$ENV{GUESS_AUTHENTICODE_PFX}")
set(gpg_key "$ENV{GUESS_GPG_KEY}")
if(FROM)
    get_filename_component(FROM ${FROM} ABSOLUTE)
else()
    set(git git:git)
endif()
set(tools ${git} gzip:gzip reuse:reuse ${GUESS_TOOLS_LINUX} ${GUESS_TOOLS_WINDOWS} ${GUESS_TOOLS_WEB})
if(pfx)
    list(APPEND tools osslsigncode:osslsigncode)
endif()
if(gpg_key)
    list(APPEND tools gpg:gpg)
endif()
guess_find_tools(missing ${tools})
set(problems "")
if(missing)
    list(APPEND problems "not installed: ${missing} (apt-get install ${missing})")
endif()
foreach(triplet aarch64-linux-gnu arm-linux-gnueabihf arm-linux-gnueabi)
    guess_cross_missing(${triplet} cross_missing)
    if(cross_missing)
        list(APPEND problems "for ${triplet}: ${cross_missing}")
    endif()
endforeach()
if(problems)
    list(JOIN problems "\n  " problems)
    message(FATAL_ERROR "A release needs tools that are not installed:\n  ${problems}")
endif()
if(CHECK_TOOLS)
    return()
endif()

function(git)
    execute_process(COMMAND ${GUESS_GIT} -C ${top} ${ARGN}
        OUTPUT_VARIABLE out OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(out "${out}" PARENT_SCOPE)
endfunction()
if(NOT FROM)
    if(NOT EXISTS ${top}/.git)
        message(FATAL_ERROR "${top} is no git checkout, and a release is made of a commit. To build a released source tarball again, name it with -D FROM=guess-${version}.tar.gz.")
    endif()
    git(status --porcelain --untracked-files=no)
    if(out)
        message(FATAL_ERROR "The working tree has uncommitted changes to tracked files; a release is made of a commit. Commit or stash them first:\n${out}")
    endif()
endif()
if(pfx AND NOT EXISTS "${pfx}")
    message(FATAL_ERROR "GUESS_AUTHENTICODE_PFX names no file: ${pfx}")
endif()
if(gpg_key)
    execute_process(COMMAND ${GUESS_GPG} --batch --list-secret-keys ${gpg_key}
        RESULT_VARIABLE no_key OUTPUT_QUIET ERROR_QUIET)
    if(no_key)
        message(FATAL_ERROR "GUESS_GPG_KEY names no secret key in the keyring: ${gpg_key}")
    endif()
endif()
if(FROM)
    message(STATUS "guess ${version} from ${FROM}, into ${DIST}")
else()
    git(log -1 --format=%h,\ %cI HEAD)
    message(STATUS "guess ${version} from commit ${out}, into ${DIST}")
endif()

# Built in a temporary directory, which goes at the end; if anything fails,
# it stays, with the logs of every step.
set(tmp "$ENV{TMPDIR}")
if(NOT tmp)
    set(tmp /tmp)
endif()
execute_process(COMMAND mktemp -d ${tmp}/guess-release.XXXXXX
    OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(out ${work}/out)
set(logs ${work}/logs)
file(MAKE_DIRECTORY ${out} ${logs})

# Runs a step of a product's build, logged in a file of its own; a failure
# stops the release with the end of the log.
function(step product what)
    string(MAKE_C_IDENTIFIER "${product} ${what}" log)
    set(log ${logs}/${log}.log)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${work}/${name}
        OUTPUT_FILE ${log} ERROR_FILE ${log} RESULT_VARIABLE failed)
    if(failed)
        file(STRINGS ${log} lines)
        list(LENGTH lines count)
        if(count GREATER 30)
            math(EXPR from "${count} - 30")
            list(SUBLIST lines ${from} -1 lines)
        endif()
        list(JOIN lines "\n" lines)
        message(FATAL_ERROR "${product}: ${what} failed:\n${lines}\n"
            "The whole log is ${log}; the build is kept in ${work}.")
    endif()
endfunction()

# Signs a Windows file in place (Authenticode, SHA-256). The password goes
# from the environment to osslsigncode's standard input, not onto a command
# line, where anyone could read it.
function(sign file)
    get_filename_component(signed ${file} NAME)
    step(windows "sign ${signed}" sh -c [[printf '%s' "$GUESS_AUTHENTICODE_PASSWORD" |
        "$0" sign -pkcs12 "$GUESS_AUTHENTICODE_PFX" -readpass /dev/stdin -h sha256 -n guess -in "$1" -out "$1.signed" &&
        mv "$1.signed" "$1"]] ${GUESS_OSSLSIGNCODE} ${file})
endfunction()

# The source tarball: the commit's tracked files under guess-VERSION/, with
# the commit's time written into packaging/commit-time (.gitattributes). Its
# bytes depend on the commit alone, not on the caller's git settings.
set(tarball ${out}/${name}.tar.gz)
if(FROM)
    file(COPY_FILE ${FROM} ${tarball})
else()
    execute_process(
        COMMAND ${GUESS_GIT} -C ${top} -c tar.umask=0022 -c core.autocrlf=false
            archive --format=tar --prefix=${name}/ HEAD
        COMMAND ${GUESS_GZIP} -9n
        OUTPUT_FILE ${tarball} COMMAND_ERROR_IS_FATAL ANY)
endif()
file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${work})
if(NOT EXISTS ${work}/${name}/CMakeLists.txt)
    message(FATAL_ERROR "${FROM} holds no ${name}/: not the source tarball of guess ${version}")
endif()
message(STATUS "Source: ${name}.tar.gz")

# The source SBOM: every file of the tarball with its checksum, copyright
# and license, as reuse reads them. What reuse would stamp on it that is not
# the sources' (the time it ran, a random name) is the commit's instead.
set(sbom ${out}/${name}.spdx)
execute_process(COMMAND ${GUESS_REUSE} spdx --output ${sbom} WORKING_DIRECTORY ${work}/${name}
    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(given_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT given_epoch)
    file(STRINGS ${work}/${name}/packaging/commit-time epoch LIMIT_COUNT 1)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})  # the time string(TIMESTAMP) tells
endif()
string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
if(NOT given_epoch)
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
file(SHA256 ${tarball} digest)
string(UUID document NAMESPACE 0776C023-D584-432D-BAB9-C4305C2ED17C NAME "sources ${digest}" TYPE SHA1)
file(READ ${sbom} spdx)
string(REGEX REPLACE "\nDocumentNamespace: [^\n]*" "\nDocumentNamespace: https://spdx.org/spdxdocs/${name}-${document}" spdx "${spdx}")
string(REGEX REPLACE "\nCreated: [^\n]*" "\nCreated: ${created}" spdx "${spdx}")
string(REGEX REPLACE "\nCreator: Person: [^\n]*\nCreator: Organization: [^\n]*"
    "\nCreator: Organization: The guess developers" spdx "${spdx}")
file(WRITE ${sbom} "${spdx}")
message(STATUS "Source SBOM: ${name}.spdx")

# Every product, built from the tarball's files.
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
get_filename_component(cmake_bin ${CMAKE_COMMAND} DIRECTORY)
list(LENGTH products total)
set(count 0)
foreach(product IN LISTS products)
    string(REPLACE "|" ";" product "${product}")
    list(GET product 0 preset)
    list(GET product 1 what)
    list(GET product 2 files)
    string(REPLACE " " ";" files "${files}")
    set(build ${work}/${name}/build-${preset})
    math(EXPR count "${count} + 1")
    message(STATUS "[${count}/${total}] ${what}: building")
    string(TIMESTAMP start %s)
    step(${preset} configure ${CMAKE_COMMAND} --preset ${preset} -DBUILD_TESTING=OFF)
    if(preset STREQUAL "windows" AND pfx)
        # The program is signed before the installer and the .zip take it.
        step(${preset} "build the program" ${CMAKE_COMMAND} --build --preset ${preset} --parallel ${jobs} --target guess)
        sign(${build}/guess.exe)
        file(SHA256 ${build}/guess.exe signed)
    endif()
    step(${preset} build ${CMAKE_COMMAND} --build --preset ${preset} --parallel ${jobs})
    step(${preset} package ${cmake_bin}/cpack --preset ${preset})
    if(preset STREQUAL "windows" AND pfx)
        file(SHA256 ${build}/guess.exe shipped)
        if(NOT shipped STREQUAL signed)
            message(FATAL_ERROR "windows: guess.exe was built again after it was signed; the build is kept in ${work}.")
        endif()
        sign(${build}/${name}-windows-x86_64.msi)
    endif()
    foreach(file IN LISTS files)
        file(COPY_FILE ${build}/${file} ${out}/${file})
    endforeach()
    string(TIMESTAMP end %s)
    math(EXPR seconds "${end} - ${start}")
    list(JOIN files " " files)
    message(STATUS "[${count}/${total}] ${what}: ${files} (${seconds} s)")
endforeach()

# The checksums, as sha256sum writes them and `sha256sum -c` reads them,
# and their signature.
file(GLOB shipped RELATIVE ${out} ${out}/*)
list(SORT shipped)
set(sums "")
foreach(file IN LISTS shipped)
    file(SHA256 ${out}/${file} sum)
    string(APPEND sums "${sum}  ${file}\n")
endforeach()
file(WRITE ${out}/SHA256SUMS "${sums}")
if(gpg_key)
    step(release "sign SHA256SUMS" ${GUESS_GPG} --batch --yes --local-user ${gpg_key}
        --armor --detach-sign --output ${out}/SHA256SUMS.asc ${out}/SHA256SUMS)
endif()

# Into DIST, in place of the same files of an earlier run; a signature of
# earlier checksums would no longer match.
file(MAKE_DIRECTORY ${DIST})
file(REMOVE ${DIST}/SHA256SUMS.asc)
file(GLOB made RELATIVE ${out} ${out}/*)
list(SORT made)
foreach(file IN LISTS made)
    file(COPY_FILE ${out}/${file} ${DIST}/${file})
endforeach()
file(REMOVE_RECURSE ${work})

if(pfx)
    message(STATUS "guess.exe and the .msi: signed (Authenticode, SHA-256)")
else()
    message(STATUS "guess.exe and the .msi: unsigned (GUESS_AUTHENTICODE_PFX is not set)")
endif()
if(gpg_key)
    message(STATUS "SHA256SUMS: signed by ${gpg_key}, in SHA256SUMS.asc")
else()
    message(STATUS "SHA256SUMS: unsigned (GUESS_GPG_KEY is not set)")
endif()
message(STATUS "The release, in ${DIST}:")
foreach(file IN LISTS made)
    message(STATUS "  ${file}")
endforeach()
