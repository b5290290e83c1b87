# Part of the installation of a program: either strips the installed program,
# or installs its debug symbols where debuggers look them up by build id
# (<prefix>/lib/debug/.build-id/ab/cdef....debug), as Debian's -dbgsym
# packages do. Run from install(CODE) with these variables set:
#   split_program   the program as built (path in the build tree)
#   split_mode      "strip" or "symbols"
#   split_objcopy, split_readelf, split_strip   the binutils of the toolchain
get_filename_component(name "${split_program}" NAME)
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
if(split_mode STREQUAL "strip")
    set(installed "${root}/bin/${name}")
    message(STATUS "Stripping: ${installed}")
    execute_process(COMMAND "${split_strip}" --strip-unneeded --remove-section=.comment --remove-section=.note "${installed}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "could not strip ${installed}")
    endif()
    return()
endif()
execute_process(COMMAND "${split_readelf}" --notes "${split_program}" OUTPUT_VARIABLE notes RESULT_VARIABLE failed)
if(failed OR NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${split_program} has no build id to file its debug symbols under")
endif()
set(debug_file "${root}/lib/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug")
get_filename_component(folder "${debug_file}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
message(STATUS "Installing: ${debug_file} (debug symbols of ${name})")
execute_process(COMMAND "${split_objcopy}" --only-keep-debug --compress-debug-sections "${split_program}" "${debug_file}"
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not copy the debug symbols of ${split_program}")
endif()
file(CHMOD "${debug_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
