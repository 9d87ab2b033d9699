# The game for the browser, built with Debian's emscripten (`make web`):
# the game as one script (the WebAssembly and the seven data files inside
# it, so that the page also works opened from a folder, where a browser
# fetches nothing), our page beside it (web/), the font it draws with and
# that font's licence, in build-web/site/ and zipped in
# dist/ancient-evil-<version>-web.zip.
find_program(AE_NODE NAMES node nodejs REQUIRED)
# fontTools and brotli (for WOFF2) are Debian's python3-fonttools and
# python3-brotli, which only the system's python3 sees.
find_program(AE_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(AE_DEJAVU_MONO /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf)
if(NOT EXISTS ${AE_DEJAVU_MONO})
  message(FATAL_ERROR "${AE_DEJAVU_MONO} is missing (package fonts-dejavu-core).")
endif()

set(AE_WEB_NAME ancient-evil-${PROJECT_VERSION}-web)
set(AE_SITE ${CMAKE_BINARY_DIR}/site)
set(AE_WEB_ZIP ${PROJECT_SOURCE_DIR}/dist/${AE_WEB_NAME}.zip)
# The page's script, game.js, is its parts in web/ joined in this order:
# parts.js first, with which each part names what it needs of those before
# it (the page stops as it loads where one is missing), game.js last, which
# starts the game.
set(AE_PAGE_SCRIPT_PARTS parts.js grid.js narration.js taps.js pointer.js panel.js
    window-fit.js failures.js offline.js game.js)
set(AE_FONT_NAME dejavu-sans-mono.woff2)

# Programs that run under node: synchronous start (no fetch of the .wasm),
# the real file system, their data files read from it, the exit status
# passed on.
function(ae_node_program target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/platform/posix/regular_file.cpp)
  target_link_options(${target} PRIVATE -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0
                      -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)
  set_target_properties(${target} PROPERTIES SUFFIX .js)
endfunction()

# A library holding data files as bytes, each under its file name
# (src/platform/web/built_in_files.h), written again when one changes.
function(ae_built_in_files library)
  set(arrays "")
  set(entries "")
  set(index 0)
  foreach(path ${ARGN})
    get_filename_component(name ${path} NAME)
    file(READ ${path} hex HEX)
    string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
    # A zero after the bytes, so that an empty file is a valid array too.
    string(APPEND arrays "const unsigned char FILE_${index}[] = {${bytes}0};\n")
    string(APPEND entries "    {\"${name}\", FILE_${index}, sizeof FILE_${index} - 1},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  set(source ${CMAKE_BINARY_DIR}/${library}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT
"// Written by cmake/web.cmake from the game's data files: do not edit.
#include \"platform/web/built_in_files.h\"

namespace {
${arrays}}  // namespace

const BuiltInFile BUILT_IN_FILES[] = {
${entries}};
const std::size_t BUILT_IN_FILE_COUNT = sizeof BUILT_IN_FILES / sizeof BUILT_IN_FILES[0];
" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ARGN})
  add_library(${library} STATIC ${source})
  target_link_libraries(${library} PUBLIC ae_backend)
endfunction()

# Asyncify lets the game wait for a key while the page goes on: every
# function on the stack at that wait is instrumented to unwind and rewind.
# The linker finds the wait's direct callers by itself (the page's nextKey);
# the calls through the game's GameIo and the console's Page are indirect,
# and it is told the rest of the way: main, into which the linker inlines
# runGame and its frame loop, and the console's key read. Nothing else is
# instrumented, as no other indirect call can reach a key wait. No report
# of the linker's could check this list, as the calls it cannot follow are
# the very ones listed; instead the module's tests play whole games with
# ancient-evil-checked, which traps where a key wait would unwind through
# a function not instrumented, and names it: add that function here.
set(AE_KEY_WAIT_PATH main "PageConsole::readKey()")
list(JOIN AE_KEY_WAIT_PATH "\n" key_wait_lines)
set(AE_KEY_WAIT_FILE ${CMAKE_BINARY_DIR}/key-wait-path.txt)
file(CONFIGURE OUTPUT ${AE_KEY_WAIT_FILE} CONTENT "${key_wait_lines}\n" @ONLY)

# The game as a module that the page starts (createAncientEvil) as often as
# the player starts a game, with no file system: it reads the data files
# built into it (files_library, from ae_built_in_files). The game allocates
# little, and emmalloc is the smaller allocator.
function(ae_page_module target files_library)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/platform/web/regular_file.cpp)
  target_link_libraries(${target} PRIVATE ${files_library})
  target_link_options(${target} PRIVATE -sMODULARIZE=1 -sEXPORT_NAME=createAncientEvil
                      -sFILESYSTEM=0 -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH=1 -sASYNCIFY=1
                      -sASYNCIFY_IGNORE_INDIRECT=1 -sASYNCIFY_ADD=@${AE_KEY_WAIT_FILE})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${AE_KEY_WAIT_FILE})
  set_target_properties(${target} PROPERTIES SUFFIX .js)
