# Tests of the Windows build run under wine64, each program through
# wine_run.sh in a wine prefix of this build's own (see the script for why
# wine is started before the tests). Without wine64 the build still works;
# only the tests cannot run.
find_program(WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
find_program(WINESERVER wineserver PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(WINE64 AND WINESERVER)
  set(wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine_run.sh.in ${CMAKE_BINARY_DIR}/wine_run.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine_run.sh)
else()
  message(WARNING "wine64 not found: the Windows tests cannot run")
endif()
