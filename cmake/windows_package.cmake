# The Windows release: what ancient-evil.exe carries, and
# dist/ancient-evil-<version>-windows-x86_64.zip: the game, its seven data
# files and a how-to-play text for Notepad (Windows-1251, CR LF), in one
# folder that the player unpacks and runs the game from.
find_program(AE_ICONV iconv REQUIRED)

set(AE_PACKAGE_NAME ancient-evil-${PROJECT_VERSION}-windows-x86_64)
set(AE_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package/${AE_PACKAGE_NAME})
set(AE_WINDOWS_ZIP ${PROJECT_SOURCE_DIR}/dist/${AE_PACKAGE_NAME}.zip)
set(AE_DATA_FILES DataMonster.txt DataWeapon.txt NPC.txt SpriteMonster.txt SpriteStuff.txt
                  SpriteWeapon.txt Title.txt)
list(TRANSFORM AE_DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/assets/ OUTPUT_VARIABLE AE_DATA_PATHS)

# The exe's header asks for Windows Vista (6.0), the oldest Windows that has
# everything the program imports (the runtime's GetTickCount64).
target_link_options(ancient-evil PRIVATE
  LINKER:--major-subsystem-version,6,--minor-subsystem-version,0
  LINKER:--major-os-version,6,--minor-os-version,0)

# Its resources: the icon (made from the artwork by tools/make_windows_icon.sh),
# the version information and the application manifest, compiled by windres
# into an object linked with the program.
find_program(AE_WINDRES ${CMAKE_RC_COMPILER} REQUIRED)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE AE_LICENSE_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
string(REPLACE "Copyright (c)" "©" AE_COPYRIGHT "${AE_LICENSE_COPYRIGHT}")
string(REGEX REPLACE "^© [0-9, -]+ " "" AE_AUTHORS "${AE_COPYRIGHT}")
set(AE_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
string(REPLACE "." "," AE_FILE_VERSION_COMMAS ${AE_FILE_VERSION})
set(AE_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/ancient-evil.ico)
set(AE_MANIFEST ${CMAKE_BINARY_DIR}/ancient-evil.manifest)
set(AE_RESOURCES ${CMAKE_BINARY_DIR}/ancient-evil-resources.o)
configure_file(packaging/windows/ancient-evil.manifest.in ${AE_MANIFEST} @ONLY)
configure_file(packaging/windows/ancient-evil.rc.in ${CMAKE_BINARY_DIR}/ancient-evil.rc @ONLY)
add_custom_command(
  OUTPUT ${AE_RESOURCES}
  COMMAND ${AE_WINDRES} --preprocessor=${CMAKE_CXX_COMPILER} --preprocessor-arg=-E
          --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED
          --input=${CMAKE_BINARY_DIR}/ancient-evil.rc --output=${AE_RESOURCES}
  DEPENDS ${CMAKE_BINARY_DIR}/ancient-evil.rc ${AE_MANIFEST} ${AE_ICON}
  COMMENT "Compiling the game's icon, version information and manifest"
  VERBATIM)
target_sources(ancient-evil PRIVATE ${AE_RESOURCES})

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
