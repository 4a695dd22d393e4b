# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes a release: the source tarball of the commit checked out, every
# product built from that tarball alone (what ships is what the tarball
# builds), checksums of them all, and signatures where keys are given. It
# runs no test: CI tests the commit, this builds what ships.
#   cmake [-D DIST=DIR] [-D FROM=guess-VERSION.tar.gz] -P scripts/release.cmake
# DIST is dist/ at the top of the checkout unless given. FROM makes the
# products again from a released source tarball instead, with no git, to
# compare them with the released ones. The keys come from the environment,
# so that no secret is on a command line or in a cache:
#   GUESS_AUTHENTICODE_PFX       a PKCS#12 file: guess.exe is signed with it
#   GUESS_AUTHENTICODE_PASSWORD  before it goes into the .zip and the .msi,
#                                and so is the .msi
#   GUESS_GPG_KEY                a key in the caller's keyring (GNUPGHOME is
#                                respected): SHA256SUMS.asc, and the Debian
#                                repository's InRelease and Release.gpg
# With -D CHECK_TOOLS=ON it only says whether every tool is installed.
#
# The products are the presets that a workflow packages (cmake/Presets.cmake);
# each configured build says, in its settings, its version and the files it
# ships.
cmake_minimum_required(VERSION 3.25)
get_filename_component(top ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT DIST)
    set(DIST ${top}/dist)
endif()
get_filename_component(DIST ${DIST} ABSOLUTE)  # relative to where it is run
include(${top}/cmake/Presets.cmake)

# Nothing is built unless everything can be.
set(pfx "$ENV{GUESS_AUTHENTICODE_PFX}")
set(gpg_key "$ENV{GUESS_GPG_KEY}")
set(tools ${GUESS_TOOLS_RELEASE})
if(FROM)
    get_filename_component(FROM ${FROM} ABSOLUTE)
    list(FILTER tools EXCLUDE REGEX "^git:")
endif()
if(pfx)
    list(APPEND tools ${GUESS_TOOLS_AUTHENTICODE})
endif()
if(gpg_key)
    list(APPEND tools ${GUESS_TOOLS_GPG})
endif()
guess_products(products)
foreach(preset IN LISTS products)
    guess_product(${preset} product)
    list(APPEND tools ${product_TOOLS})
endforeach()
guess_find_tools(missing ${tools})
if(missing)
    message(FATAL_ERROR "A release needs tools that are ${missing}")
endif()
if(CHECK_TOOLS)
    return()
endif()

function(git)
    execute_process(COMMAND ${GUESS_GIT} -C ${top} ${ARGN}
        OUTPUT_VARIABLE said OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(git_said "${said}" PARENT_SCOPE)
endfunction()
if(NOT FROM)
    if(NOT EXISTS ${top}/.git)
        message(FATAL_ERROR "${top} is no git checkout, and a release is made of a commit. To build a released source tarball again, name it with -D FROM=guess-VERSION.tar.gz.")
    endif()
    git(status --porcelain --untracked-files=no)
    if(git_said)
        message(FATAL_ERROR "The working tree has uncommitted changes to tracked files; a release is made of a commit. Commit or stash them first:\n${git_said}")
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

# Runs a step, logged in a file of its own, in `dir`; a failure stops the
# release with the end of the log.
function(step dir what)
    string(MAKE_C_IDENTIFIER "${what}" log)
    set(log ${logs}/${log}.log)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${dir}
        OUTPUT_FILE ${log} ERROR_FILE ${log} RESULT_VARIABLE failed)
    if(failed)
        file(STRINGS ${log} lines)
        list(LENGTH lines count)
        if(count GREATER 30)
            math(EXPR from "${count} - 30")
            list(SUBLIST lines ${from} -1 lines)
        endif()
        list(JOIN lines "\n" lines)
        message(FATAL_ERROR "${what} failed:\n${lines}\n"
            "The whole log is ${log}; the build is kept in ${work}.")
    endif()
endfunction()

