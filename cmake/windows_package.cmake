# dist/ancient-evil-<version>-windows-x86_64.zip: the game, its seven data
# files and a how-to-play text for Notepad (Windows-1251, CR LF), in one
# folder that the player unpacks and runs the game from.
find_program(AE_ICONV iconv REQUIRED)

set(AE_PACKAGE_NAME ancient-evil-${PROJECT_VERSION}-windows-x86_64)
set(AE_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package/${AE_PACKAGE_NAME})
set(AE_WINDOWS_ZIP ${PROJECT_SOURCE_DIR}/dist/${AE_PACKAGE_NAME}.zip)

# The text is kept as UTF-8 in the sources; CR LF now, Windows-1251 at build.
configure_file(packaging/windows/how-to-play.txt ${CMAKE_BINARY_DIR}/how-to-play-utf8.txt
               @ONLY NEWLINE_STYLE CRLF)

add_custom_command(
  OUTPUT ${AE_WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${AE_PACKAGE_DIR} ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ancient-evil> ${AE_DATA_PATHS} ${AE_PACKAGE_DIR}
  COMMAND ${AE_ICONV} -f UTF-8 -t CP1251 -o ${AE_PACKAGE_DIR}/README.txt
          ${CMAKE_BINARY_DIR}/how-to-play-utf8.txt
  COMMAND ${CMAKE_COMMAND} -E rm -f ${AE_WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
          ${CMAKE_COMMAND} -E tar cf ${AE_WINDOWS_ZIP} --format=zip ${AE_PACKAGE_NAME}
  DEPENDS ancient-evil ${AE_DATA_PATHS} ${CMAKE_BINARY_DIR}/how-to-play-utf8.txt
  COMMENT "Packing ${AE_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(windows-zip ALL DEPENDS ${AE_WINDOWS_ZIP})
