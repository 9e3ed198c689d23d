# Fails when a source under src/ includes a header of a layer it may not use.
# Run as: cmake -DSOURCE_DIR=<repo> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

# Each layer lists the layers it may include; a file belongs to the longest folder that names a layer.
set(layers
    foundation
    protocol
    graphics
    sound
    toolkit
    table/core
    scene/core
    vipdialog/core
    views
    vipdialog
    table
    table/flows
    scene
    host)
set(allowed_foundation foundation)
set(allowed_protocol foundation protocol)
set(allowed_graphics foundation graphics)
set(allowed_sound foundation sound)
set(allowed_toolkit foundation graphics sound toolkit)
set(allowed_table/core foundation protocol table/core)
set(allowed_scene/core foundation protocol table/core scene/core)
set(allowed_vipdialog/core foundation vipdialog/core)
set(allowed_vipdialog foundation vipdialog/core views vipdialog)
set(allowed_views foundation protocol graphics sound toolkit table/core views)
set(allowed_table foundation protocol graphics sound toolkit table/core scene/core views table)
set(allowed_table/flows foundation protocol graphics sound toolkit table/core scene/core views table table/flows)
set(allowed_scene foundation protocol graphics sound toolkit table/core scene/core views table table/flows vipdialog/core vipdialog scene)
set(allowed_host ${layers})

function(layer_of path out)
    set(best "")
    foreach(layer IN LISTS layers)
        string(LENGTH "${layer}" n)
        string(SUBSTRING "${path}" 0 ${n} head)
        string(LENGTH "${best}" bn)
        if(head STREQUAL layer AND n GREATER bn)
            string(SUBSTRING "${path}/" ${n} 1 next)
            if(next STREQUAL "/")
                set(best "${layer}")
            endif()
        endif()
    endforeach()
    set(${out} "${best}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.inl")
set(violations "")
foreach(src IN LISTS sources)
    layer_of("${src}" own)
    if(own STREQUAL "")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/src/${src}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
        layer_of("${header}" used)
        if(used STREQUAL "")
            continue()
        endif()
        if(NOT used IN_LIST allowed_${own})
            list(APPEND violations "src/${src} (${own}) includes ${header} (${used})")
        endif()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "A lower layer includes a higher one:\n  ${text}")
endif()
