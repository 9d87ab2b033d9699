# The Windows release: what ancient-evil.exe carries, and
# dist/ancient-evil-<version>-windows-x86_64.zip, one folder that the player
# unpacks and runs the game from: the game, its seven data files, a
# one-click start of the game told for a screen reader, a how-to-play text, the project's licence and the notices of the runtime
# linked into the game. The texts have CR LF line ends for Notepad; README.txt,
# the Russian one, is UTF-8 with a byte order mark, which Notepad reads
# right whatever the system's language.

set(AE_PACKAGE_NAME ancient-evil-${PROJECT_VERSION}-windows-x86_64)
set(AE_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package/${AE_PACKAGE_NAME})
set(AE_WINDOWS_ZIP ${PROJECT_SOURCE_DIR}/dist/${AE_PACKAGE_NAME}.zip)

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

# The texts, kept in the sources with LF line ends; @PROJECT_VERSION@ in
# them is filled in.
string(ASCII 239 187 191 AE_UTF8_BOM)
function(ae_notepad_text source name prefix)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
  file(READ ${PROJECT_SOURCE_DIR}/${source} text)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/package-texts/${name} CONTENT "${prefix}${text}"
       @ONLY NEWLINE_STYLE CRLF)
endfunction()
ae_notepad_text(packaging/windows/how-to-play.txt README.txt "${AE_UTF8_BOM}")
ae_notepad_text(LICENSE LICENSE.txt "")
ae_notepad_text(packaging/windows/third-party-notices.txt THIRD-PARTY-NOTICES.txt "")
ae_notepad_text(packaging/windows/ancient-evil-screen-reader.cmd ancient-evil-screen-reader.cmd "")
set(AE_TEXT_FILES README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt ancient-evil-screen-reader.cmd)
list(TRANSFORM AE_TEXT_FILES PREPEND ${CMAKE_BINARY_DIR}/package-texts/)

add_custom_command(
  OUTPUT ${AE_WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${AE_PACKAGE_DIR} ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ancient-evil> ${AE_DATA_PATHS} ${AE_TEXT_FILES}
          ${AE_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${AE_WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
          ${CMAKE_COMMAND} -E tar cf ${AE_WINDOWS_ZIP} --format=zip ${AE_PACKAGE_NAME}
  DEPENDS ancient-evil ${AE_DATA_PATHS} ${AE_TEXT_FILES}
  COMMENT "Packing ${AE_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(windows-zip ALL DEPENDS ${AE_WINDOWS_ZIP})
