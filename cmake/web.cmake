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
set(AE_PAGE_FILES index.html game.css game.js)
set(AE_FONT_NAME dejavu-sans-mono.woff2)

# Programs that run under node: synchronous start (no fetch of the .wasm),
# the real file system, the exit status passed on.
function(ae_node_program target)
  target_link_options(${target} PRIVATE -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0
                      -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)
  set_target_properties(${target} PROPERTIES SUFFIX .js)
endfunction()

# The game: a module the page starts (createAncientEvil) as often as the
# player starts a game; it waits for keys with Asyncify. The data files are
# in its file system's working directory, where the game looks first.
set_target_properties(ancient-evil PROPERTIES SUFFIX .js)
target_link_options(ancient-evil PRIVATE -sENVIRONMENT=web -sMODULARIZE=1
                    -sEXPORT_NAME=createAncientEvil -sSINGLE_FILE=1 -sASYNCIFY=1
                    -sALLOW_MEMORY_GROWTH=1)
foreach(name ${AE_DATA_FILES})
  target_link_options(ancient-evil PRIVATE "SHELL:--embed-file ${AE_ASSETS}/${name}@/${name}")
endforeach()
set_property(TARGET ancient-evil APPEND PROPERTY LINK_DEPENDS ${AE_DATA_PATHS})

# Every character the page can show for the game, for the font: a program
# of the web backend's own, run under node.
add_executable(ae-page-glyphs tools/web/page_glyphs.cpp)
target_link_libraries(ae-page-glyphs PRIVATE ae_backend)
ae_node_program(ae-page-glyphs)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/page-glyphs.txt
  COMMAND ${AE_NODE} $<TARGET_FILE:ae-page-glyphs> ${CMAKE_BINARY_DIR}/page-glyphs.txt
  DEPENDS ae-page-glyphs
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

# The page, the game, the game's icon for the browser's tab and a how-to
# for players.
configure_file(web/how-to-play.txt ${CMAKE_BINARY_DIR}/how-to-play.txt @ONLY)
set(AE_PAGE_SOURCES ${AE_PAGE_FILES})
list(TRANSFORM AE_PAGE_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/web/)
set(AE_SITE_FILES ${AE_PAGE_FILES} ancient-evil.js README.txt icon.svg)
list(TRANSFORM AE_SITE_FILES PREPEND ${AE_SITE}/)
add_custom_command(
  OUTPUT ${AE_SITE_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${AE_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${AE_PAGE_SOURCES} $<TARGET_FILE:ancient-evil> ${AE_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/how-to-play.txt ${AE_SITE}/README.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/ancient-evil.svg
          ${AE_SITE}/icon.svg
  DEPENDS ${AE_PAGE_SOURCES} ancient-evil ${CMAKE_BINARY_DIR}/how-to-play.txt
          ${PROJECT_SOURCE_DIR}/packaging/ancient-evil.svg
  COMMENT "Putting the page together in ${AE_SITE}"
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
  COMMENT "Packing ${AE_WEB_NAME}.zip"
  VERBATIM)
add_custom_target(web-zip ALL DEPENDS ${AE_WEB_ZIP})

# The tools the web build's tests run under node; the others are for the
# native build.
ae_node_program(ae-playthrough)
set_target_properties(balance-sim soak ae-screenshot PROPERTIES EXCLUDE_FROM_ALL ON)
