# Fails when a file under src/ includes from a folder above its own. The order, lowest first:
# platform < calendar < persistence, render < editor, shell, export < app. A folder may include
# from itself and from lower folders only.
#   cmake -DSOURCE_DIR=<repository> -P include_order.cmake

set(RANK_platform 0)
set(RANK_calendar 1)
set(RANK_persistence 2)
set(RANK_render 2)
set(RANK_editor 3)
set(RANK_shell 3)
set(RANK_export 3)
set(RANK_app 4)

file(GLOB_RECURSE SOURCES ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(WRONG)
foreach(source IN LISTS SOURCES)
    file(RELATIVE_PATH relative ${SOURCE_DIR}/src ${source})
    string(REGEX MATCH "^[^/]+" folder ${relative})
    file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included "${line}")
        if(NOT included STREQUAL folder AND NOT RANK_${included} LESS RANK_${folder})
            list(APPEND WRONG "${relative} includes from ${included}/")
        endif()
    endforeach()
endforeach()
if(WRONG)
    list(JOIN WRONG "\n  " lines)
    message(FATAL_ERROR "Includes from a higher folder:\n  ${lines}")
endif()
