# sendora_add_test(<name> LABEL core|gui SOURCES ... [LIBS ...] [TIMEOUT s] [ENVIRONMENT ...])
# sendora_add_test_run(<name> EXECUTABLE <test> LABEL core|gui [TIMEOUT s] [ENVIRONMENT ...])
# Core tests link sendora_core only; gui tests also sendora_gui.
#
# One QtTest executable, registered with ctest. Every test runs headless, in a pinned
# locale, with HOME and the XDG folders pointing into a folder of its own, so that no
# test sees the user's files or another test's.
function(sendora_add_test name)
    cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    if(NOT T_LABEL)
        message(FATAL_ERROR "sendora_add_test(${name}): LABEL core or gui is required")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE sendora_testsupport Qt6::Test ${T_LIBS})
    if(T_LABEL STREQUAL "gui")
        target_link_libraries(${name} PRIVATE sendora_gui)
    endif()

    _sendora_register_test(${name} ${name} ${T_LABEL} ${T_TIMEOUT} "${T_ENVIRONMENT}")
endfunction()

# One more ctest entry for an existing test executable, run with other settings (for
# example another event dispatcher). It gets a home folder of its own.
function(sendora_add_test_run name)
    cmake_parse_arguments(T "" "EXECUTABLE;LABEL;TIMEOUT" "ENVIRONMENT" ${ARGN})
    if(NOT T_EXECUTABLE OR NOT T_LABEL)
        message(FATAL_ERROR "sendora_add_test_run(${name}): EXECUTABLE and LABEL are required")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    _sendora_register_test(${name} ${T_EXECUTABLE} ${T_LABEL} ${T_TIMEOUT} "${T_ENVIRONMENT}")
endfunction()

function(_sendora_register_test name executable label timeout extraEnvironment)
    set(home "${CMAKE_BINARY_DIR}/testhome/${name}")
    file(MAKE_DIRECTORY "${home}" "${home}/runtime")
    file(CHMOD "${home}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

    add_test(NAME ${name} COMMAND ${executable})
    set_tests_properties(${name} PROPERTIES
        LABELS "${label}"
        TIMEOUT ${timeout}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;LANGUAGE=;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_CACHE_HOME=${home}/cache;XDG_RUNTIME_DIR=${home}/runtime;SENDORA_HOME=;SENDORA_SOURCE_DIR=${CMAKE_SOURCE_DIR};SENDORA_FIXTURES=${CMAKE_SOURCE_DIR}/tests/fixtures;SENDORA_EXECUTABLE=$<TARGET_FILE:sendora>;${extraEnvironment}")
endfunction()
