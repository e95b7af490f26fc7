# The layers of the program. Each folder under src/ holds its own libraries,
# and a library links only the layers beneath it:
#
#   store (no GUI toolkit)
#     <- ui (shared widgets) <- prefs
#     <- document <- output, web <- cards <- app
#   cli on store and output's toolkit-free library
#   app and cli on the version record (version)
#
# A line names a target, its folder under src/ and the targets right beneath
# it; the target may link those and, through them, whatever they may link.
# quillox_wx stands for the GUI toolkit. A new library needs a line here.
#
# Included by the top-level CMakeLists.txt, which checks the link libraries of
# every target under src/ against this table, and by CheckLayers.cmake, which
# checks that no source includes a header of a folder it may not link.

set(QUILLOX_LAYERS "")

macro(quillox_layer target)
    cmake_parse_arguments(_layer "" "FOLDER" "LINKS" ${ARGN})
    list(APPEND QUILLOX_LAYERS ${target})
    set(QUILLOX_LAYER_${target}_FOLDER "${_layer_FOLDER}")
    set(QUILLOX_LAYER_${target}_LINKS "${_layer_LINKS}")
endmacro()

quillox_layer(quillox_wx)
quillox_layer(quillox_version FOLDER version)
quillox_layer(quillox_version_resource FOLDER version)
quillox_layer(quillox_store FOLDER store)
quillox_layer(quillox_ui FOLDER ui LINKS quillox_store quillox_wx)
quillox_layer(quillox_prefs FOLDER prefs LINKS quillox_ui)
quillox_layer(quillox_document_core FOLDER document LINKS quillox_store)
quillox_layer(quillox_document FOLDER document LINKS quillox_document_core quillox_prefs)
quillox_layer(quillox_output_core FOLDER output LINKS quillox_store)
quillox_layer(quillox_output FOLDER output LINKS quillox_output_core quillox_document)
quillox_layer(quillox_web_core FOLDER web LINKS quillox_store)
quillox_layer(quillox_web FOLDER web LINKS quillox_web_core quillox_document quillox_version)
quillox_layer(quillox_cards_core FOLDER cards LINKS quillox_document_core)
quillox_layer(quillox_cards FOLDER cards
              LINKS quillox_cards_core quillox_document quillox_output quillox_web)
quillox_layer(quillox_app FOLDER app LINKS quillox_cards quillox_version)
quillox_layer(quillox FOLDER app LINKS quillox_app quillox_version_resource)
quillox_layer(quillox_cli_core FOLDER cli LINKS quillox_store quillox_output_core quillox_version)
quillox_layer(quillox-cli FOLDER cli LINKS quillox_cli_core)

# Every target that target may link, directly or through others, into out.
function(quillox_layer_reach target out)
    set(reached "")
    set(pending ${QUILLOX_LAYER_${target}_LINKS})
    while(pending)
        list(POP_FRONT pending next)
        if(NOT next IN_LIST reached)
            list(APPEND reached ${next})
            list(APPEND pending ${QUILLOX_LAYER_${next}_LINKS})
        endif()
    endwhile()
    set(${out} "${reached}" PARENT_SCOPE)
endfunction()

# The folders whose headers sources in folder may include: its own and those
# of every target its targets may link.
function(quillox_folder_reach folder out)
    set(folders ${folder})
    foreach(target IN LISTS QUILLOX_LAYERS)
        if(QUILLOX_LAYER_${target}_FOLDER STREQUAL folder)
            quillox_layer_reach(${target} reached)
            foreach(linked IN LISTS reached)
                if(QUILLOX_LAYER_${linked}_FOLDER)
                    list(APPEND folders ${QUILLOX_LAYER_${linked}_FOLDER})
                endif()
            endforeach()
        endif()
    endforeach()
    list(REMOVE_DUPLICATES folders)
    set(${out} "${folders}" PARENT_SCOPE)
endfunction()

# The folders of the table, each once.
function(quillox_layer_folders out)
    set(folders "")
    foreach(target IN LISTS QUILLOX_LAYERS)
        if(QUILLOX_LAYER_${target}_FOLDER)
            list(APPEND folders ${QUILLOX_LAYER_${target}_FOLDER})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES folders)
    set(${out} "${folders}" PARENT_SCOPE)
endfunction()

# Fails when the table itself lets two folders reach each other.
function(quillox_check_layer_table)
    quillox_layer_folders(folders)
    foreach(folder IN LISTS folders)
        quillox_folder_reach(${folder} reach)
        list(REMOVE_ITEM reach ${folder})
        foreach(lower IN LISTS reach)
            quillox_folder_reach(${lower} back)
            if(folder IN_LIST back)
                message(FATAL_ERROR "Layers: ${folder} and ${lower} may reach each other")
            endif()
        endforeach()
    endforeach()
endfunction()

# The build targets defined in dir and the folders below it.
function(quillox_targets_under dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        quillox_targets_under(${sub} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} "${targets}" PARENT_SCOPE)
endfunction()

# Fails the configuration when a library or program under src/ is missing
# from the table, lies in another folder than the table gives, or links a
# target of the project that the table does not let it reach.
function(quillox_check_layer_links)
    quillox_check_layer_table()
    set(targets "")
    get_property(subdirs DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
    foreach(dir IN LISTS subdirs)
        if(dir MATCHES "^${CMAKE_SOURCE_DIR}/src/")
            quillox_targets_under(${dir} found)
            list(APPEND targets ${found})
        endif()
    endforeach()
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        # Steps that generate files, such as the embedded pictures, link nothing.
        if(type STREQUAL "UTILITY")
            continue()
        endif()
        if(NOT target IN_LIST QUILLOX_LAYERS)
            message(FATAL_ERROR "Layers: ${target} is missing from cmake/Layers.cmake")
        endif()
        get_target_property(dir ${target} SOURCE_DIR)
        file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/src ${dir})
        string(REGEX REPLACE "/.*" "" folder "${relative}")
        if(NOT folder STREQUAL QUILLOX_LAYER_${target}_FOLDER)
            message(FATAL_ERROR "Layers: ${target} is defined in src/${folder}, "
                                "but cmake/Layers.cmake puts it in "
                                "src/${QUILLOX_LAYER_${target}_FOLDER}")
        endif()
        quillox_layer_reach(${target} allowed)
        set(links "")
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(items ${target} ${property})
            if(items)
                list(APPEND links ${items})
            endif()
        endforeach()
        foreach(item IN LISTS links)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
            if(item IN_LIST QUILLOX_LAYERS)
                if(NOT item IN_LIST allowed)
                    message(FATAL_ERROR "Layers: ${target} may not link ${item}")
                endif()
            elseif(TARGET ${item})
                get_target_property(imported ${item} IMPORTED)
                if(NOT imported)
                    message(FATAL_ERROR "Layers: ${target} links ${item}, "
                                        "which is missing from cmake/Layers.cmake")
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()
