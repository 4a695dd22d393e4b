# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Windows installer of the files in STAGED (the program, its
# documents and its icon): packaging/windows/guess.wxs built by wixl, with
# what wixl cannot say added to its tables afterwards, and nothing in it
# that depends on when or where it was built (the time is
# SOURCE_DATE_EPOCH's; what it says of the game, cmake/About.cmake).
# scripts/pack.sh runs it, and signs what it makes; the tests make the next
# version's installer with it.
#   cmake -D STAGED=DIR -D OUTPUT=FILE -D VERSION=X.Y.Z -P make-msi.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/About.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Tool.cmake)
guess_find_program(wixl wixl wixl)
guess_find_program(msibuild msibuild msitools)
guess_find_program(faketime faketime faketime)

function(code var name)
    string(UUID uuid NAMESPACE ${GUESS_NAMESPACE} NAME "${name}" TYPE SHA1 UPPER)
    set(${var} ${uuid} PARENT_SCOPE)
endfunction()

# wixl and msibuild stamp the package with the time they run: hold their
# clock at the sources' time, and let them see the files' own times, which
# the cabinet records (in local time, hence UTC). faketime's library is
# loaded as its wrapper loads it, but without the wrapper, which shares the
# clock between processes through POSIX semaphores that an ordinary user
# cannot make where /dev/shm is root's (a chroot that binds /dev alone): a
# clock that stands still needs no sharing.
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC)
set(held ${CMAKE_COMMAND} -E env TZ=UTC0 NO_FAKE_STAT=1 "FAKETIME=${when}"
    [[LD_PRELOAD=/usr/$LIB/faketime/libfaketime.so.1]])
function(run)
    execute_process(COMMAND ${held} ${ARGN} WORKING_DIRECTORY ${STAGED} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# A new version is a new product, which replaces the one before it.
code(product_code "product ${VERSION}")
run(${wixl} -a x64 -o ${OUTPUT} -D Version=${VERSION} -D ProductCode=${product_code}
    -D Vendor=${GUESS_VENDOR} -D Description=${GUESS_ABOUT} ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/guess.wxs)

# The install folder is appended to the player's PATH, and only that part is
# taken out again: "=-" sets it and removes it with the component, "[~];"
# keeps what was there before. wixl has no element for it. (Arguments with
# a semicolon are given to execute_process() as they stand: in a list they
# would fall apart.)
execute_process(COMMAND ${held} ${msibuild} ${OUTPUT}
    -q "CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, `Name` CHAR(255) NOT NULL LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE, `Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)"
    -q "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) VALUES ('PATH', '=-PATH', '[~];[INSTALLDIR]', 'Game')"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)"
    WORKING_DIRECTORY ${STAGED} COMMAND_ERROR_IS_FATAL ANY)

# The package code names these very bytes: wixl draws it at random, so it is
# replaced first by a fixed one, then by one reckoned from the result.
function(set_package_code uuid)
    execute_process(COMMAND ${held} ${msibuild} ${OUTPUT} -s "guess ${VERSION}" "${GUESS_VENDOR}" "x64;1033" "{${uuid}}"
        WORKING_DIRECTORY ${STAGED} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set_package_code(00000000-0000-0000-0000-000000000000)
file(SHA256 ${OUTPUT} contents)
code(package_code "package ${contents}")
set_package_code(${package_code})
