# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack -G DEB in the build folder) and the files Debian wants beside the
# programs: the machine-readable copyright and the changelog, compressed as dpkg expects.

# Reads a text kept in packaging/ without its licence line, with @VARIABLES@ filled in.
function(spintaro_testo_pacchetto sorgente variabile)
    set(percorso ${CMAKE_CURRENT_LIST_DIR}/${sorgente})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${percorso})
    file(READ ${percorso} testo)
    string(REGEX REPLACE "^# SPDX-License-Identifier:[^\n]*\n" "" testo "${testo}")
    string(CONFIGURE "${testo}" testo @ONLY)
    set(${variabile} "${testo}" PARENT_SCOPE)
endfunction()

find_program(GZIP gzip REQUIRED)
set(cartella_debian ${PROJECT_BINARY_DIR}/debian)
spintaro_testo_pacchetto(copyright.in testo)
file(CONFIGURE OUTPUT ${cartella_debian}/copyright CONTENT "${testo}")
install(FILES ${cartella_debian}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A native package keeps its Debian changelog as changelog.gz; gzip -9n leaves out the name and
# the time of the file, so the same changelog always gives the same bytes.
spintaro_testo_pacchetto(changelog.in testo)
file(CONFIGURE OUTPUT ${cartella_debian}/changelog CONTENT "${testo}")
add_custom_command(
    OUTPUT ${cartella_debian}/changelog.gz
    COMMAND ${GZIP} -9 -n -f -k ${cartella_debian}/changelog
    DEPENDS ${cartella_debian}/changelog
    COMMENT "changelog.gz del pacchetto"
    VERBATIM)
add_custom_target(spintaro_changelog ALL DEPENDS ${cartella_debian}/changelog.gz)
install(FILES ${cartella_debian}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The first line of descrizione.txt is the one-line summary, the rest the long description
# (CPack indents it and turns its empty lines into Debian's " .").
spintaro_testo_pacchetto(descrizione.txt testo)
string(FIND "${testo}" "\n" fine_riga)
string(SUBSTRING "${testo}" 0 ${fine_riga} CPACK_PACKAGE_DESCRIPTION_SUMMARY)
math(EXPR fine_riga "${fine_riga} + 1")
string(SUBSTRING "${testo}" ${fine_riga} -1 CPACK_PACKAGE_DESCRIPTION)

set(CPACK_PACKAGE_NAME spintaro)
set(CPACK_PACKAGE_VENDOR "Spintaro")
set(CPACK_PACKAGE_CONTACT "${SPINTARO_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SPINTARO_MAINTAINER_NAME} <${SPINTARO_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SPINTARO_URL_WEB}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins that the library scan cannot see: the platform plugins, the image writers, the fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
# The programs go in stripped as dh_strip strips them (the build keeps its debug information).
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/spoglia.cmake)
set(CPACK_SPINTARO_STRIP ${CMAKE_STRIP})
set(CPACK_GENERATOR DEB)
include(CPack)
