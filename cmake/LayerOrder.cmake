# Reads every include of the sources under SOURCE_DIR and fails on one that reaches a folder that
# its own folder must not know. The libraries link in the same order, but they share one include
# folder, so the build alone would let such an include through.
#
#     cmake -DSOURCE_DIR=src -P cmake/LayerOrder.cmake

cmake_minimum_required(VERSION 3.25)

set(core listtext schedule model environment showfile)
set(allowed_listtext listtext)
set(allowed_schedule listtext schedule)
set(allowed_model listtext schedule model)
set(allowed_environment listtext environment)
set(allowed_showfile ${core})
set(allowed_showcheck ${core} showcheck)
set(allowed_tooling ${core} showcheck tooling)
set(allowed_widgets ${core} widgets)
set(allowed_document ${core} document)
set(allowed_dialogs ${core} widgets document dialogs)
set(allowed_checkwindow ${core} showcheck checkwindow)
set(allowed_session ${core} widgets document session)
set(allowed_editor ${core} showcheck widgets document dialogs checkwindow session editor)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "no source folder ${SOURCE_DIR}")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" layer "${source}")
    if(NOT DEFINED allowed_${layer})
        list(APPEND faults "${source}: the folder ${layer} has no place in the layer order")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes
         REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
    foreach(include IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" used "${include}")
        if(NOT used IN_LIST allowed_${layer})
            list(APPEND faults "${source}: ${layer} must not include ${used} (${include})")
        endif()
    endforeach()
endforeach()

list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources under ${SOURCE_DIR}")
endif()
if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Includes against the layer order:\n${text}")
endif()
message(STATUS "${count} files follow the layer order")
