# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Debian package: the program as a distribution builds it, linked
# against the system's libraries, which its Depends then names. Its
# architecture is dpkg's name for the compiler's target, and dpkg-shlibdeps
# reckons its Depends from that architecture's own libraries: without them
# it would fail only at the end, in words a player does not know.
set(triplet ${GUESS_TARGET_TRIPLET})  # cmake/Packaging.cmake
guess_product_tools(linux ${triplet} ON tools)
guess_require_tools(missing GROUPS DEBIAN OTHER ${tools})
if(missing)
    message(FATAL_ERROR "The Debian package for ${triplet} is made with tools that are ${missing}")
endif()
guess_debian_architecture(${triplet})

list(APPEND CPACK_GENERATOR DEB)
guess_setting(GUESS_COMPONENTS_DEB program docs desktop debian)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${GUESS_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME ${PROJECT_NAME}_${PROJECT_VERSION}_${GUESS_DEB_ARCH}.deb)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
install(FILES packaging/debian/lintian-overrides RENAME ${PROJECT_NAME}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
