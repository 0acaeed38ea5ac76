# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on its staging folder before it builds the package: strips every program as
# Debian's dh_strip does, of symbols and debug information and of the compiler's .comment and
# .note sections, which no one reads at run time.
file(GLOB programmi "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(NOT programmi)
    message(FATAL_ERROR "spoglia.cmake: nessun programma in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(programma IN LISTS programmi)
    execute_process(COMMAND "${CPACK_SPINTARO_STRIP}" --remove-section=.comment
                            --remove-section=.note "${programma}" RESULT_VARIABLE esito)
    if(NOT esito EQUAL 0)
        message(FATAL_ERROR "spoglia.cmake: strip non riuscito su ${programma}")
    endif()
endforeach()
