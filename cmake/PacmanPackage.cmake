# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Arch package, for Arch Linux and its ports (Arch Linux ARM, Arch
# Linux 32) and derivatives: the same files as the RPM package, staged by
# CPack's External generator and packed by makepkg from
# packaging/arch/PKGBUILD.in (scripts/make-pacman-package.cmake).
list(APPEND CPACK_GENERATOR External)
guess_setting(GUESS_COMPONENTS_External static docs desktop)
guess_need_tools("The Arch package" PACMAN)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/make-pacman-package.cmake)
# Staged under /usr, where the package installs it.
guess_setting(GUESS_PACKAGING_PREFIX_External /usr)
foreach(name GUESS_PACMAN_ARCHITECTURE GUESS_SUMMARY GUESS_MAKEPKG GUESS_UNSHARE GUESS_SETPRIV)
    guess_setting(${name} ${${name}})
endforeach()
