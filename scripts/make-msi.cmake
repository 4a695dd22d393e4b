# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Windows installer, as CPack's External generator runs it once it
# has staged the files of the installer's components (cmake/Windows.cmake):
# packaging/windows/guess.wxs built by wixl, with what wixl cannot say added
# to its tables afterwards, nothing in it that depends on when or where it
# was built, and signed where a key is given. The tests make the next
# version's installer with it from the same files:
#   cpack --config BUILD/CPackConfig.cmake -G External -D CPACK_PACKAGE_VERSION=VERSION -B DIR
include(${CPACK_GUESS_SETTINGS})
include(${PROJECT_SOURCE_DIR}/cmake/Tools.cmake)
include(${PROJECT_SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
include(${PROJECT_SOURCE_DIR}/cmake/Authenticode.cmake)
guess_need_tools("The installer" WINDOWS)
set(staged ${CPACK_TEMPORARY_DIRECTORY})
set(version ${CPACK_PACKAGE_VERSION})
set(msi ${staged}/${CPACK_PACKAGE_FILE_NAME}.msi)

# Codes that are a function of their name: the same name, the same code.
set(namespace 0776C023-D584-432D-BAB9-C4305C2ED17C)
function(code var name)
    string(UUID uuid NAMESPACE ${namespace} NAME "${name}" TYPE SHA1 UPPER)
    set(${var} ${uuid} PARENT_SCOPE)
endfunction()

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${staged} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The cabinet records the files' times (in local time, hence UTC).
file(GLOB files ${staged}/*)
run(touch -d @${GUESS_SOURCE_DATE_EPOCH} ${files})

# wixl and msibuild stamp the package with the time they run: hold their
# clock at the sources' time, and let them see the files' own times.
guess_format_time(when "%Y-%m-%d %H:%M:%S")
set(held ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${GUESS_SOURCE_DATE_EPOCH} TZ=UTC0 NO_FAKE_STAT=1
    ${GUESS_FAKETIME} -f "${when}")

# A new version is a new product, which replaces the one before it.
code(product_code "product ${version}")
run(${held} ${GUESS_WIXL} -a x64 -o ${msi}
    -D Version=${version} -D ProductCode=${product_code}
    -D Vendor=${CPACK_PACKAGE_VENDOR} -D Description=${PROJECT_DESCRIPTION}
    ${PROJECT_SOURCE_DIR}/packaging/windows/guess.wxs)

# The install folder is appended to the player's PATH, and only that part is
# taken out again: "=-" sets it and removes it with the component, "[~];"
# keeps what was there before. wixl has no element for it. (Arguments with
# a semicolon are given to execute_process() as they stand: in a list they
# would fall apart.)
execute_process(COMMAND ${held} ${GUESS_MSIBUILD} ${msi}
    -q "CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, `Name` CHAR(255) NOT NULL LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE, `Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)"
    -q "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) VALUES ('PATH', '=-PATH', '[~];[INSTALLDIR]', 'Game')"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)"
    -q "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)"
    WORKING_DIRECTORY ${staged} COMMAND_ERROR_IS_FATAL ANY)

# The package code names these very bytes: wixl draws it at random, so it is
# replaced first by a fixed one, then by one reckoned from the result.
function(set_package_code uuid)
    execute_process(COMMAND ${held} ${GUESS_MSIBUILD} ${msi}
        -s "guess ${version}" "${CPACK_PACKAGE_VENDOR}" "x64;1033" "{${uuid}}"
        WORKING_DIRECTORY ${staged} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set_package_code(00000000-0000-0000-0000-000000000000)
file(SHA256 ${msi} contents)
code(package_code "package ${contents}")
set_package_code(${package_code})

guess_authenticode_sign(${msi})
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
