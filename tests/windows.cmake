# The Windows program, cross-built beside the native one when MinGW-w64 and
# Wine are installed, and tested under Wine by the same test program.
find_program(GUESS_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++)
find_program(GUESS_WINDRES x86_64-w64-mingw32-windres)
find_program(GUESS_OBJDUMP x86_64-w64-mingw32-objdump)
find_program(GUESS_READOBJ NAMES llvm-readobj llvm-readobj-14)
find_program(GUESS_WINE64 NAMES wine64 PATHS /usr/lib/wine)
find_program(GUESS_WINESERVER wineserver)
set(windows_tools GUESS_MINGW_CXX GUESS_WINDRES GUESS_OBJDUMP GUESS_READOBJ GUESS_WINE64 GUESS_WINESERVER)
set(missing "")
foreach(tool IN LISTS windows_tools)
    if(NOT ${tool})
        list(APPEND missing ${tool})
    endif()
endforeach()

if(missing)
    set(why "Windows tests skipped: not installed: ${missing} (apt-get install g++-mingw-w64-x86-64-posix wine64 llvm)")
    guess_skip(windows.skipped "${why}")
    return()
endif()

include(ExternalProject)
set(windows_dir ${PROJECT_BINARY_DIR}/windows)
set(windows_exe ${windows_dir}/guess.exe)
ExternalProject_Add(guess_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${windows_dir}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DBUILD_TESTING=OFF
    BUILD_ALWAYS TRUE
    BUILD_BYPRODUCTS ${windows_exe}
    INSTALL_COMMAND "")
add_dependencies(guess_tests guess_windows)

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
