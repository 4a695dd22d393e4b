# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Windows installer: packaging/windows/guess.wxs built by wixl,
# with what wixl cannot say added to its tables afterwards, and nothing in
# it that depends on when or where it was built. The Windows build runs it
# (cmake/Windows.cmake), and so do the tests, which make the next version's
# installer from the same files with -D PROJECT_VERSION=...
#   cmake -D GUESS_SETTINGS=FILE [-D PROJECT_VERSION=VERSION] -D OUTPUT=FILE.msi -P make-msi.cmake
cmake_minimum_required(VERSION 3.25)
include(${GUESS_SETTINGS})
include(${PROJECT_SOURCE_DIR}/cmake/Tools.cmake)
guess_find_tools(missing ${GUESS_TOOLS_WINDOWS})
if(missing)
    message(FATAL_ERROR "The installer is made with tools that are ${missing}")
endif()
set(WORK ${OUTPUT}.files)

# Codes that are a function of their name: the same name, the same code.
set(namespace 0776C023-D584-432D-BAB9-C4305C2ED17C)
function(code var name)
    string(UUID uuid NAMESPACE ${namespace} NAME "${name}" TYPE SHA1 UPPER)
    set(${var} ${uuid} PARENT_SCOPE)
endfunction()

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The files as they go into the cabinet, which records their times (in
# local time, hence UTC).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${GUESS_INSTALLER_FILES} DESTINATION ${WORK})
foreach(file IN LISTS GUESS_INSTALLER_FILES)
    get_filename_component(name ${file} NAME)
    run(touch -d @${GUESS_SOURCE_DATE_EPOCH} ${WORK}/${name})
endforeach()

# wixl and msibuild stamp the package with the time they run: hold their
# clock at the sources' time, and let them see the files' own times.
set(ENV{SOURCE_DATE_EPOCH} ${GUESS_SOURCE_DATE_EPOCH})
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC)
set(held ${CMAKE_COMMAND} -E env TZ=UTC0 NO_FAKE_STAT=1 ${GUESS_FAKETIME} -f "${when}")

# A new version is a new product, which replaces the one before it.
code(product_code "product ${PROJECT_VERSION}")
run(${held} ${GUESS_WIXL} -a x64 -o package.msi
    -D Version=${PROJECT_VERSION} -D ProductCode=${product_code}
    -D Vendor=${GUESS_VENDOR} -D Description=${PROJECT_DESCRIPTION} ${PROJECT_SOURCE_DIR}/packaging/windows/guess.wxs)

# The install folder is appended to the player's PATH, and only that part is
# taken out again: "=-" sets it and removes it with the component, "[~];"
# keeps what was there before. wixl has no element for it. (Arguments with
# a semicolon are given to execute_process() as they stand: in a list they
# would fall apart.)
execute_process(COMMAND ${held} ${GUESS_MSIBUILD} package.msi
    -q "CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, `Name` CHAR(255) NOT NULL LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE, `Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)"
    -q "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) VALUES ('PATH', '=-PATH', '[~];[INSTALLDIR]', 'Game')"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)"
    WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)

# The package code names these very bytes: wixl draws it at random, so it is
# replaced first by a fixed one, then by one reckoned from the result.
function(set_package_code uuid)
    execute_process(COMMAND ${held} ${GUESS_MSIBUILD} package.msi
        -s "guess ${PROJECT_VERSION}" "${GUESS_VENDOR}" "x64;1033" "{${uuid}}"
        WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set_package_code(00000000-0000-0000-0000-000000000000)
file(SHA256 ${WORK}/package.msi contents)
code(package_code "package ${contents}")
set_package_code(${package_code})

file(COPY_FILE ${WORK}/package.msi ${OUTPUT})
