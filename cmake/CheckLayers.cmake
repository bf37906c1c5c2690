# cmake -DHB_SOURCE_DIR=<repository> -P CheckLayers.cmake
# The platform and the resources sit below the system: fails when a file under platform/ or
# resources/ includes a header of the system's own folders, naming each such line.
cmake_minimum_required(VERSION 3.25)

get_filename_component(HB_SOURCE_DIR "${HB_SOURCE_DIR}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
if(NOT IS_DIRECTORY "${HB_SOURCE_DIR}/platform")
    message(FATAL_ERROR "layer check: no platform folder in \"${HB_SOURCE_DIR}\"")
endif()

set(system_include "^[ \t]*#[ \t]*include[ \t]*[\"<](app|radioview|programming|audio|spectrum)/")
file(GLOB_RECURSE sources "${HB_SOURCE_DIR}/platform/*" "${HB_SOURCE_DIR}/resources/*")
list(FILTER sources INCLUDE REGEX "\\.(h|hpp|cpp|c|inc)$")
set(found 0)
foreach(source ${sources})
    file(STRINGS "${source}" lines REGEX "${system_include}")
    foreach(line ${lines})
        file(RELATIVE_PATH name "${HB_SOURCE_DIR}" "${source}")
        message(NOTICE "layer check: ${name} includes system code: ${line}")
        math(EXPR found "${found} + 1")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "layer check: ${found} include(s) of system code below the system")
endif()
