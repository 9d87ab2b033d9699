# The Windows build's tests, run under wine64 with a wine prefix of this
# build's own (made by the first test, which takes a while on a fresh
# machine): the unit suite; the backend's tests that need a real console,
# in a pseudo-terminal that wine turns into one; the zip's files and the
# exe's resources; and the game unpacked from its zip, played in tmux.
find_program(AE_WINE64 wine64 PATHS /usr/lib/wine)
find_program(AE_WINESERVER wineserver PATHS /usr/lib/wine)
if(NOT AE_WINE64 OR NOT AE_WINESERVER)
  # `make windows` needs no wine; `make test-windows` fails on finding no test.
  message(WARNING "No wine64 (package wine64): the Windows build's tests cannot run.")
  return()
endif()
find_program(AE_SCRIPT script REQUIRED)  # run_in_console.py needs it
find_program(TMUX_PROGRAM tmux REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The zip's files and what Explorer reads from the exe, read back without
# running it, with mingw-w64's objdump and windres.
list(JOIN AE_DATA_FILES "," AE_DATA_FILES_ARGUMENT)
add_test(NAME windows.release_files
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/release_files_test.py
                 ${AE_WINDOWS_ZIP} ${CMAKE_OBJDUMP} ${AE_WINDRES} ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}
                 ${AE_DATA_FILES_ARGUMENT})

set(AE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(AE_WINE env WINEPREFIX=${AE_WINE_PREFIX} WINEDEBUG=-all ${AE_WINE64})
set(AE_CONSOLE_TESTS "*OnAConsole*")

add_test(NAME wine.prefix COMMAND ${AE_WINE} wineboot --init)
add_test(NAME wine.unit COMMAND ${AE_WINE} $<TARGET_FILE:ae_tests> --gtest_filter=-${AE_CONSOLE_TESTS})
add_test(NAME wine.console
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/run_in_console.py
                 ${AE_WINE64} ${AE_WINE_PREFIX} $<TARGET_FILE:ae_tests> --gtest_filter=${AE_CONSOLE_TESTS})
add_test(NAME wine.e2e.play_from_the_zip
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/play_under_wine_test.py
                 ${AE_WINDOWS_ZIP} ${AE_WINE64} ${AE_WINE_PREFIX})
set_tests_properties(wine.e2e.play_from_the_zip PROPERTIES TIMEOUT 600)
# Nothing of wine stays behind: its server, and whatever a failed test left.
add_test(NAME wine.shutdown
         COMMAND sh -c "WINEPREFIX=${AE_WINE_PREFIX} ${AE_WINESERVER} -k || true")

set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine.unit wine.console wine.e2e.play_from_the_zip
                     PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600)
set_tests_properties(wine.shutdown PROPERTIES FIXTURES_CLEANUP wine)
