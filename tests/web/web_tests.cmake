# The web build's tests: the portable unit suite and the backend's own
# under node; the same game as the native build, frame for frame; the
# page's font and colours; and the page itself in Chromium, WebKitGTK and
# Firefox, opened from its folder and from a local server, clicked,
# tapped on a phone, read as a screen reader reads it, made to fail, and
# served as sites serve it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Every suite but the one that needs a program file: a page has none.
ae_node_program(ae_tests)
target_link_libraries(ae_tests PRIVATE ae_page_files)
add_test(NAME web.unit COMMAND ${AE_NODE} $<TARGET_FILE:ae_tests>
                               --gtest_filter=-ExecutablePath.NamesTheRunningProgramsFile)
set_tests_properties(web.unit PROPERTIES TIMEOUT 900)

# The native build's player, to compare with: `make test-web` builds it
# first in the folder of `make build`.
set(AE_NATIVE_BUILD_DIR ${PROJECT_SOURCE_DIR}/build CACHE PATH
    "The native build whose frames the web build's must match")
set(AE_NATIVE_PLAYTHROUGH ${AE_NATIVE_BUILD_DIR}/tools/screenshot/ae-playthrough)
add_test(NAME web.same_game_as_native
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/same_game_test.py ${AE_NODE}
                 $<TARGET_FILE:ae-playthrough> ${AE_NATIVE_PLAYTHROUGH} ${PROJECT_SOURCE_DIR}/assets)
set_tests_properties(web.same_game_as_native PROPERTIES TIMEOUT 900)

# The page's module with Asyncify's assertions, whole games under node.
add_test(NAME web.checked_module
         COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/checked_module_test.py ${AE_NODE}
                 $<TARGET_FILE:ancient-evil-checked> ${AE_NATIVE_PLAYTHROUGH}
                 ${PROJECT_SOURCE_DIR}/assets)

add_test(NAME web.site
         COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/site_test.py ${AE_WEB_ZIP} ${AE_SITE}
                 ${CMAKE_BINARY_DIR}/page-glyphs.txt ${PROJECT_SOURCE_DIR}/assets
                 ${AE_NATIVE_PLAYTHROUGH})

# The page in each engine players meet: Chromium (Chrome, Edge, most
# Android browsers), WebKit (Safari, every browser on an iPhone) as
# WebKitGTK, and Gecko (Firefox); one browser at a time, each is heavy for
# a small machine.
foreach(engine chromium webkit firefox)
  foreach(mode folder server)
    add_test(NAME web.page_in_${engine}_from_a_${mode}
             COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/page_test.py ${AE_SITE}
                     ${AE_NATIVE_PLAYTHROUGH} ${PROJECT_SOURCE_DIR}/assets ${mode} ${engine})
    set_tests_properties(web.page_in_${engine}_from_a_${mode} PROPERTIES TIMEOUT 900
                         RESOURCE_LOCK browser)
  endforeach()
  # A click or a tap on a choice, the live region, playing again.
  add_test(NAME web.page_for_players_in_${engine}
           COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/page_player_test.py ${AE_SITE}
                   ${AE_NATIVE_PLAYTHROUGH} ${PROJECT_SOURCE_DIR}/assets ${engine})
  # The page's files missing, damaged or refused, and its own faults.
  add_test(NAME web.page_failures_in_${engine}
           COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/page_failures_test.py ${AE_SITE}
                   ${engine})
  # Served as sites serve it: a sandboxed frame, a caching server across an
  # update, two copies on one site.
  add_test(NAME web.page_hosting_in_${engine}
           COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/page_hosting_test.py ${AE_SITE}
                   ${engine})
  # What older versions of the engine lack, taken away.
  add_test(NAME web.older_${engine}
           COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/old_engine_test.py ${AE_SITE}
                   ${engine})
  set_tests_properties(web.page_for_players_in_${engine} web.page_failures_in_${engine}
                       web.page_hosting_in_${engine} web.older_${engine}
                       PROPERTIES TIMEOUT 900 RESOURCE_LOCK browser)
endforeach()

# The page on a phone, upright and sideways: its buttons, taps on the grid
# and on them, a whole game by taps. WebKitGTK's driver emulates no phone.
foreach(engine chromium firefox)
  add_test(NAME web.page_on_a_phone_in_${engine}
           COMMAND ${AE_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/page_phone_test.py ${AE_SITE}
                   ${AE_NATIVE_PLAYTHROUGH} ${PROJECT_SOURCE_DIR}/assets ${engine})
  set_tests_properties(web.page_on_a_phone_in_${engine} PROPERTIES TIMEOUT 900
                       RESOURCE_LOCK browser)
endforeach()

