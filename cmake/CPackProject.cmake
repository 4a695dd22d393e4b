# Read by CPack once per package it makes.

# Into each package only the components it holds (CPACK_GUESS_COMPONENTS_<generator>).
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(component IN LISTS CPACK_GUESS_COMPONENTS_${CPACK_GENERATOR})
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${CPACK_GUESS_BUILD_DIR} guess ${component} /)
endforeach()

# Every member of every archive carries this time rather than the time it
# was built (cmake/Packaging.cmake says where it comes from).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_GUESS_SOURCE_DATE_EPOCH})
endif()