# Sets `prefix`_NAME to a value of a configured build's settings.
function(configured build prefix)
    include(${build}/guess-settings.cmake)
    foreach(name IN LISTS ARGN)
        set(${prefix}_${name} "${${name}}" PARENT_SCOPE)
    endforeach()
endfunction()

# The source tarball: the commit's tracked files under guess-VERSION/, with
# the commit's time written into packaging/commit-time (.gitattributes). Its
# bytes depend on the commit alone, not on the caller's git settings. The
# version is the project's, as a build of the checkout configures it.
if(FROM)
    file(ARCHIVE_EXTRACT INPUT ${FROM} DESTINATION ${work})
    file(GLOB sources LIST_DIRECTORIES true RELATIVE ${work} ${work}/guess-*)
    list(LENGTH sources count)
    if(NOT count EQUAL 1 OR NOT EXISTS ${work}/${sources}/CMakeLists.txt)
        message(FATAL_ERROR "${FROM} holds no guess-VERSION/: not a source tarball of guess")
    endif()
    set(name ${sources})
    string(REGEX REPLACE "^guess-" "" version ${name})
    file(COPY_FILE ${FROM} ${out}/${name}.tar.gz)
    message(STATUS "guess ${version} from ${FROM}, into ${DIST}")
else()
    step(${work} "configure the checkout for its version"
        ${CMAKE_COMMAND} -S ${top} -B ${work}/checkout -DBUILD_TESTING=OFF)
    configured(${work}/checkout checkout PROJECT_VERSION)
    set(version ${checkout_PROJECT_VERSION})
    set(name guess-${version})
    execute_process(
        COMMAND ${GUESS_GIT} -C ${top} -c tar.umask=0022 -c core.autocrlf=false
            archive --format=tar --prefix=${name}/ HEAD
        COMMAND ${GUESS_GZIP} -9n
        OUTPUT_FILE ${out}/${name}.tar.gz COMMAND_ERROR_IS_FATAL ANY)
    file(ARCHIVE_EXTRACT INPUT ${out}/${name}.tar.gz DESTINATION ${work})
    git(log -1 --format=%h,\ %cI HEAD)
    message(STATUS "guess ${version} from commit ${git_said}, into ${DIST}")
endif()
set(source ${work}/${name})
message(STATUS "Source: ${name}.tar.gz")

# The source SBOM: every file of the tarball with its checksum, copyright
# and license, as reuse reads them. What reuse would stamp on it that is not
# the sources' (the time it ran, a random name) is the commit's instead.
set(sbom ${out}/${name}.spdx)
execute_process(COMMAND ${GUESS_REUSE} spdx --output ${sbom} WORKING_DIRECTORY ${source}
    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(given_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(epoch "${given_epoch}")
if(NOT given_epoch)
    file(STRINGS ${source}/packaging/commit-time epoch LIMIT_COUNT 1)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})  # the time string(TIMESTAMP) tells
endif()
string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
if(NOT given_epoch)
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
file(SHA256 ${out}/${name}.tar.gz digest)
string(UUID document NAMESPACE 0776C023-D584-432D-BAB9-C4305C2ED17C NAME "sources ${digest}" TYPE SHA1)
file(READ ${sbom} spdx)
string(REGEX REPLACE "\nDocumentNamespace: [^\n]*" "\nDocumentNamespace: https://spdx.org/spdxdocs/${name}-${document}" spdx "${spdx}")
string(REGEX REPLACE "\nCreated: [^\n]*" "\nCreated: ${created}" spdx "${spdx}")
string(REGEX REPLACE "\nCreator: Person: [^\n]*\nCreator: Organization: [^\n]*"
    "\nCreator: Organization: The guess developers" spdx "${spdx}")
file(WRITE ${sbom} "${spdx}")
message(STATUS "Source SBOM: ${name}.spdx")

