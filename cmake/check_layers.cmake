# Fails when a file of one folder under SOURCE_DIR includes a header of a
# folder that is not below it, or a file of one room of ui a header of a room
# above it. Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
# The folders each folder may include besides its own; keep in step with the
# link lines in src/*/CMakeLists.txt and with docs/architecture.md.
set(allowed_values "")
set(allowed_textfile "")
set(allowed_settings values textfile)
set(allowed_history values textfile)
set(allowed_formula values textfile settings)
set(allowed_engine values textfile settings history formula)
set(allowed_cli values textfile settings history formula engine)
set(allowed_ui values textfile settings history formula engine)
set(layers values textfile settings history formula engine cli ui)
# The rooms of ui, lowest first: a room may include its own headers and those
# of the rooms before it. Files directly in ui/ (main.cpp) sit above them all.
set(ui_rooms platform menus panels settings_dialog window)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "SOURCE_DIR '${SOURCE_DIR}' is not a folder")
endif()

set(violations "")
macro(refuse file line)
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
    string(APPEND violations "\n  ${shown}: ${line}")
endmacro()

# A ui file of a room including a header of a later room.
function(check_ui_room file room_index)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"ui/[^\"/]+/")
    foreach(line ${includes})
        string(REGEX REPLACE "^[^\"]*\"ui/([^\"/]+)/.*$" "\\1" room "${line}")
        list(FIND ui_rooms "${room}" included_index)
        if(included_index GREATER room_index)
            refuse("${file}" "${line}")
        endif()
    endforeach()
    set(violations "${violations}" PARENT_SCOPE)
endfunction()

foreach(layer ${layers})
    file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${line}")
            if(folder STREQUAL layer)
                continue()
            endif()
            list(FIND allowed_${layer} "${folder}" found)
            if(found EQUAL -1)
                refuse("${file}" "${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

foreach(room ${ui_rooms})
    list(FIND ui_rooms "${room}" room_index)
    file(GLOB_RECURSE files "${SOURCE_DIR}/ui/${room}/*.h" "${SOURCE_DIR}/ui/${room}/*.cpp")
    foreach(file ${files})
        check_ui_room("${file}" ${room_index})
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "A layer includes a header of a layer it may not use:${violations}")
endif()
