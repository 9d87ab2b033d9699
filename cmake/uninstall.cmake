# `make uninstall`: removes every file the last `make install` put in place,
# as its record (made by install_recorded.cmake) names them, DESTDIR
# included, then the game's own folders that are left empty. A DESTDIR given
# here must be the one the install went to; none at all means that one too,
# so that an uninstall never reaches past a staged install to a real one.
#
# cmake -DRECORD=<file> [-DDESTDIR=<folder>] -P uninstall.cmake
if(NOT EXISTS "${RECORD}")
  message(FATAL_ERROR "Nothing to uninstall: ${RECORD} is missing (run make install first).")
endif()
file(STRINGS "${RECORD}" installed ENCODING UTF-8)
list(POP_FRONT installed first)
if(NOT first MATCHES "^DESTDIR=")
  message(FATAL_ERROR "${RECORD} is no record of make install; nothing was removed.")
endif()
string(REGEX REPLACE "^DESTDIR=" "" recorded "${first}")
if(DESTDIR)
  get_filename_component(DESTDIR "${DESTDIR}" ABSOLUTE)
endif()
if(DESTDIR AND NOT DESTDIR STREQUAL recorded)
  if(recorded)
    set(went "into DESTDIR=${recorded}")
  else()
    set(went "without a DESTDIR")
  endif()
  message(FATAL_ERROR "The last make install went ${went}, not into DESTDIR=${DESTDIR}; "
                      "nothing was removed.")
endif()
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
# share/doc/ancient-evil), and the folders the install filled inside them
# (share/doc/ancient-evil/docs); bin/ or share/applications/ are everyone's.
# The deepest go first, so that a folder they leave empty goes too.
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  get_filename_component(name "${folder}" NAME)
  get_filename_component(parent "${folder}" DIRECTORY)
  get_filename_component(parent_name "${parent}" NAME)
  list(FIND folders "${parent}" parent_at)
  set(own FALSE)
  if(name STREQUAL "ancient-evil" OR (parent_name STREQUAL "ancient-evil" AND parent_at GREATER -1))
    set(own TRUE)
  endif()
  file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
  if(own AND IS_DIRECTORY "${folder}" AND NOT left)
    message(STATUS "Removing ${folder}/")
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
file(REMOVE "${RECORD}")
