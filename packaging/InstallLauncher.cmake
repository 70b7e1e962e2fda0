# Runs at install time, after the program folder is in place: puts the `barwright` command on
# the PATH and the desktop entry into the menu, both pointing at the installed program.
# Expects BARWRIGHT_BINDIR, BARWRIGHT_DATADIR, BARWRIGHT_INSTALL_DIR, BARWRIGHT_APP_ID and
# BARWRIGHT_DESKTOP_TEMPLATE; CMAKE_INSTALL_PREFIX is the prefix chosen for this install.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(command "${CMAKE_INSTALL_PREFIX}/${BARWRIGHT_BINDIR}/barwright")

# The command is a relative link, so the installed tree can be moved as a whole; the program
# finds its folder through the link's target.
file(RELATIVE_PATH target "${CMAKE_INSTALL_PREFIX}/${BARWRIGHT_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${BARWRIGHT_INSTALL_DIR}/barwright")
file(MAKE_DIRECTORY "${root}/${BARWRIGHT_BINDIR}")
file(REMOVE "${root}/${BARWRIGHT_BINDIR}/barwright")
file(CREATE_LINK "${target}" "${root}/${BARWRIGHT_BINDIR}/barwright" SYMBOLIC)
message(STATUS "Installing: ${root}/${BARWRIGHT_BINDIR}/barwright -> ${target}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${root}/${BARWRIGHT_BINDIR}/barwright")

# The menu starts the command by its full path, which need not be on the PATH of the session.
# A path with characters a desktop entry reserves is quoted, and those characters escaped.
set(BARWRIGHT_EXEC "${command}")
if(NOT command MATCHES "^[A-Za-z0-9/._+-]+$")
    string(REPLACE "\\" "\\\\" escaped "${command}")
    foreach(reserved "\"" "`" "$")
        string(REPLACE "${reserved}" "\\${reserved}" escaped "${escaped}")
    endforeach()
    string(REPLACE "\\" "\\\\" escaped "${escaped}")
    string(REPLACE "%" "%%" escaped "${escaped}")
    set(BARWRIGHT_EXEC "\"${escaped}\"")
endif()
set(entry "${root}/${BARWRIGHT_DATADIR}/applications/${BARWRIGHT_APP_ID}.desktop")
configure_file("${BARWRIGHT_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
message(STATUS "Installing: ${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
