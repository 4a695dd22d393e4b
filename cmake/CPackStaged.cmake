# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Run by CPack once it has staged what a package holds, before it packs it:
# every staged file carries the commit's time, and modes that are readable
# by all, rather than the time the build or the checkout gave it and the
# builder's umask. (rpm, for one, keeps a file's own mode, and its own time
# where it is older than SOURCE_DATE_EPOCH.) The packing takes the commit's
# time from SOURCE_DATE_EPOCH too, set only now: set before CPack installs,
# it would be the time of a build that CPack configures again first.
# Read now, as the build is now: CPack configures it again as it installs,
# where a commit came since, after it has read the settings.
unset(GUESS_SOURCE_DATE_EPOCH)
include(${CPACK_GUESS_SETTINGS})
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${GUESS_SOURCE_DATE_EPOCH})
endif()
execute_process(COMMAND chmod -R u+rwX,go=rX ${CPACK_TEMPORARY_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @${GUESS_SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