endfunction()

# The page's module, every data file built in; its WebAssembly goes inside
# its script when the site is put together.
ae_built_in_files(ae_page_files ${AE_DATA_PATHS})
ae_page_module(ancient-evil ae_page_files)
# The oldest browsers its script is written for, those the README names
# and web/browser-check.js tells a player of: pinned, so that a newer
# Emscripten does not leave them behind unnoticed.
target_link_options(ancient-evil PRIVATE -sENVIRONMENT=web -sMIN_CHROME_VERSION=75
                    -sMIN_FIREFOX_VERSION=65 -sMIN_SAFARI_VERSION=120000)
# Of the options a module can be started with, only those game.js and the
# WebAssembly's wrapper pass, and text decoded by the browser's own
# TextDecoder, which every one of those browsers has: the script then
# carries no code for the rest.
target_link_options(ancient-evil PRIVATE -sTEXTDECODER=2
                    "-sINCOMING_MODULE_JS_API=[wasmBinary,print,printErr,onAbort]")

# The same module for its tests, run under node: Asyncify's assertions on
# (a key wait that would unwind through a function not instrumented
# traps), its functions named in the trap's stack, and Title.txt left out,
# as a file missing from the module.
if(AE_BUILD_TESTS)
  add_executable(ancient-evil-checked src/main.cpp)
  target_link_libraries(ancient-evil-checked PRIVATE ancient_evil_game)
  set(checked_files ${AE_DATA_PATHS})
  list(REMOVE_ITEM checked_files ${AE_ASSETS}/Title.txt)
  ae_built_in_files(ae_checked_files ${checked_files})
  ae_page_module(ancient-evil-checked ae_checked_files)
  target_link_options(ancient-evil-checked PRIVATE -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0
                      -sASSERTIONS=1 --profiling-funcs)
endif()

# Every character the page can show for the game, for the font: those of
# its own texts and of the data files built into it. A program of the web
# backend's own, run under node.
add_executable(ae-page-glyphs tools/web/page_glyphs.cpp)
target_link_libraries(ae-page-glyphs PRIVATE ae_backend)
ae_node_program(ae-page-glyphs)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/page-glyphs.txt
  COMMAND ${AE_NODE} $<TARGET_FILE:ae-page-glyphs> ${CMAKE_BINARY_DIR}/page-glyphs.txt
          ${AE_DATA_PATHS}
  DEPENDS ae-page-glyphs ${AE_DATA_PATHS}
  COMMENT "Listing the characters the game can show"
  VERBATIM)

# The font: DejaVu Sans Mono cut down to those characters and the page's
# own, as WOFF2, with the licence the font carries.
set(AE_SUBSET_FONT ${PROJECT_SOURCE_DIR}/tools/web/subset_font.py)
add_custom_command(
  OUTPUT ${AE_SITE}/fonts/${AE_FONT_NAME} ${AE_SITE}/fonts/LICENSE-DejaVu.txt
  COMMAND ${AE_SYSTEM_PYTHON} ${AE_SUBSET_FONT} ${AE_DEJAVU_MONO} ${AE_SITE}/fonts/${AE_FONT_NAME}
          ${AE_SITE}/fonts/LICENSE-DejaVu.txt ${CMAKE_BINARY_DIR}/page-glyphs.txt
          ${PROJECT_SOURCE_DIR}/web/index.html
  DEPENDS ${AE_SUBSET_FONT} ${CMAKE_BINARY_DIR}/page-glyphs.txt ${PROJECT_SOURCE_DIR}/web/index.html
  COMMENT "Making the page's font"
  VERBATIM)

