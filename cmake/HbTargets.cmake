# hb_add_module(<name> SOURCES ... [DEPENDS ...] [PRECOMPILE header...])
# One shared library per source folder: the program, the engine and the resource library must all
# see one window table, one clock and one resource chain. PRECOMPILE names the headers (from the
# source root) that most of its sources include; see hb_precompile.
function(hb_add_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRECOMPILE" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
    hb_precompile(${name} ${ARG_PRECOMPILE})
endfunction()

# hb_precompile(<target> [header...])
# With HB_PRECOMPILE_HEADERS on, the target's sources are compiled against one precompiled header
# made of the standard headers the code base uses everywhere and the given headers of our own. Off
# (the tests' presets), every source must still include what it uses, which those builds check.
function(hb_precompile target)
    if(NOT HB_PRECOMPILE_HEADERS)
        return()
    endif()
    list(TRANSFORM ARGN PREPEND "${PROJECT_SOURCE_DIR}/")
    target_precompile_headers(${target} PRIVATE
        <algorithm> <array> <chrono> <cstdint> <cstdio> <cstring> <functional> <map> <memory>
        <mutex> <optional> <set> <string> <string_view> <unordered_map> <utility> <variant>
        <vector> ${ARGN})
endfunction()

# hb_add_test(<name> SOURCES ... [DEPENDS ...])
# A GoogleTest executable whose cases CTest lists one by one. Each case runs with its settings and
# documents in a scratch folder of the build (the fixture gives every test a folder of its own), and
# with the sanitizers' options however CTest is started. The cases that drive the program on a
# display of their own run alone, so that their clicks and waits do not compete with other cases.
function(hb_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE hb_testkit ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
    # Listing the cases is given time enough for a busy machine.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_LIST ${name}_TESTS)

    set(environment HB_TEST=1 HALBRIDGE_HOME=${CMAKE_BINARY_DIR}/test-home/${name})
    if(HB_SANITIZE)
        list(APPEND environment ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
             LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp
             UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
    endif()
    # The discovery would take each variable of the list for a property of its own, so the
    # environment is set by a file CTest reads once the cases are listed.
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
    file(WRITE ${script} "if(${name}_TESTS)\n"
                         "    set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT\n"
                         "                         [==[${environment}]==])\n"
                         "    foreach(test IN LISTS ${name}_TESTS)\n"
                         "        if(test MATCHES \"OnScreen\")\n"
                         "            set_tests_properties(\${test} PROPERTIES RUN_SERIAL TRUE)\n"
                         "        endif()\n"
                         "    endforeach()\n"
                         "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
