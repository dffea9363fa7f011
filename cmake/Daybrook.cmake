# Helpers that keep every folder's CMakeLists.txt to a line or two.

# daybrook_library(<name> [DEPS <targets>...])
# A static library of every .cpp/.h/.ui in the calling folder except main.cpp; headers are
# included as "<folder>/<Header>.h" from src/. Every library is also listed in the global
# property DAYBROOK_LIBRARIES, which the benchmark and screenshot programs link.
function(daybrook_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    get_property(assets GLOBAL PROPERTY DAYBROOK_ASSETS_${name})
    target_link_libraries(${name} PUBLIC ${assets})
    set_property(GLOBAL APPEND PROPERTY DAYBROOK_LIBRARIES ${name})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    daybrook_record_links(${name} ${folder} ${ARG_DEPS})
endfunction()

# daybrook_record_links(<target> <folder under src/ or -> <linked items>...)
# Notes what a target links for the layer check (cmake/CheckLayers.cmake).
function(daybrook_record_links target folder)
    string(REPLACE ";" "," linked "${ARGN}")
    set_property(GLOBAL APPEND PROPERTY DAYBROOK_LINK_LINES "${target}|${folder}|${linked}")
endfunction()

# daybrook_write_links(<file>): the links noted so far, one target a line.
function(daybrook_write_links file)
    get_property(lines GLOBAL PROPERTY DAYBROOK_LINK_LINES)
    string(REPLACE ";" "\n" text "${lines}")
    file(WRITE ${file} "${text}\n")
endfunction()

# daybrook_attach_assets(<library> <target>)
# An asset generator's target (pictures compiled into a resource library) that <library> links.
# Assets are configured before the source folders, so the library picks it up when declared.
function(daybrook_attach_assets library target)
    set_property(GLOBAL APPEND PROPERTY DAYBROOK_ASSETS_${library} ${target})
endfunction()

# daybrook_generated_pictures(<library> GENERATOR <program> SOURCES <sources>...
#                             [ARGUMENTS <arguments>...] PICTURES <prefix>/<file>...
#                             [OTHER_FILES <file>...] ATTACH <libraries>...)
# Pictures drawn at build time. <program>, built from SOURCES with Qt Gui, runs offscreen as
# "<program> <folder> <arguments>..." and writes every file of PICTURES into <folder>; they are
# compiled into the resource library <library> as ":/<prefix>/<file>" (one resource named
# <prefix> per prefix, which Q_INIT_RESOURCE(<prefix>) names), attached to each ATTACH library.
# OTHER_FILES are written into <folder> too but kept out of the resources (files to install).
function(daybrook_generated_pictures library)
    cmake_parse_arguments(ARG "" "GENERATOR" "SOURCES;ARGUMENTS;PICTURES;OTHER_FILES;ATTACH" ${ARGN})
    add_executable(${ARG_GENERATOR} ${ARG_SOURCES})
    target_link_libraries(${ARG_GENERATOR} PRIVATE Qt6::Gui)
    target_include_directories(${ARG_GENERATOR} PRIVATE ${PROJECT_SOURCE_DIR}/assets)

    set(folder ${CMAKE_CURRENT_BINARY_DIR}/pictures)
    set(outputs)
    set(prefixes)
    foreach(picture ${ARG_PICTURES})
        get_filename_component(prefix ${picture} DIRECTORY)
        get_filename_component(file ${picture} NAME)
        list(APPEND outputs ${folder}/${file})
        list(APPEND prefixes ${prefix})
        list(APPEND files_of_${prefix} ${folder}/${file})
    endforeach()
    list(REMOVE_DUPLICATES prefixes)
    foreach(file ${ARG_OTHER_FILES})
        list(APPEND outputs ${folder}/${file})
    endforeach()

    add_custom_command(OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:${ARG_GENERATOR}> ${folder} ${ARG_ARGUMENTS}
        DEPENDS ${ARG_GENERATOR}
        COMMENT "Drawing the pictures of ${library}"
        VERBATIM)
    add_library(${library} STATIC)
    foreach(prefix ${prefixes})
        qt_add_resources(${library} ${prefix} PREFIX /${prefix} BASE ${folder} FILES ${files_of_${prefix}})
    endforeach()
    target_link_libraries(${library} PUBLIC Qt6::Core)
    foreach(attached ${ARG_ATTACH})
        daybrook_attach_assets(${attached} ${library})
    endforeach()
endfunction()

# daybrook_all_libraries(<variable>): every library declared so far.
function(daybrook_all_libraries variable)
    get_property(libraries GLOBAL PROPERTY DAYBROOK_LIBRARIES)
    set(${variable} ${libraries} PARENT_SCOPE)
endfunction()

# daybrook_test(<name> [QT] [DEPS <targets>...])
# One test program per folder of tests/, from every .cpp in the calling folder, registered
# with CTest. QT: the program runs inside a QApplication (offscreen platform).
function(daybrook_test name)
    cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    set(target test_${name})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} daybrook_testsupport GTest::gmock)
    if(ARG_QT)
        target_link_libraries(${target} PRIVATE daybrook_testmain_qt)
    else()
        target_link_libraries(${target} PRIVATE GTest::gtest_main)
    endif()
    gtest_discover_tests(${target}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DAYBROOK_VECTORS=${PROJECT_SOURCE_DIR}/tests/vectors")
endfunction()
