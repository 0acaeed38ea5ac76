# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on its staging folder before it builds the package: strips every program and the
# report module as Debian's dh_strip does, of symbols and debug information and of the compiler's
# .comment and .note sections, which no one reads at run time.
file(GLOB programmi "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(NOT programmi)
    message(FATAL_ERROR "spoglia.cmake: nessun programma in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
function(spoglia file)
    execute_process(COMMAND "${CPACK_SPINTARO_STRIP}" ${ARGN} --remove-section=.comment
                            --remove-section=.note "${file}" RESULT_VARIABLE esito)
    if(NOT esito EQUAL 0)
        message(FATAL_ERROR "spoglia.cmake: strip non riuscito su ${file}")
    endif()
endfunction()
foreach(programma IN LISTS programmi)
    spoglia("${programma}")
endforeach()
# The report module as dh_strip strips a shared object: what no other object links against.
file(GLOB_RECURSE moduli "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/lib/*.so")
foreach(modulo IN LISTS moduli)
    spoglia("${modulo}" --strip-unneeded)
endforeach()
