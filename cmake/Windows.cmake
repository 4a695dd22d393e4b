# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# What the Windows program carries besides its code, and what it ships in:
# its resources (icon, version, manifest), documents a Windows player can
# open, and the installer. They are made with Debian's tools; without them
# the Windows build stops while it is configured and says what to install.

set(GUESS_WINDOWS_PACKAGE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-x86_64)

include(${PROJECT_SOURCE_DIR}/cmake/FindTools.cmake)
include(${PROJECT_SOURCE_DIR}/cmake/Notices.cmake)
guess_find_tools(missing ${GUESS_TOOLS_WINDOWS})
if(missing)
    message(FATAL_ERROR "The Windows program and its packages are made with tools that are not installed: ${missing} (apt-get install ${missing})")
endif()

# The icon, drawn in src/guess.svg, at the sizes Windows shows it: 16 and 24
# in lists and title bars, 32 and 48 on the desktop and in Explorer, 256 in
# large views, where it is kept as PNG, as Windows reads it.
include(${PROJECT_SOURCE_DIR}/cmake/Icons.cmake)
set(GUESS_ICON ${PROJECT_BINARY_DIR}/guess.ico)
set(pngs "")
set(icotool_pngs "")
foreach(size 16 24 32 48 256)
    set(png ${PROJECT_BINARY_DIR}/icon/${size}.png)
    guess_render_icon(${PROJECT_SOURCE_DIR}/src/guess.svg ${size} ${png})
    list(APPEND pngs ${png})
    if(size EQUAL 256)
        list(APPEND icotool_pngs -r)
    endif()
    list(APPEND icotool_pngs ${png})
endforeach()
add_custom_command(OUTPUT ${GUESS_ICON}
    COMMAND ${GUESS_ICOTOOL} -c -o ${GUESS_ICON} ${icotool_pngs}
    DEPENDS ${pngs}
    VERBATIM)

# The resources of a Windows program target.
function(guess_windows_resources target)
    enable_language(RC)
    configure_file(src/version.h.in version.h @ONLY)
    configure_file(src/guess.manifest.in guess.manifest @ONLY)
    target_sources(${target} PRIVATE src/guess.rc)
    target_include_directories(${target} PRIVATE ${PROJECT_BINARY_DIR} src)
    set(made ${GUESS_ICON} ${PROJECT_BINARY_DIR}/guess.manifest ${PROJECT_BINARY_DIR}/version.h)
    set_property(SOURCE src/guess.rc APPEND PROPERTY OBJECT_DEPENDS ${made})
    if(MSVC)
        # The linker embeds the manifest given as a source; its own request
        # for a privilege level would only compete with ours.
        target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/guess.manifest)
        target_link_options(${target} PRIVATE /MANIFESTUAC:NO)
    else()
        set_property(SOURCE src/guess.rc APPEND PROPERTY COMPILE_DEFINITIONS GUESS_EMBED_MANIFEST)
    endif()
endfunction()

# The README and the license with Windows' line ends and a name that a
# double-click opens.
configure_file(README.md README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

# The installer (packaging/guess.wxs), beside the .zip. What it is made of
# is written down for packaging/make-msi.cmake, which the tests also run to
# make the next version's installer.
function(guess_windows_installer target)
    set(msi ${PROJECT_BINARY_DIR}/${GUESS_WINDOWS_PACKAGE_NAME}.msi)
    set(settings ${PROJECT_BINARY_DIR}/msi-settings.cmake)
    set(notices ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
    set(files $<TARGET_FILE:${target}> ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
        ${notices} ${GUESS_ICON})
    file(GENERATE OUTPUT ${settings} CONTENT "# What the installer is made of: read by packaging/make-msi.cmake.
set(FILES \"${files}\")
if(NOT VERSION)
    set(VERSION ${PROJECT_VERSION})
endif()
set(VENDOR \"${GUESS_VENDOR}\")
set(DESCRIPTION \"${PROJECT_DESCRIPTION}\")
set(EPOCH ${GUESS_SOURCE_DATE_EPOCH})
")
    add_custom_command(OUTPUT ${msi}
        COMMAND ${CMAKE_COMMAND} -D SETTINGS=${settings} -D OUTPUT=${msi}
            -P ${PROJECT_SOURCE_DIR}/packaging/make-msi.cmake
        DEPENDS ${target} ${target}-notices ${settings} ${GUESS_ICON} ${PROJECT_BINARY_DIR}/README.txt
            ${PROJECT_BINARY_DIR}/LICENSE.txt
            packaging/guess.wxs packaging/make-msi.cmake
        VERBATIM)
    add_custom_target(installer ALL DEPENDS ${msi})
endfunction()
