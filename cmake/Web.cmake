# The game as a web page: the program compiled to WebAssembly, inlined in
# one script (guess.js) so that the page also works opened from disk, where
# a browser fetches nothing beside it; and the page around it (web/).

set(GUESS_WEB_PAGE "")
foreach(file index.html page.js page.css)
    configure_file(web/${file} ${file} @ONLY)
    list(APPEND GUESS_WEB_PAGE ${PROJECT_BINARY_DIR}/${file})
endforeach()
configure_file(src/guess.svg guess.svg COPYONLY)  # the page's icon too
configure_file(LICENSE LICENSE.txt COPYONLY)
list(APPEND GUESS_WEB_PAGE ${PROJECT_BINARY_DIR}/guess.svg ${PROJECT_BINARY_DIR}/LICENSE.txt)

function(guess_web_program target)
    target_sources(${target} PRIVATE src/web_console.cpp)
    target_compile_options(${target} PRIVATE -Oz)
    target_link_options(${target} PRIVATE
        -Oz
        -sASYNCIFY                              # the game blocks on the page's promises
        -sMODULARIZE -sEXPORT_NAME=createGuess  # a fresh game each time
        # The page starts main() itself, as a promise of its exit status:
        # the page learns that the game has ended when it is kept.
        -sINVOKE_RUN=0 -sEXPORTED_FUNCTIONS=_main -sEXPORTED_RUNTIME_METHODS=ccall
        -sSINGLE_FILE                           # the WebAssembly inside guess.js
        -sENVIRONMENT=web
        -sFILESYSTEM=0)
endfunction()
