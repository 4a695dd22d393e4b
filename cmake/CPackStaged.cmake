# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# Run by CPack once it has staged what a package holds, before it packs it:
# every staged file carries the commit's time, rather than the time the
# build or the checkout gave it. (rpm, for one, keeps a file's own time
# where it is older than SOURCE_DATE_EPOCH.)
include(${CPACK_GUESS_SETTINGS})
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @${GUESS_SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
