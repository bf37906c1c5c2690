# hb_add_module(<name> SOURCES ... [DEPENDS ...])
# One shared library per source folder: the program, the engine and the resource library must all
# see one window table, one clock and one resource chain.
function(hb_add_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
endfunction()

# hb_add_test(<name> SOURCES ... [DEPENDS ...])
# A GoogleTest executable whose cases CTest lists one by one.
function(hb_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE hb_testkit ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "HB_TEST=1")
endfunction()
