# kbw_add_test(<name> SOURCES <files...> LIBS <targets...> LABEL <folder>)
# Adds a QtTest executable and registers it with CTest, headless (on a 1280 x 1024 screen) and
# labelled by subsystem. Each test has a home folder of its own, so that tests running side
# by side never share a data folder (QStandardPaths' test mode keeps it below the home).
function(kbw_add_test name)
    cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_SOURCES)
        message(FATAL_ERROR "kbw_add_test(${name}): SOURCES missing")
    endif()
    if(NOT ARG_LABEL)
        message(FATAL_ERROR "kbw_add_test(${name}): LABEL missing")
    endif()
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE kbw_options Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(home ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
    file(MAKE_DIRECTORY ${home})
    set_tests_properties(${name} PROPERTIES
        LABELS ${ARG_LABEL}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/cmake/testbildschirm.json;LC_ALL=C.UTF-8;HOME=${home}")
endfunction()
