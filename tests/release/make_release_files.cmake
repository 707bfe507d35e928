# Builds the release files and unpacks the portable zip as a user would:
#   cmake -DBUILD=<build folder> -DZIP=<zip> -DUNZIPPED=<folder> -P make_release_files.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target dist RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "the release files could not be built (${result})")
endif()
file(REMOVE_RECURSE ${UNZIPPED})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${UNZIPPED})
