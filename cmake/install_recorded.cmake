# `make install`'s last step: installs a built tree as cmake --install does
# and records every file it put in place, DESTDIR included, for `make
# uninstall`. CMake's own install_manifest.txt names the files without the
# DESTDIR, so an uninstall that read it would remove a real installation
# in the place of the staged one.
#
# cmake -DBUILD_DIR=<tree> -DPREFIX=<prefix> [-DDESTDIR=<folder>]
#       [-DCOMPONENT=<name>] -DRECORD=<file> -P install_recorded.cmake
#
# The record's first line is "DESTDIR=" and the DESTDIR (nothing for none),
# then one file a line, each named as it lies on disk, in UTF-8. An install
# that fails part way records what it did put in place. The program is
# installed stripped of its debugging information.
foreach(needed BUILD_DIR PREFIX RECORD)
  if(NOT ${needed})
    message(FATAL_ERROR "install_recorded.cmake needs -D${needed}=...")
  endif()
endforeach()
if(DESTDIR)
  get_filename_component(DESTDIR "${DESTDIR}" ABSOLUTE)  # as the record will compare it
endif()
set(ENV{DESTDIR} "${DESTDIR}")
set(install ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip)
set(manifest ${BUILD_DIR}/install_manifest.txt)
if(COMPONENT)
  list(APPEND install --component ${COMPONENT})
  set(manifest ${BUILD_DIR}/install_manifest_${COMPONENT}.txt)
endif()
# An earlier record goes first: this install's, even a failed one, replaces it.
file(REMOVE "${RECORD}")
execute_process(COMMAND ${install} RESULT_VARIABLE failed ECHO_OUTPUT_VARIABLE OUTPUT_VARIABLE said)
if(failed)
  # What it put in place before it failed, as it said so, DESTDIR included.
  string(REGEX MATCHALL "-- (Installing|Up-to-date): [^\n]*" installed "${said}")
  list(TRANSFORM installed REPLACE "^-- [^:]*: " "")
else()
  file(STRINGS "${manifest}" installed ENCODING UTF-8)
  list(TRANSFORM installed PREPEND "${DESTDIR}")
endif()
list(PREPEND installed "DESTDIR=${DESTDIR}")
list(JOIN installed "\n" lines)
file(WRITE "${RECORD}" "${lines}\n")
if(failed)
  message(FATAL_ERROR "cmake --install failed part way; make uninstall removes what it put in place.")
endif()
