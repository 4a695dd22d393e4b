# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The Windows program, which waits for a key with the command interpreter's
# pause, and what it carries besides its code: its resources (icon,
# version, manifest). It ships side by side with documents a Windows player
# can open, in a .zip and in an installer, both holding the program signed
# where a key is given (scripts/pack.sh).
include(Icons)
guess_find_program(GUESS_ICOTOOL icotool icoutils)
include(Notices)

# The icon, drawn in src/guess.svg, at the sizes Windows shows it: 16 and 24
# in lists and title bars, 32 and 48 on the desktop and in Explorer, 256 in
# large views, where it is kept as PNG, as Windows reads it.
set(GUESS_ICON ${PROJECT_BINARY_DIR}/guess.ico)
set(pngs "")
set(icotool_pngs "")
foreach(size 16 24 32 48 256)
    set(png ${PROJECT_BINARY_DIR}/icon/${size}.png)
    guess_icon(${size} ${png})
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

add_guess_program(guess)
target_sources(guess PRIVATE src/wait_for_key_windows.cpp)
enable_language(RC)
configure_file(src/version.h.in version.h @ONLY)
configure_file(src/guess.manifest.in guess.manifest @ONLY)
target_sources(guess PRIVATE src/guess.rc)
target_include_directories(guess PRIVATE ${PROJECT_BINARY_DIR} src)
set_property(SOURCE src/guess.rc APPEND PROPERTY OBJECT_DEPENDS
    ${GUESS_ICON} ${PROJECT_BINARY_DIR}/guess.manifest ${PROJECT_BINARY_DIR}/version.h)
# Nothing but the system's own DLLs beside the program on a bare machine,
# and no link time in the PE header.
target_link_options(guess PRIVATE -static LINKER:--no-insert-timestamp)
guess_third_party_notices(guess ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt CRLF)

# Side by side, as a Windows program is unpacked and run from anywhere: a
# README for a Windows player, and the license, with Windows' line ends and
# a name that a double-click opens.
configure_file(packaging/windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS guess RUNTIME DESTINATION . COMPONENT program)
install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
    ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION . COMPONENT docs)
# What only the installer has: the icon of its Start menu entry and of
# Installed apps.
install(FILES ${GUESS_ICON} DESTINATION . COMPONENT installer EXCLUDE_FROM_ALL)

# The .zip, and the installer (packaging/windows/guess.wxs, made by
# scripts/make-msi.cmake).
if(GUESS_PACKAGES)
    set(name ${PROJECT_NAME}-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})
    guess_package(zip ${name}.zip /${name} program docs)
    guess_package(msi ${name}.msi / program docs installer ARGS -D VERSION=${PROJECT_VERSION})
endif()
