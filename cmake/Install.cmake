# What is installed, in components the packages pick from (cmake/Packaging.cmake):
#   program  the program, linked as usual
#   static   the static program; only packages ask for it, as it has the
#            same name as the other
#   docs     the manual page, the README and the terms of use
#   debian   what only the Debian package has
if(EMSCRIPTEN)
    # The page, to be opened from disk or put on any web server as it is.
    install(FILES ${GUESS_WEB_PAGE} $<TARGET_FILE:guess> DESTINATION . COMPONENT program)
    return()
endif()
if(WIN32)
    # Side by side, as a Windows program is unpacked and run from anywhere.
    install(TARGETS guess RUNTIME DESTINATION . COMPONENT program)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION . COMPONENT docs)
    return()
endif()

install(TARGETS guess RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR} COMPONENT program)
if(GUESS_STATIC_PROGRAM)
    install(TARGETS guess-static RUNTIME DESTINATION ${GUESS_INSTALL_GAMESDIR}
        COMPONENT static EXCLUDE_FROM_ALL)
endif()

# Manual pages and changelogs are shipped compressed, without a name or a
# time in the gzip header, so that the same sources give the same bytes.
find_program(GUESS_GZIP gzip REQUIRED)
configure_file(man/guess.6.in guess.6 @ONLY)
set(compressed "")
foreach(file ${PROJECT_BINARY_DIR}/guess.6 ${PROJECT_SOURCE_DIR}/packaging/changelog)
    get_filename_component(name ${file} NAME)
    set(gz ${PROJECT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${GUESS_GZIP} -9n -c ${file} > ${gz}
        DEPENDS ${file} VERBATIM)
    list(APPEND compressed ${gz})
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${compressed})

install(FILES ${PROJECT_BINARY_DIR}/guess.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT docs)
install(FILES README.md packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT docs)
install(FILES packaging/lintian-overrides RENAME ${PROJECT_NAME}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
