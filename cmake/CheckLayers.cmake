# Checks that no source includes a header of a folder that its own folder may
# not link (the table of cmake/Layers.cmake): the store includes only the
# store, the card list nothing of the application, and so on. Each folder
# under tests/ is held to the rule of the folder it tests. Includes name
# their folder ("store/card_record.h"), so one that does not is refused too.
# Every test may use tests/support, the helpers of no layer that hide what
# differs between systems.
# Run as a script:
#   cmake -DROOT=<folder holding src/ and tests/> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.20)

if(NOT ROOT)
    message(FATAL_ERROR "CheckLayers.cmake needs ROOT")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
quillox_check_layer_table()
quillox_layer_folders(folders)

set(problems "")
set(checked 0)
foreach(tree IN ITEMS src tests)
    foreach(folder IN LISTS folders)
        if(NOT IS_DIRECTORY ${ROOT}/${tree}/${folder})
            continue()
        endif()
        quillox_folder_reach(${folder} allowed)
        if(tree STREQUAL "tests")
            list(APPEND allowed support)
        endif()
        file(GLOB_RECURSE sources ${ROOT}/${tree}/${folder}/*.h ${ROOT}/${tree}/${folder}/*.cpp)
        foreach(source IN LISTS sources)
            math(EXPR checked "${checked} + 1")
            file(RELATIVE_PATH shown ${ROOT} ${source})
            file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
            foreach(line IN LISTS lines)
                string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header
                                     "${line}")
                string(REGEX MATCH "^[^/]*" first "${header}")
                if(NOT header MATCHES "/" OR first STREQUAL "." OR first STREQUAL "..")
                    list(APPEND problems "${shown}: \"${header}\" does not name its folder")
                elseif(NOT first IN_LIST allowed)
                    list(APPEND problems
                         "${shown}: includes \"${header}\", but ${folder} may not reach ${first}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "Layers: no source found under ${ROOT}")
endif()
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layers: includes that reach up or across:\n  ${text}")
endif()
message(STATUS "Layers: ${checked} sources include only their own and lower layers")
