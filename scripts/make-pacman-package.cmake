# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Arch package, as CPack's External generator runs it once it has
# staged the package's components under /usr (cmake/PacmanPackage.cmake):
# makepkg packs them as packaging/arch/PKGBUILD.in says. makepkg refuses
# to run as root: run by root, it runs as nobody. It records where it
# built in the package, so it builds in a folder named by the package, the
# same in every build, one at a time; and it takes the commit's time
# (SOURCE_DATE_EPOCH) for its files and its build date.
include(${CPACK_GUESS_SETTINGS})
set(name ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-1-${GUESS_PACMAN_ARCHITECTURE})
set(work /tmp/guess-makepkg/${name})
set(package ${name}.pkg.tar.zst)
file(MAKE_DIRECTORY /tmp/guess-makepkg)
file(LOCK /tmp/guess-makepkg/${name}.lock)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(COPY ${CPACK_TEMPORARY_DIRECTORY}/ DESTINATION ${work}/files
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD ${work}/files/usr/bin/guess PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${PROJECT_SOURCE_DIR}/packaging/arch/PKGBUILD.in ${work}/PKGBUILD @ONLY)

# makepkg's settings, all of them, rather than the machine's: the target's
# architecture, what it does to the files (nothing: they are ready), and
# how it compresses them (as Arch does, on one thread).
file(WRITE ${work}/makepkg.conf "CARCH='${GUESS_PACMAN_ARCHITECTURE}'
CHOST='${GUESS_PACMAN_ARCHITECTURE}-pc-linux-gnu'
BUILDENV=(!distcc !color !ccache !check !sign)
OPTIONS=(!strip docs !libtool !staticlibs emptydirs !zipman !purge !debug !lto)
INTEGRITY_CHECK=(sha256)
PKGEXT='.pkg.tar.zst'
SRCEXT='.src.tar.gz'
COMPRESSZST=(zstd -c -q -19 -T1 -)
PACKAGER='${CPACK_PACKAGE_CONTACT}'
BUILDDIR='${work}/build'
PKGDEST='${work}'
SRCDEST='${work}/sources'
LOGDEST='${work}/logs'
")
set(as_user "")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
    execute_process(COMMAND chown -R nobody ${work} COMMAND_ERROR_IS_FATAL ANY)
    set(as_user ${GUESS_SETPRIV} --reuid=nobody --regid=nogroup --clear-groups)
endif()
execute_process(COMMAND ${as_user} ${CMAKE_COMMAND} -E env HOME=${work} SOURCE_DATE_EPOCH=${GUESS_SOURCE_DATE_EPOCH}
        ${GUESS_MAKEPKG} --config ${work}/makepkg.conf --nodeps --noconfirm
    WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${work}/${package} ${CPACK_TEMPORARY_DIRECTORY}/${package})
file(REMOVE_RECURSE ${work})
file(LOCK /tmp/guess-makepkg/${name}.lock RELEASE)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${CPACK_TEMPORARY_DIRECTORY}/${package})