# The page, the script that runs first and tells a browser too old for the
# game so, the game, the game's icon for the browser's tab and the home
# screen, the manifest that installs the page, the worker that keeps it
# for offline play, and a how-to for players.
configure_file(web/how-to-play.txt ${CMAKE_BINARY_DIR}/how-to-play.txt @ONLY)
set(AE_WEB ${PROJECT_SOURCE_DIR}/web)
set(AE_SCRIPT_SOURCES ${AE_PAGE_SCRIPT_PARTS})
list(TRANSFORM AE_SCRIPT_SOURCES PREPEND ${AE_WEB}/)
set(AE_PAGE_FILES index.html game.css browser-check.js game.js ancient-evil.js icon.svg
    manifest.webmanifest)
set(AE_SITE_FILES ${AE_PAGE_FILES} README.txt)
list(TRANSFORM AE_SITE_FILES PREPEND ${AE_SITE}/)
set(AE_EMBED_MODULE ${PROJECT_SOURCE_DIR}/tools/web/embed_module.py)
set(AE_PAGE_TOOL ${PROJECT_SOURCE_DIR}/tools/web/page_files.py)
add_custom_command(
  OUTPUT ${AE_SITE_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${AE_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${AE_WEB}/index.html ${AE_WEB}/manifest.webmanifest ${AE_SITE}
  COMMAND ${AE_SYSTEM_PYTHON} ${AE_PAGE_TOOL} join ${AE_SITE}/game.js ${AE_SCRIPT_SOURCES}
  COMMAND ${AE_SYSTEM_PYTHON} ${AE_PAGE_TOOL} join ${AE_SITE}/game.css ${AE_WEB}/game.css
  COMMAND ${AE_SYSTEM_PYTHON} ${AE_PAGE_TOOL} join ${AE_SITE}/browser-check.js
          ${AE_WEB}/browser-check.js
  COMMAND ${AE_SYSTEM_PYTHON} ${AE_EMBED_MODULE} $<TARGET_FILE:ancient-evil>
          $<TARGET_FILE_DIR:ancient-evil>/ancient-evil.wasm ${AE_SITE}/ancient-evil.js
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/how-to-play.txt ${AE_SITE}/README.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/ancient-evil.svg
          ${AE_SITE}/icon.svg
  DEPENDS ${AE_WEB}/index.html ${AE_WEB}/manifest.webmanifest ${AE_WEB}/game.css
          ${AE_WEB}/browser-check.js ${AE_SCRIPT_SOURCES} ancient-evil ${AE_EMBED_MODULE}
          ${AE_PAGE_TOOL} ${CMAKE_BINARY_DIR}/how-to-play.txt
          ${PROJECT_SOURCE_DIR}/packaging/ancient-evil.svg
  COMMENT "Putting the page together in ${AE_SITE}"
  VERBATIM)

set(AE_OFFLINE_FILES ${AE_PAGE_FILES} fonts/${AE_FONT_NAME})
set(AE_OFFLINE_PATHS ${AE_OFFLINE_FILES})
list(TRANSFORM AE_OFFLINE_PATHS PREPEND ${AE_SITE}/)
add_custom_command(
  OUTPUT ${AE_SITE}/service-worker.js
  COMMAND ${AE_SYSTEM_PYTHON} ${AE_PAGE_TOOL} worker ${AE_WEB}/service-worker.js
          ${AE_SITE}/service-worker.js ${AE_SITE} ${AE_OFFLINE_FILES}
  DEPENDS ${AE_WEB}/service-worker.js ${AE_PAGE_TOOL} ${AE_OFFLINE_PATHS}
  COMMENT "Writing the page's service worker"
  VERBATIM)

add_custom_command(
  OUTPUT ${AE_WEB_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/zip ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${AE_SITE} ${CMAKE_BINARY_DIR}/zip/${AE_WEB_NAME}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${AE_WEB_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip
          ${CMAKE_COMMAND} -E tar cf ${AE_WEB_ZIP} --format=zip ${AE_WEB_NAME}
  DEPENDS ${AE_SITE_FILES} ${AE_SITE}/fonts/${AE_FONT_NAME} ${AE_SITE}/fonts/LICENSE-DejaVu.txt
          ${AE_SITE}/service-worker.js
  COMMENT "Packing ${AE_WEB_NAME}.zip"
  VERBATIM)
add_custom_target(web-zip ALL DEPENDS ${AE_WEB_ZIP})

# The tools the web build's tests run under node; the others are for the
# native build.
ae_node_program(ae-playthrough)
set_target_properties(balance-sim soak ae-screenshot PROPERTIES EXCLUDE_FROM_ALL ON)
