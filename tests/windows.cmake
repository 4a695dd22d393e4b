# The Windows program, cross-built beside the native one when MinGW-w64 and
# Wine are installed, and tested under Wine by the same test program.
find_program(GUESS_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++)
find_program(GUESS_WINDRES x86_64-w64-mingw32-windres)
find_program(GUESS_OBJDUMP x86_64-w64-mingw32-objdump)
find_program(GUESS_READOBJ NAMES llvm-readobj llvm-readobj-14)
find_program(GUESS_WINE64 NAMES wine64 PATHS /usr/lib/wine)
find_program(GUESS_WINESERVER wineserver)
guess_missing(missing GUESS_MINGW_CXX GUESS_WINDRES GUESS_OBJDUMP GUESS_READOBJ GUESS_WINE64 GUESS_WINESERVER)
if(missing)
    set(why "Windows tests skipped: not installed: ${missing} (apt-get install g++-mingw-w64-x86-64-posix wine64 llvm)")
    guess_skip(windows.skipped "${why}")
    return()
endif()

set(windows_dir ${PROJECT_BINARY_DIR}/windows)
set(windows_exe ${windows_dir}/guess.exe)
guess_cross_build(guess_windows mingw-w64-x86_64.cmake ${windows_dir} ${windows_exe})

set(GUESS_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
configure_file(wine.sh.in wine.sh @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(wine ${CMAKE_CURRENT_BINARY_DIR}/wine.sh)
add_test(NAME windows.wine-start COMMAND ${wine} start)
add_test(NAME windows.wine-stop COMMAND ${wine} stop)
set_tests_properties(windows.wine-start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(windows.wine-stop PROPERTIES FIXTURES_CLEANUP wine)

gtest_discover_tests(guess_tests
    TEST_PREFIX "windows."
    TEST_FILTER "-Terminal*"
    EXTRA_ARGS --program=${windows_exe} --launcher=${wine} --launcher=run --eol=crlf
    PROPERTIES FIXTURES_REQUIRED wine
    DISCOVERY_TIMEOUT 30)

add_test(NAME windows.executable
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_executable.sh ${windows_exe} ${GUESS_OBJDUMP} ${GUESS_READOBJ})
