# Checks every #include under src/ and jet/ against the layers' rules and
# fails, naming each offending line, when a file includes a layer above its
# own, an engine-private header from outside jet/, a widget header below
# gui/, or anything of the application or of Qt from inside the engine.
#
#   cmake -DSOURCE_DIR=<src> -DENGINE_DIR=<jet> [-DWIDGETS_DIR=<QtWidgets include dir>] -P IncludeRules.cmake
#
# The layers as the build links them (a layer may include those below it
# that it links):
#
#    gui/ (Qt Widgets windows)      cli/ (command-line front end)
#               \                          /
#                shell/
#                update/   (the update run: reads the data dates through
#               /      \    dataset/, downloads through net/)
#      dataset/          net/
#             \         /
#              support/
#                jet/  (standalone engine, a project of its own at the top of
#                       the tree: its public API is jet/include/jet/*.h)
#
cmake_minimum_required(VERSION 3.25)

# Allowed layer includes, by the including file's layer (update builds on
# dataset and net: the driver reads the data dates and downloads through the
# update-service client).
set(allowed_support support)
set(allowed_dataset dataset support)
set(allowed_net net support)
set(allowed_update update dataset net support)
set(allowed_shell shell dataset update net support)
set(allowed_cli cli shell dataset update net support)
set(allowed_gui gui shell dataset update net support)
set(allowed_tools tools)
# The layers that speak to the engine through its public API.
set(engine_users dataset update tools)

set(layers support dataset net update shell cli gui tools)

# Inside the engine (jet/src/<folder>/), lowest first: a folder includes its
# own and those below it, never one above, so the folders form no cycle.
set(engine_order util generated io page index table catalog db create)
# The generated sort table is data of index/, which it declares.
set(engine_extra_generated index)
set(engine_private db io page table index catalog create util generated)

if(NOT SOURCE_DIR OR NOT ENGINE_DIR)
    message(FATAL_ERROR "SOURCE_DIR and ENGINE_DIR must be set")
endif()

set(problems "")
# The engine, its tests and its tool: nothing of Qt, nothing of the application.
file(GLOB_RECURSE engine_files RELATIVE ${ENGINE_DIR} ${ENGINE_DIR}/*.h ${ENGINE_DIR}/*.cpp)
foreach(file ${engine_files})
    file(STRINGS ${ENGINE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
        if(NOT line MATCHES "#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
            continue()
        endif()
        set(bracket "${CMAKE_MATCH_1}")
        set(target "${CMAKE_MATCH_2}")
        string(REGEX MATCH "^[^/]+" first "${target}")
        if((bracket STREQUAL "<" AND target MATCHES "^Q") OR (target MATCHES "/" AND first IN_LIST layers))
            string(APPEND problems "jet/${file}: the engine includes the application: ${line}\n")
        endif()
    endforeach()
endforeach()

# The engine's own folders, in the order above.
file(GLOB_RECURSE engine_src RELATIVE ${ENGINE_DIR}/src ${ENGINE_DIR}/src/*.h ${ENGINE_DIR}/src/*.cpp)
foreach(file ${engine_src})
    string(REGEX MATCH "^[^/]+" folder "${file}")
    list(FIND engine_order ${folder} own)
    if(own EQUAL -1)
        string(APPEND problems "jet/src/${file}: a folder the engine's order does not name\n")
        continue()
    endif()
    file(STRINGS ${ENGINE_DIR}/src/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
        if(NOT line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
            continue()
        endif()
        set(first "${CMAKE_MATCH_1}")
        list(FIND engine_order ${first} theirs)
        if(theirs GREATER own AND NOT first IN_LIST engine_extra_${folder})
            string(APPEND problems "jet/src/${file}: ${folder}/ may not include ${first}/, which is above it: ${line}\n")
        endif()
    endforeach()
endforeach()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(file ${files})
    string(REGEX MATCH "^[^/]+" layer "${file}")
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
        if(NOT line MATCHES "#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
            continue()
        endif()
        set(bracket "${CMAKE_MATCH_1}")
        set(target "${CMAKE_MATCH_2}")
        string(REGEX MATCH "^[^/]+" first "${target}")
        set(has_folder FALSE)
        if(target MATCHES "/")
            set(has_folder TRUE)
        endif()

        # The engine: only its public headers, and only from its users.
        if(first STREQUAL "jet" AND has_folder)
            if(NOT EXISTS ${ENGINE_DIR}/include/${target})
                string(APPEND problems "${file}: engine-private header: ${line}\n")
            elseif(NOT layer IN_LIST engine_users)
                string(APPEND problems "${file}: ${layer}/ does not speak to the engine: ${line}\n")
            endif()
            continue()
        endif()
        if(has_folder AND first IN_LIST engine_private AND bracket STREQUAL "\"")
            string(APPEND problems "${file}: engine-private header: ${line}\n")
            continue()
        endif()

        # Layers above one's own.
        if(has_folder AND first IN_LIST layers AND bracket STREQUAL "\"")
            if(NOT first IN_LIST allowed_${layer})
                string(APPEND problems "${file}: ${layer}/ may not include ${first}/: ${line}\n")
            endif()
            continue()
        endif()

        # Widgets belong to gui/ alone.
        if(NOT layer STREQUAL "gui" AND bracket STREQUAL "<")
            set(widget FALSE)
            if(first STREQUAL "QtWidgets")
                set(widget TRUE)
            elseif(WIDGETS_DIR AND NOT has_folder AND target MATCHES "^Q" AND EXISTS ${WIDGETS_DIR}/${target})
                set(widget TRUE)
            elseif(target MATCHES "^Q(Widget|MainWindow|MessageBox|Dialog|Application|PushButton|Label)$")
                set(widget TRUE)
            endif()
            if(widget)
                string(APPEND problems "${file}: a widget header below gui/: ${line}\n")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes that break the layers:\n${problems}")
endif()
list(LENGTH files count)
list(LENGTH engine_files engine_count)
message(STATUS "${count} files of the application and ${engine_count} of the engine keep the include rules")
