# What `make install` and the packages put where. The game finds its data
# from its own location (../share/ancient-evil beside the program's folder),
# so nothing here is compiled into it and the tree can be moved whole.
include(GNUInstallDirs)

if(CMAKE_INSTALL_BINDIR MATCHES "[/\\]" OR CMAKE_INSTALL_BINDIR STREQUAL "")
  message(FATAL_ERROR "CMAKE_INSTALL_BINDIR must be one folder below the prefix (bin or games), "
                      "since the game looks for its data in ../share/ancient-evil from there; "
                      "it is '${CMAKE_INSTALL_BINDIR}'.")
endif()

# Every file belongs to one component, so that a test can install the game
# without replacing the install_manifest.txt that `make uninstall` reads.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

option(AE_DEBIAN_PACKAGE "Install what only the Debian package carries (lintian overrides)" OFF)
option(AE_ARCHIVE "Put the README, the licence and the changelog at the top, as the .tar.gz has them"
       OFF)

# The manual page carries the version; it, the changelog and the README are
# compressed as Debian wants documents, without a time stamp so that builds
# are repeatable.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(packaging/ancient-evil.6.in ${PROJECT_BINARY_DIR}/packaging/ancient-evil.6 @ONLY)
configure_file(packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog COPYONLY)
configure_file(README.md ${PROJECT_BINARY_DIR}/packaging/README.md COPYONLY)
set(AE_COMPRESSED_DOCS)
foreach(doc ancient-evil.6 changelog README.md)
  set(compressed ${PROJECT_BINARY_DIR}/packaging/${doc}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${GZIP_PROGRAM} -9 -n -f -k ${doc}
                     DEPENDS ${PROJECT_BINARY_DIR}/packaging/${doc}
                     WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/packaging
                     VERBATIM)
  list(APPEND AE_COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(ancient-evil-docs ALL DEPENDS ${AE_COMPRESSED_DOCS})

# A changelog entry for each version: the packages take their version from
# the project, and a version without its entry would ship an old changelog.
file(STRINGS packaging/changelog AE_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT AE_CHANGELOG_TOP MATCHES "^ancient-evil \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with '${AE_CHANGELOG_TOP}'; "
                      "add an entry for version ${PROJECT_VERSION} on top.")
endif()

install(TARGETS ancient-evil RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${AE_DATA_PATHS} DESTINATION share/ancient-evil)
install(FILES ${PROJECT_BINARY_DIR}/packaging/ancient-evil.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/ancient-evil.desktop DESTINATION share/applications)
install(FILES packaging/ancient-evil.svg DESTINATION share/icons/hicolor/scalable/apps)
if(AE_ARCHIVE)
  # Where whoever unpacks the archive looks first; LICENSE says what
  # packaging/copyright says, in the form that goes with the sources.
  install(FILES README.md LICENSE packaging/changelog DESTINATION .)
  set(AE_README_FOLDER .)
else()
  install(FILES packaging/copyright LICENSE ${PROJECT_BINARY_DIR}/packaging/changelog.gz
                ${PROJECT_BINARY_DIR}/packaging/README.md.gz
          DESTINATION share/doc/ancient-evil)
  set(AE_README_FOLDER share/doc/ancient-evil)
endif()
# The pictures the README shows (docs/fight.svg and the like) go where its
# links look for them, so that it reads whole wherever it is installed.
file(READ README.md AE_README_TEXT)
string(REGEX MATCHALL "docs/[A-Za-z0-9_.-]+[.](svg|png)" AE_README_PICTURES "${AE_README_TEXT}")
list(REMOVE_DUPLICATES AE_README_PICTURES)
install(FILES ${AE_README_PICTURES} DESTINATION ${AE_README_FOLDER}/docs)
if(AE_DEBIAN_PACKAGE)
  install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides
          RENAME ancient-evil)
endif()
