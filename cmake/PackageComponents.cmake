# Read by CPack once per package it makes: installs into that package only
# the components it holds (CPACK_GUESS_COMPONENTS_<generator>).
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(component IN LISTS CPACK_GUESS_COMPONENTS_${CPACK_GENERATOR})
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${CPACK_GUESS_BUILD_DIR} guess ${component} /)
endforeach()
