# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The one way the configure step hands values to the scripts of scripts/,
# which run later: to build, install, package, test and release. Each build
# writes them to one file, guess-settings.cmake, which every such script
# includes; a value given to the script with -D wins over the file's, as
# the tests do to make the next version of a package.
#   guess_setting(NAME VALUE...)    hand NAME over (generator expressions work)
#   guess_script_command(VAR SCRIPT [SETTINGS FILE] [DEFINE NAME=VALUE...])
#                                   the command that runs scripts/SCRIPT with
#                                   this build's settings, or FILE's
set(GUESS_SETTINGS_FILE ${PROJECT_BINARY_DIR}/guess-settings.cmake)

function(guess_setting name)
    set_property(GLOBAL APPEND_STRING PROPERTY GUESS_SETTINGS
        "if(NOT DEFINED ${name})\n    set(${name} [==[${ARGN}]==])\nendif()\n")
endfunction()

function(guess_script_command var script)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" SETTINGS DEFINE)
    if(NOT arg_SETTINGS)
        set(arg_SETTINGS ${GUESS_SETTINGS_FILE})
    endif()
    list(TRANSFORM arg_DEFINE PREPEND -D)
    set(${var} ${CMAKE_COMMAND} -D GUESS_SETTINGS=${arg_SETTINGS} ${arg_DEFINE}
        -P ${PROJECT_SOURCE_DIR}/scripts/${script} PARENT_SCOPE)
endfunction()

# What every script may need.
foreach(name PROJECT_NAME PROJECT_VERSION PROJECT_DESCRIPTION PROJECT_SOURCE_DIR PROJECT_BINARY_DIR
        GUESS_VENDOR GUESS_DESCRIPTION)
    guess_setting(${name} ${${name}})
endforeach()

function(guess_write_settings)
    get_property(settings GLOBAL PROPERTY GUESS_SETTINGS)
    file(GENERATE OUTPUT ${GUESS_SETTINGS_FILE}
        CONTENT "# Written by the configure step (cmake/Settings.cmake) for the scripts of scripts/.\n${settings}")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL guess_write_settings)
