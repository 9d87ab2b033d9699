# `make uninstall`: removes every file the last `make install` put in place,
# as its install manifest lists them, then the game's own folders that are
# left empty. Run as cmake -DMANIFEST=<build>/install_manifest.txt -P uninstall.cmake.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (run make install first).")
endif()
file(STRINGS "${MANIFEST}" installed)
set(folders)
foreach(path IN LISTS installed)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
  get_filename_component(folder "${path}" DIRECTORY)
  list(APPEND folders "${folder}")
endforeach()
# Only folders named after the game are the game's own (share/ancient-evil,
# share/doc/ancient-evil); bin/ or share/applications/ are everyone's.
list(REMOVE_DUPLICATES folders)
foreach(folder IN LISTS folders)
  get_filename_component(name "${folder}" NAME)
  file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
  if(name STREQUAL "ancient-evil" AND IS_DIRECTORY "${folder}" AND NOT left)
    message(STATUS "Removing ${folder}/")
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
file(REMOVE "${MANIFEST}")
