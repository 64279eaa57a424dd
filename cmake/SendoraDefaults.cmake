# Read-only default files of the program folder. They are copied into the build tree's
# share/sendora/ and installed to <prefix>/share/sendora/; a program folder is seeded
# from there on start (missing files only, so the user's own files are never replaced).
function(sendora_add_default_files)
    cmake_parse_arguments(D "" "DESTINATION" "FILES" ${ARGN})
    set(dest "${SENDORA_DEFAULTS_DIR}")
    set(install_dest "${SENDORA_INSTALL_DEFAULTS_DIR}")
    if(D_DESTINATION)
        string(APPEND dest "/${D_DESTINATION}")
        string(APPEND install_dest "/${D_DESTINATION}")
    endif()
    foreach(f IN LISTS D_FILES)
        get_filename_component(name "${f}" NAME)
        configure_file("${f}" "${dest}/${name}" COPYONLY)
    endforeach()
    install(FILES ${D_FILES} DESTINATION "${install_dest}")
endfunction()
