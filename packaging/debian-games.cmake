# Run by CPack between installing into its staging folder and building the
# .deb: Debian keeps games in /usr/games (policy 11.11). The program still
# finds its content there, at ../share/minifonikra beside its own folder.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${staged}/bin/MiniFonikra")
  message(FATAL_ERROR "no program at ${staged}/bin/MiniFonikra to move to games/")
endif()
file(MAKE_DIRECTORY "${staged}/games")
file(RENAME "${staged}/bin/MiniFonikra" "${staged}/games/MiniFonikra")
# bin/ held only the program; an empty folder would be shipped as it is.
file(GLOB left "${staged}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${staged}/bin")
endif()
