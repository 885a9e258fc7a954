# Running the Windows build's programs: under Wine when cross-compiled, in a
# prefix of the build's own (wineprefix/ in the build folder), headless.
# build/windows/wine-run.sh is the emulator CTest puts before every test
# command; it makes the prefix at first use, and the test WinePrefix.ready
# (the fixture every Windows test requires) does so before the tests start.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()
find_program(TESMAR_WINE NAMES wine wine64 REQUIRED)
set(TESMAR_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
  @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
set(TESMAR_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TESMAR_WINE_RUN})
