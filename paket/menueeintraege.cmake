# Writes the menu entries at install time, when the install prefix is known: CPack and
# `cmake --install --prefix` choose it only then. Runs inside the install script, which
# sets LAGERIX_MENUE (the templates) and LAGERIX_PROGRAMME (below the prefix).
set(PROGRAMME "${CMAKE_INSTALL_PREFIX}/${LAGERIX_PROGRAMME}")
foreach(programm lagerix2000 lagerix-editor)
    set(eintrag "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/${programm}.desktop")
    message(STATUS "Installing: ${eintrag}")
    configure_file("${LAGERIX_MENUE}/${programm}.desktop.in" "${eintrag}" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${eintrag}")
endforeach()