# Every product configured from the tarball's files first, so that none is
# built unless all can be; each says what it ships.
list(LENGTH products total)
set(count 0)
foreach(preset IN LISTS products)
    step(${source} "${preset}: configure" ${CMAKE_COMMAND} --preset ${preset} -DBUILD_TESTING=OFF)
    guess_preset_get(${preset} build binaryDir)
    string(REPLACE "\${sourceDir}" "${source}" build "${build}")
    string(REPLACE "\${presetName}" "${preset}" build "${build}")
    configured(${build} ${preset} PROJECT_VERSION GUESS_SHIPPED GUESS_AUTHENTICODE_SIGNED)
    if(NOT ${preset}_PROJECT_VERSION STREQUAL version)
        message(FATAL_ERROR "${preset}: builds version ${${preset}_PROJECT_VERSION}, not ${version}")
    endif()
    set(${preset}_BUILD ${build})
endforeach()

# Signs a Windows file in place (Authenticode, SHA-256). The password goes
# from the environment to osslsigncode's standard input, not onto a command
# line, where anyone could read it.
function(sign file)
    get_filename_component(signed ${file} NAME)
    step(${work} "sign ${signed}" sh -c [[printf '%s' "$GUESS_AUTHENTICODE_PASSWORD" |
        "$0" sign -pkcs12 "$GUESS_AUTHENTICODE_PFX" -readpass /dev/stdin -h sha256 -n guess -in "$1" -out "$1.signed" &&
        mv "$1.signed" "$1"]] ${GUESS_OSSLSIGNCODE} ${file})
endfunction()

# Every product built and packaged. A program that is signed is signed
# before any package takes it, and its installer after.
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
get_filename_component(cmake_bin ${CMAKE_COMMAND} DIRECTORY)
foreach(preset IN LISTS products)
    guess_product(${preset} product)
    math(EXPR count "${count} + 1")
    message(STATUS "[${count}/${total}] ${preset}: ${product_DISPLAY}")
    string(TIMESTAMP start %s)
    set(signed ${${preset}_GUESS_AUTHENTICODE_SIGNED})
    if(pfx AND signed)
        list(POP_FRONT signed program)
        step(${source} "${preset}: build the program" ${CMAKE_COMMAND} --build --preset ${preset} --parallel ${jobs} --target guess)
        sign(${program})
        file(SHA256 ${program} signed_program)
    endif()
    step(${source} "${preset}: build" ${CMAKE_COMMAND} --build --preset ${preset} --parallel ${jobs})
    step(${source} "${preset}: package" ${cmake_bin}/cpack --preset ${preset})
    if(pfx AND signed)
        file(SHA256 ${program} shipped)
        if(NOT shipped STREQUAL signed_program)
            message(FATAL_ERROR "${preset}: ${program} was built again after it was signed; the build is kept in ${work}.")
        endif()
        foreach(file IN LISTS signed)
            sign(${file})
        endforeach()
    endif()
    foreach(file IN LISTS ${preset}_GUESS_SHIPPED)
        if(NOT EXISTS ${${preset}_BUILD}/${file})
            message(FATAL_ERROR "${preset}: made no ${file}; the build is kept in ${work}.")
        endif()
        file(COPY_FILE ${${preset}_BUILD}/${file} ${out}/${file})
    endforeach()
    string(TIMESTAMP end %s)
    math(EXPR seconds "${end} - ${start}")
    list(JOIN ${preset}_GUESS_SHIPPED " " files)
    message(STATUS "[${count}/${total}] ${preset}: ${files} (${seconds} s)")
endforeach()

