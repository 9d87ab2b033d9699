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
# then one file a line, each named as it lies on disk, in UTF-8. The program is
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
# An earlier record goes first: a failed install leaves none to mislead.
file(REMOVE "${RECORD}")
execute_process(COMMAND ${install} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed; nothing was recorded for make uninstall.")
endif()
file(STRINGS "${manifest}" installed ENCODING UTF-8)
list(TRANSFORM installed PREPEND "${DESTDIR}")
list(PREPEND installed "DESTDIR=${DESTDIR}")
list(JOIN installed "\n" lines)
file(WRITE "${RECORD}" "${lines}\n")
