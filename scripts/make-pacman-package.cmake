# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Makes the Arch package, as CPack's External generator runs it once it has
# staged the package's components under /usr (cmake/PacmanPackage.cmake):
# makepkg packs them as packaging/arch/PKGBUILD.in says, taking the
# commit's time (SOURCE_DATE_EPOCH) for its files and its build date.
# makepkg writes the folder it built in into the package, so every build
# shows it the same one, /mnt/NAME: a folder of the build's own, which
# holds its temporary files too, mounted over /mnt (which every system has,
# and which nothing here writes in) in a mount namespace of its own
# (unshare), which no other build and no other user sees. There makepkg runs as uid 65534, as it will not
# run as root. Root makes the namespace alone and becomes 65534 (setpriv),
# in a folder within one that only root may enter, as a chroot allows too;
# an ordinary user makes it in a user namespace of its own, in which it is
# 65534 and what it writes is its own.
include(${CPACK_GUESS_SETTINGS})
set(name ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-1-${GUESS_PACMAN_ARCHITECTURE})
set(package ${name}.pkg.tar.zst)
set(hidden ${CPACK_TOPLEVEL_DIRECTORY}/makepkg)
set(private ${hidden}/mnt)  # seen as /mnt
set(work ${private}/${name})
set(seen /mnt/${name})  # where makepkg sees it
file(REMOVE_RECURSE ${hidden})
file(MAKE_DIRECTORY ${work})
file(CHMOD ${hidden} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
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
BUILDDIR='${seen}/build'
PKGDEST='${seen}'
SRCDEST='${seen}/sources'
LOGDEST='${seen}/logs'
")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(uid STREQUAL "0")
    execute_process(COMMAND chown -R 65534:65534 ${private} COMMAND_ERROR_IS_FATAL ANY)
    # unshare would make the new namespace's mounts private, which a chroot
    # refuses (its root is no mount): they stay as they are, and where one
    # is shared with the world outside, the namespace makes them private
    # itself, or fails.
    set(namespace --mount --propagation unchanged)
    set(as_65534 ${GUESS_SETPRIV} --reuid=65534 --regid=65534 --clear-groups)
else()
    set(namespace --map-root-user --mount)
    set(as_65534 ${GUESS_UNSHARE} --map-user=65534 --map-group=65534)
endif()
execute_process(COMMAND ${GUESS_UNSHARE} ${namespace} sh -c [[
        if grep -q ' shared:' /proc/self/mountinfo; then mount --make-rprivate / || exit 1; fi
        mount --bind "$1" /mnt && cd "$2" && shift 2 && exec "$@"]]
        - ${private} ${seen} ${as_65534} ${CMAKE_COMMAND} -E env HOME=${seen} TMPDIR=${seen} SOURCE_DATE_EPOCH=${GUESS_SOURCE_DATE_EPOCH}
        ${GUESS_MAKEPKG} --config ${seen}/makepkg.conf --nodeps --noconfirm
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "makepkg failed in a mount namespace of its own (${GUESS_UNSHARE} ${namespace}): where it "
        "says nothing above, this system allows no such namespace, in which the Arch package is made so that "
        "every build records the same folder.")
endif()
file(COPY_FILE ${work}/${package} ${CPACK_TEMPORARY_DIRECTORY}/${package})
file(REMOVE_RECURSE ${hidden})
set(CPACK_EXTERNAL_BUILT_PACKAGES ${CPACK_TEMPORARY_DIRECTORY}/${package})
