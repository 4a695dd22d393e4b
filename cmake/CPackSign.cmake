# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Run by CPack once it has staged what a package holds, before it packs it:
# the Windows program is signed there (cmake/Authenticode.cmake), so that
# the .zip and the installer hold it signed, while the build keeps the
# program it built.
include(${CPACK_GUESS_SETTINGS})
include(${PROJECT_SOURCE_DIR}/cmake/Authenticode.cmake)
foreach(name IN LISTS GUESS_AUTHENTICODE_SIGNED)
    file(GLOB_RECURSE staged ${CPACK_TEMPORARY_DIRECTORY}/${name})
    foreach(file IN LISTS staged)
        guess_authenticode_sign(${file})
    endforeach()
endforeach()
