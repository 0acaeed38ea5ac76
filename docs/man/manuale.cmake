# SPDX-License-Identifier: GPL-3.0-or-later
# Turns one scdoc source into a manual page and its gzip -9n copy, the same bytes on every build:
#   cmake -DSCDOC=... -DGZIP=... -DINGRESSO=x.1.scd -DUSCITA=x.1 -DPROJECT_VERSION=...
#         -DSPINTARO_URL_WEB=... -DSPINTARO_DATA_VERSIONE=YYYY-MM-DD -P manuale.cmake
# The licence comment on the source's first line goes (scdoc wants its title line first), the
# @VARIABLES@ are filled in, and hyphenation is switched off after .TH, which turns it back on
# with English patterns that split Italian words in the wrong places.
file(READ "${INGRESSO}" testo)
string(REGEX REPLACE "^;[^\n]*\n" "" testo "${testo}")
string(CONFIGURE "${testo}" testo @ONLY)
file(WRITE "${USCITA}.scd" "${testo}")

set(ENV{SOURCE_DATE_EPOCH} 0)
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${USCITA}.scd" OUTPUT_VARIABLE roff
                ERROR_VARIABLE errore RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "scdoc: ${INGRESSO}: ${errore}")
endif()
string(REGEX REPLACE "\n(\\.TH \"[^\"]*\" \"[^\"]*\" )\"[^\"]*\"([^\n]*)\n"
       "\n\\1\"${SPINTARO_DATA_VERSIONE}\"\\2\n.nh\n" roff "${roff}")
file(WRITE "${USCITA}" "${roff}")
execute_process(COMMAND "${GZIP}" -9 -n -c "${USCITA}" OUTPUT_FILE "${USCITA}.gz"
                RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "gzip: ${USCITA}")
endif()
