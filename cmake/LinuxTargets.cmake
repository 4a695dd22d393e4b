# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Linux targets, a row each, and all that names them. A target is named
# by its Debian architecture, whose GNU triplet dpkg-architecture says
# (cmake/toolchains/linux.cmake). Then, "-" where there is none:
#   .deb        whether Debian releases packages of it, which the .deb takes
#   .tar.gz     the static program's name of the processor: as `uname -m`
#               names it, or its family where that names a version (arm)
#   uname -m    the machines, as `uname -m` names them, that the website's
#               install.sh installs that .tar.gz on
#   .rpm, Arch  rpm's (`rpm --eval %_target_cpu` there) and pacman's (its
#               port's) names of the architecture, for the packages of the
#               static program
# The product of a row is the `linux` preset with GUESS_DEBIAN_ARCHITECTURE
# set to its first field (scripts/release.cmake builds each); a row that
# ships a static program ships it static-pie where the C library has the
# start-up code for it (cmake/Hardening.cmake).
include_guard(GLOBAL)
set(GUESS_LINUX_TARGETS
    # Debian | .deb | .tar.gz | `uname -m`                      | .rpm    | Arch
    "amd64   | yes  | x86_64  | x86_64                          | x86_64  | x86_64"
    "arm64   | yes  | aarch64 | aarch64                         | aarch64 | aarch64"
    "armhf   | yes  | -       | -                               | -       | -"
    "armel   | yes  | arm     | armv5tel armv6l armv7l armv8l   | armv7hl | armv7h"
    "i386    | yes  | i686    | i686                            | i686    | i686"
    "ppc64el | yes  | ppc64le | ppc64le                         | ppc64le | -"
    "s390x   | yes  | s390x   | s390x                           | s390x   | -"
    "riscv64 | -    | riscv64 | riscv64                         | riscv64 | riscv64")

# Sets, of the row of ARCHITECTURE, GUESS_DEBIAN_PACKAGE,
# GUESS_TARBALL_PROCESSOR, GUESS_MACHINES (a list), GUESS_RPM_ARCHITECTURE
# and GUESS_PACMAN_ARCHITECTURE ("" for "-").
macro(guess_linux_target architecture)
    set(guess_row ${GUESS_LINUX_TARGETS})
    list(FILTER guess_row INCLUDE REGEX "^${architecture} ")
    if(NOT guess_row)
        message(FATAL_ERROR "${architecture} is no Linux target: cmake/LinuxTargets.cmake has no row of it")
    endif()
    string(REGEX REPLACE " *[|] *" ";" guess_row "${guess_row}")
    list(TRANSFORM guess_row REPLACE "^-$" "")
    list(POP_FRONT guess_row GUESS_TARGET GUESS_DEBIAN_PACKAGE GUESS_TARBALL_PROCESSOR GUESS_MACHINES
        GUESS_RPM_ARCHITECTURE GUESS_PACMAN_ARCHITECTURE)
    separate_arguments(GUESS_MACHINES)
endmacro()
