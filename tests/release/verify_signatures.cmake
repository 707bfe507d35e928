# The programs of the signed test release, the installer and the uninstaller it installed (copied
# out by the release test) verify against the test's own certificate, their root:
#   cmake -DSIGNED=<folder> -DSETUP=<installer> -DUNZIPPED=<folder> -P verify_signatures.cmake
foreach(program ${UNZIPPED}/almanaque.exe ${UNZIPPED}/almanaque-exportar.exe ${SETUP}
        ${SIGNED}/desinstalar.exe)
    execute_process(COMMAND osslsigncode verify -CAfile ${SIGNED}/cert.pem -in ${program}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result OR NOT output MATCHES "Subject: /CN=Almanaque prueba")
        message(SEND_ERROR "${program} is not signed by the test's certificate:\n${output}")
    endif()
endforeach()
