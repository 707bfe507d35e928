# Builds the release files as a signed release is built, with a certificate made for the test,
# and unpacks the portable zip as a user would:
#   cmake -DBUILD=<build folder> -DVERSION=<version> -DMAKE_DIST=<make_dist> -DSIGNED=<folder>
#         -DSETUP=<installer> -DUNZIPPED=<folder> -P make_release_files.cmake
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(result)
        message(FATAL_ERROR "the release files could not be built (${result}): ${ARGN}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --build ${BUILD} --target almanaque almanaque-exportar)
file(REMOVE_RECURSE ${SIGNED} ${UNZIPPED})
file(MAKE_DIRECTORY ${SIGNED})
run(openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Almanaque prueba"
    -addext extendedKeyUsage=codeSigning -keyout ${SIGNED}/key.pem -out ${SIGNED}/cert.pem)
run(${CMAKE_COMMAND} -E env ALMANAQUE_SIGN_CERT=${SIGNED}/cert.pem
    ALMANAQUE_SIGN_KEY=${SIGNED}/key.pem ${MAKE_DIST} ${VERSION} ${BUILD}
    ${SIGNED}/almanaque-win64.zip ${SETUP})
file(ARCHIVE_EXTRACT INPUT ${SIGNED}/almanaque-win64.zip DESTINATION ${UNZIPPED})
