# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

# The game as a web page: the program compiled to WebAssembly, whose console
# is the page (src/web_console.cpp), inlined in one script (guess.js) so
# that the page also works opened from disk, where a browser fetches nothing
# beside it; the page around it (web/); and, for a served page, what makes
# it an app: its manifest, its worker and its icons.
include(Icons)
include(Notices)

# The game blocks on the page's promises (src/web_console.cpp), which
# Asyncify makes possible by instrumenting the functions that can be on the
# stack while it waits. Left to itself it instruments every function from
# which a wait might be reached through a virtual call, most of the C++
# library; these are the only ones, as the optimiser leaves them: the read
# of an int (from main, through an istreambuf_iterator, to the page's
# streambuf) and the wait for a key (in main). They were found in stack
# traces taken inside the page's read and key wait, in a build linked with
# --profiling-funcs. A function missing here traps ("unreachable") when the
# game takes its path: the web tests take every path a read and the key
# wait can take.
set(awaiting
    "main"
    "(anonymous namespace)::PageInput::underflow()"
    "std::__2::basic_streambuf<char, std::__2::char_traits<char> >::sgetc()"
    "std::__2::istreambuf_iterator<char, std::__2::char_traits<char> >::__test_for_eof() const"
    "std::__2::istreambuf_iterator<char, std::__2::char_traits<char> >::equal(std::__2::istreambuf_iterator<char, std::__2::char_traits<char> > const&) const"
    "bool std::__2::operator!=<char, std::__2::char_traits<char> >(std::__2::istreambuf_iterator<char, std::__2::char_traits<char> > const&, std::__2::istreambuf_iterator<char, std::__2::char_traits<char> > const&)"
    "std::__2::num_get<char, std::__2::istreambuf_iterator<char, std::__2::char_traits<char> > >::do_get(std::__2::istreambuf_iterator<char, std::__2::char_traits<char> >, std::__2::istreambuf_iterator<char, std::__2::char_traits<char> >, std::__2::ios_base&, unsigned int&, long&) const")
list(JOIN awaiting "\n" awaiting)
file(CONFIGURE OUTPUT asyncify-only.txt CONTENT "${awaiting}\n")

add_guess_program(guess)
target_sources(guess PRIVATE src/web_console.cpp)
target_compile_options(guess PRIVATE -Oz)
set_target_properties(guess PROPERTIES LINK_DEPENDS ${PROJECT_BINARY_DIR}/asyncify-only.txt)
target_link_options(guess PRIVATE
    -Oz
    -sASYNCIFY -sASYNCIFY_ONLY=@${PROJECT_BINARY_DIR}/asyncify-only.txt
    -sMODULARIZE -sEXPORT_NAME=createGuess  # a fresh game each time
    # The page starts main() itself, as a promise of its exit status: the
    # page learns that the game has ended when it is kept.
    -sINVOKE_RUN=0 -sEXPORTED_FUNCTIONS=_main -sEXPORTED_RUNTIME_METHODS=ccall
    -sSINGLE_FILE                           # the WebAssembly inside guess.js
    -sENVIRONMENT=web
    -sFILESYSTEM=0)
guess_third_party_notices(guess ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)

# A home screen cuts an icon marked "maskable" to a shape of its own (a
# circle, a rounded square): the die, drawn smaller on a full background,
# stays inside the circle of 80% that every shape keeps.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/guess.svg)
file(READ src/guess.svg icon)
string(REGEX MATCH "<svg[^>]*>(.*)</svg>" icon "${icon}")
file(CONFIGURE OUTPUT guess-maskable.svg CONTENT [[
<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 256 256">
  <rect width="256" height="256" fill="#1d2a36"/>
  <g transform="translate(46.08 46.08) scale(0.64)">${CMAKE_MATCH_1}</g>
</svg>
]])
set(icons guess-192.png guess-512.png guess-maskable.png)
guess_icon(192 ${PROJECT_BINARY_DIR}/guess-192.png)
guess_icon(512 ${PROJECT_BINARY_DIR}/guess-512.png)
guess_render_icon(${PROJECT_BINARY_DIR}/guess-maskable.svg 512 ${PROJECT_BINARY_DIR}/guess-maskable.png)
list(TRANSFORM icons PREPEND ${PROJECT_BINARY_DIR}/ OUTPUT_VARIABLE built)
add_custom_target(web-icons ALL DEPENDS ${built})

# The page, in this build's folder: the templates of web/ made for this
# version, beside the game's script and the files copied. The worker keeps
# every file of the page but itself from the start; the notices, which few
# open, once they are opened.
set(templates index.html manifest.webmanifest sw.js)
set(copied page.js page.css)
set(names ${templates} ${copied} ${icons} guess.svg guess.js LICENSE.txt)
list(REMOVE_ITEM names sw.js)
list(SORT names)
list(JOIN names " " GUESS_PAGE_FILE_LIST)
foreach(file IN LISTS templates)
    configure_file(web/${file}.in ${file} @ONLY)
endforeach()
foreach(file IN LISTS copied)
    configure_file(web/${file} ${file} COPYONLY)
endforeach()
configure_file(src/guess.svg guess.svg COPYONLY)
configure_file(LICENSE LICENSE.txt COPYONLY)

# The page, to be opened from disk or put on any web server as it is, with
# a README for the player who unpacks it.
set(page ${templates} ${copied} ${icons} guess.svg LICENSE.txt THIRD-PARTY-NOTICES.txt)
list(TRANSFORM page PREPEND ${PROJECT_BINARY_DIR}/)
install(FILES ${page} $<TARGET_FILE:guess> web/README.txt DESTINATION . COMPONENT program)
if(GUESS_PACKAGES)
    set(name ${PROJECT_NAME}-${PROJECT_VERSION}-web)
    guess_package(zip ${name}.zip /${name} program)
endif()