# The Debian repository of the release (apt/), which apt takes each new
# version from once a player has added it: every Debian package, the index
# of each architecture's, and their Release, dated with the commit's time,
# as apt-ftparchive would date it with the time it runs. Signed with the
# key that signs SHA256SUMS, it is what apt trusts, and the key's public
# half goes beside it.
set(apt ${out}/apt)
file(GLOB debs ${out}/*.deb)
file(COPY ${debs} DESTINATION ${apt}/pool)
set(architectures "")
foreach(deb IN LISTS debs)
    string(REGEX REPLACE ".*_([^_]+)\\.deb$" "\\1" architecture ${deb})
    list(APPEND architectures ${architecture})
endforeach()
list(SORT architectures)
set(dists ${apt}/dists/stable)
foreach(architecture IN LISTS architectures)
    set(index ${dists}/main/binary-${architecture})
    file(MAKE_DIRECTORY ${index})
    step(${apt} "index the ${architecture} packages"
        sh -c [["$0" --arch "$1" packages pool >"$2/Packages" && gzip -9n -c "$2/Packages" >"$2/Packages.gz"]]
        ${GUESS_APT_FTPARCHIVE} ${architecture} ${index})
endforeach()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S UTC" UTC)
if(NOT given_epoch)
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
list(JOIN architectures " " architectures)
set(field APT::FTPArchive::Release)
execute_process(COMMAND ${GUESS_APT_FTPARCHIVE} -o ${field}::Origin=guess -o ${field}::Label=guess
        -o ${field}::Suite=stable -o ${field}::Codename=stable -o ${field}::Components=main
        -o "${field}::Architectures=${architectures}" -o "${field}::Description=guess ${version}"
        -o "${field}::Date=${date}" release dists/stable
    WORKING_DIRECTORY ${apt} OUTPUT_FILE ${work}/Release COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${work}/Release ${dists}/Release)
if(gpg_key)
    step(${work} "sign the repository" sh -c [[
        "$0" --batch --yes --local-user "$1" --clearsign --output "$2/InRelease" "$2/Release" &&
        "$0" --batch --yes --local-user "$1" --armor --detach-sign --output "$2/Release.gpg" "$2/Release" &&
        "$0" --batch --export "$1" >"$3"]] ${GUESS_GPG} ${gpg_key} ${dists} ${out}/guess-archive-keyring.gpg)
endif()

# The checksums, as sha256sum writes them and `sha256sum -c` reads them,
# and their signature.
file(GLOB shipped LIST_DIRECTORIES false RELATIVE ${out} ${out}/*)
list(SORT shipped)
set(sums "")
foreach(file IN LISTS shipped)
    file(SHA256 ${out}/${file} sum)
    string(APPEND sums "${sum}  ${file}\n")
endforeach()
file(WRITE ${out}/SHA256SUMS "${sums}")
if(gpg_key)
    step(${work} "sign SHA256SUMS" ${GUESS_GPG} --batch --yes --local-user ${gpg_key}
        --armor --detach-sign --output ${out}/SHA256SUMS.asc ${out}/SHA256SUMS)
endif()

# Into DIST, in place of the same files of an earlier run; a signature of
# earlier checksums would no longer match.
file(MAKE_DIRECTORY ${DIST})
file(REMOVE_RECURSE ${DIST}/SHA256SUMS.asc ${DIST}/guess-archive-keyring.gpg ${DIST}/apt)
file(GLOB made LIST_DIRECTORIES false RELATIVE ${out} ${out}/*)
list(SORT made)
foreach(file IN LISTS made)
    file(COPY_FILE ${out}/${file} ${DIST}/${file})
endforeach()
file(COPY ${apt} DESTINATION ${DIST})
list(APPEND made apt/)
file(REMOVE_RECURSE ${work})

if(pfx)
    message(STATUS "guess.exe and the .msi: signed (Authenticode, SHA-256)")
else()
    message(STATUS "guess.exe and the .msi: unsigned (GUESS_AUTHENTICODE_PFX is not set)")
endif()
if(gpg_key)
    message(STATUS "SHA256SUMS: signed by ${gpg_key}, in SHA256SUMS.asc")
    message(STATUS "apt/: signed by ${gpg_key} (InRelease, Release.gpg), whose key is guess-archive-keyring.gpg")
else()
    message(STATUS "SHA256SUMS: unsigned (GUESS_GPG_KEY is not set)")
    message(STATUS "apt/: unsigned (GUESS_GPG_KEY is not set), which apt refuses")
endif()
message(STATUS "The release, in ${DIST}:")
foreach(file IN LISTS made)
    message(STATUS "  ${file}")
endforeach()
