# A first build of the program spends most of its time parsing the same standard library and
# platform headers in every file. With HB_PRECOMPILE_HEADERS they are parsed once per layer: the
# Windows layer's own header set, and the class library's, which the libraries above it share.
# Only the run preset uses them, so the other builds still catch a file that lacks an include.
# A shared precompiled header needs the same macros in every library that uses it, so these
# libraries go without the <target>_EXPORTS macro, which nothing of ours reads.
set(HB_STANDARD_HEADERS
    <algorithm> <array> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring> <deque> <functional>
    <map> <memory> <optional> <span> <string> <string_view> <unordered_map> <utility> <vector>)

set(HB_AFX_LAYER hb_afx hb_toolkit hb_instruments hb_engine hb_tessary hb_system hb_resource_forms
                 hb_resources hb_pellam)
set_target_properties(hb_win ${HB_AFX_LAYER} PROPERTIES DEFINE_SYMBOL "")

target_precompile_headers(hb_win PRIVATE ${HB_STANDARD_HEADERS}
                          ${PROJECT_SOURCE_DIR}/platform/win/Windows.h)
# The display's own: its cairo flags define macros the others lack.
target_precompile_headers(hb_display PRIVATE ${HB_STANDARD_HEADERS}
                          ${PROJECT_SOURCE_DIR}/platform/win/Windows.h)

target_precompile_headers(hb_afx PRIVATE ${HB_STANDARD_HEADERS}
                          ${PROJECT_SOURCE_DIR}/platform/afx/Afx.h)
# GCC 12 takes the string code inlined from a precompiled header for our own, and then reports its
# false bound and overflow warnings of -O2 there, as it does its overlap warnings everywhere.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    foreach(target hb_win hb_display ${HB_AFX_LAYER})
        target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overread
                               -Wno-stringop-overflow)
    endforeach()
endif()

foreach(target ${HB_AFX_LAYER})
    if(NOT target STREQUAL hb_afx)
        target_precompile_headers(${target} REUSE_FROM hb_afx)
    endif()
endforeach()
