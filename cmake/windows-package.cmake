# The portable zip for Windows: cmake --build --preset windows --target package
# makes entalix-<version>-win64.zip (windows32: -win32.zip) holding entalix.exe,
# entalix-calc.exe, the user guide as HTML with its pictures, the licence, and
# for spreadsheets Entalix.bas with entalix.dll for 64-bit Office in x64\ and
# for 32-bit Office in x86\, in one folder that runs wherever it is unpacked.
# Office's bitness, not Windows', decides the DLL, so both zips carry both: the
# other build's DLL is taken from ENTALIX_OTHER_DLL, built first.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ENTALIX_WINDOWS_ARCH win64)
    set(own_dll_folder x64)
    set(other_dll_folder x86)
    set(other_preset windows32)
else()
    set(ENTALIX_WINDOWS_ARCH win32)
    set(own_dll_folder x86)
    set(other_dll_folder x64)
    set(other_preset windows)
endif()
set(ENTALIX_OTHER_DLL ${PROJECT_SOURCE_DIR}/build/${other_preset}/dll/entalix.dll
    CACHE FILEPATH "entalix.dll of the other Windows build (cmake --build --preset ${other_preset}), for the zip")
install(FILES $<TARGET_FILE:entalix_dll> DESTINATION ${own_dll_folder})
install(CODE "
    if(NOT EXISTS \"${ENTALIX_OTHER_DLL}\")
        message(FATAL_ERROR \"The zip carries both DLLs: build ${other_preset} first (no ${ENTALIX_OTHER_DLL})\")
    endif()")
install(FILES ${ENTALIX_OTHER_DLL} DESTINATION ${other_dll_folder})
install(FILES ${PROJECT_SOURCE_DIR}/dll/Entalix.bas DESTINATION .)

# The guide, converted by Debian's python3-markdown (the system Python, which has it).
set(guide_source ${PROJECT_SOURCE_DIR}/docs/使用说明.md)
set(guide_html ${CMAKE_BINARY_DIR}/user-guide.html)
find_program(ENTALIX_GUIDE_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(ENTALIX_GUIDE_PYTHON)
    execute_process(COMMAND ${ENTALIX_GUIDE_PYTHON} -c "import markdown" RESULT_VARIABLE no_markdown OUTPUT_QUIET ERROR_QUIET)
endif()
if(ENTALIX_GUIDE_PYTHON AND NOT no_markdown)
    add_custom_command(OUTPUT ${guide_html}
        COMMAND ${ENTALIX_GUIDE_PYTHON} ${PROJECT_SOURCE_DIR}/tools/guide_html.py ${guide_source} ${guide_html}
                ${PROJECT_VERSION}
        DEPENDS ${guide_source} ${PROJECT_SOURCE_DIR}/tools/guide_html.py
        COMMENT "Writing the user guide as HTML"
        VERBATIM)
    add_custom_target(entalix_guide_html ALL DEPENDS ${guide_html})
    install(FILES ${guide_html} DESTINATION .)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION . FILES_MATCHING PATTERN "*.png")
else()
    install(CODE "message(FATAL_ERROR \"The user guide needs python3-markdown (apt-get install python3-markdown)\")")
endif()

# The licence, readable by a double click.
install(CODE "
    if(NOT EXISTS \"${PROJECT_SOURCE_DIR}/LICENSE\")
        message(FATAL_ERROR \"No LICENSE at the top of the source tree: the zip must carry the licence\")
    endif()
    file(INSTALL \"${PROJECT_SOURCE_DIR}/LICENSE\" DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\"
         RENAME LICENSE.txt)")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME entalix-${PROJECT_VERSION}-${ENTALIX_WINDOWS_ARCH})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
