# Fails when a source of the core library includes a Qt header: the core must build,
# run and be tested without Qt. Run as: cmake -DSOURCE_DIR=<repo> -P SansQt.cmake
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/common/* ${SOURCE_DIR}/data/* ${SOURCE_DIR}/engine/*
     ${SOURCE_DIR}/project/* ${SOURCE_DIR}/startup/*)
foreach(f ${sources})
    file(STRINGS ${f} lignes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(lignes)
        message(FATAL_ERROR "Qt include in the core: ${f}: ${lignes}")
    endif()
endforeach()
