# The layer check run by `make test`. The top-level folders of src/ are the layers, bottom up:
#   base      safe file writes, text lines, byte streams, dates, CRC, code pages   std only
#   formats   codec, diary files, resources, RTF, word lists, export, birthdays   base; no Qt
#   platform  settings store, program folder, code page, collation, file listing   Qt Core at most
#   model     settings values, open diary, birthdays, browse list, calendar, look  no Qt
#   widgets   reusable controls, calendars, rich-text editor, dialogs, services
#   windows   the program's windows
#   app       program entry
# Each folder below a layer (src/<layer>/<subsystem>) is one library. A folder may use (include
# from, link to) folders of its own layer or of the layers below it, and the folders of one layer
# may not use each other in a cycle.
# Run as: cmake -DSOURCE_DIR=<src> -DLINKS=<file written at configure time> -P CheckLayers.cmake
# The links file holds one line per target: "<target>|<folder or ->|<linked items ,-separated>".

cmake_minimum_required(VERSION 3.25)

set(layer_names base formats platform model widgets windows app)
set(qt_free_layers base formats model)
set(qt_allowed_platform Qt6::Core)

set(rank 0)
foreach(layer ${layer_names})
    set(rank_of_${layer} ${rank})
    math(EXPR rank "${rank} + 1")
endforeach()

set(problems)

# The layer of a folder under src/: its first component, when that is a layer.
function(layer_of folder result)
    string(REGEX REPLACE "/.*" "" first "${folder}")
    if(first IN_LIST layer_names)
        set(${result} ${first} PARENT_SCOPE)
    else()
        set(${result} "" PARENT_SCOPE)
    endif()
endfunction()

# The library folder of a path under src/: "<layer>/<subsystem>", or "app".
function(library_folder_of path result)
    if(path MATCHES "^app(/|$)")
        set(${result} app PARENT_SCOPE)
    elseif(path MATCHES "^([a-z]+/[a-z_]+)")
        set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
    else()
        set(${result} "" PARENT_SCOPE)
    endif()
endfunction()

set(folders)
set(edges) # "from>to" between library folders, from includes and links

# Every source lies in a library folder of a layer, directly (no folder of one layer inside
# another's).
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
foreach(source ${sources})
    get_filename_component(directory ${source} DIRECTORY)
    layer_of("${directory}" layer)
    library_folder_of("${directory}" from)
    if(layer STREQUAL "" OR NOT directory STREQUAL from)
        list(APPEND problems "src/${source} is not in a folder src/<layer>/<subsystem> of a known layer")
        continue()
    endif()
    list(APPEND folders ${from})
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            get_filename_component(included_directory ${CMAKE_MATCH_1} DIRECTORY)
            layer_of("${included_directory}" to_layer)
            if(to_layer STREQUAL "")
                continue() # a generated or third-party header
            endif()
            library_folder_of("${included_directory}" to)
            if(rank_of_${to_layer} GREATER rank_of_${layer})
                list(APPEND problems "src/${source} (${layer}) includes ${CMAKE_MATCH_1} (${to_layer})")
            elseif(NOT to STREQUAL from AND to_layer STREQUAL layer)
                list(APPEND edges "${from}>${to}")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)" AND layer IN_LIST qt_free_layers)
            list(APPEND problems "src/${source} (${layer}) includes Qt header <${CMAKE_MATCH_1}>")
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES folders)

# Linked libraries, from the file the configure step wrote.
file(STRINGS ${LINKS} link_lines)
set(targets)
foreach(line ${link_lines})
    string(REPLACE "|" ";" fields "${line}")
    list(GET fields 0 target)
    list(GET fields 1 folder)
    list(LENGTH fields count)
    set(linked)
    if(count GREATER 2)
        list(GET fields 2 linked)
        string(REPLACE "," ";" linked "${linked}")
    endif()
    set(target_folder_of_${target} ${folder})
    set(links_of_${target} ${linked})
    list(APPEND targets ${target})
endforeach()

foreach(target ${targets})
    set(folder ${target_folder_of_${target}})
    if(folder STREQUAL "-")
        continue()
    endif()
    layer_of(${folder} layer)
    foreach(item ${links_of_${target}})
        if(item MATCHES "^Qt6::")
            if(layer IN_LIST qt_free_layers OR (layer STREQUAL "platform" AND NOT item IN_LIST qt_allowed_platform))
                list(APPEND problems "${target} (${layer}) links ${item}")
            endif()
        elseif(DEFINED target_folder_of_${item})
            set(to ${target_folder_of_${item}})
            if(to STREQUAL "-")
                continue()
            endif()
            layer_of(${to} to_layer)
            if(rank_of_${to_layer} GREATER rank_of_${layer})
                list(APPEND problems "${target} (${layer}) links ${item} (${to_layer})")
            elseif(to_layer STREQUAL layer AND NOT to STREQUAL folder)
                list(APPEND edges "${folder}>${to}")
            endif()
        endif()
    endforeach()
endforeach()

# No cycle between the folders of one layer: folders that use nothing left are taken away
# until none is; what remains uses itself through the others.
list(REMOVE_DUPLICATES edges)
set(remaining ${folders})
set(changed TRUE)
while(changed)
    set(changed FALSE)
    foreach(folder ${remaining})
        set(uses_remaining FALSE)
        foreach(edge ${edges})
            if(edge MATCHES "^${folder}>(.*)$" AND CMAKE_MATCH_1 IN_LIST remaining)
                set(uses_remaining TRUE)
                break()
            endif()
        endforeach()
        if(NOT uses_remaining)
            list(REMOVE_ITEM remaining ${folder})
            set(changed TRUE)
        endif()
    endforeach()
endwhile()
if(remaining)
    list(JOIN remaining ", " cycle)
    list(APPEND problems "these folders use each other in a cycle: ${cycle}")
endif()

# The command-line tool must run without a display: no Qt Gui or Widgets anywhere below it.
set(pending daybrook-tool)
set(seen)
while(pending)
    list(POP_FRONT pending target)
    if(target IN_LIST seen)
        continue()
    endif()
    list(APPEND seen ${target})
    foreach(item ${links_of_${target}})
        if(item STREQUAL "Qt6::Gui" OR item STREQUAL "Qt6::Widgets" OR item STREQUAL "Qt6::PrintSupport")
            list(APPEND problems "daybrook-tool reaches ${item} through ${target}")
        elseif(DEFINED links_of_${item})
            list(APPEND pending ${item})
        endif()
    endforeach()
endwhile()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layer check failed:\n  ${text}")
endif()
list(LENGTH folders folder_count)
message(STATUS "Layer check: ${folder_count} folders, includes and links go down, no cycles")
