# `make package`: a Debian package and a relocatable .tar.gz, both from the
# install rules in install.cmake. The Makefile builds the .deb with the
# program in games/ (Debian's place for games) and the archive with it in
# bin/.
set(CPACK_PACKAGE_NAME ancient-evil)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ancient Evil developers")
set(CPACK_PACKAGE_CONTACT
    "Ancient Evil maintainers <maintainers@users.noreply.c-seed-fec24b6f.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "role-playing game in Russian for a text console")
set(CPACK_PACKAGE_DESCRIPTION
    "Drevnee Zlo (Ancient Evil) is a small role-playing game drawn with coloured
characters on a terminal of 80 columns by 49 rows. Jack Belibier has quit the
police; a dying stranger names the enemy, a seer and an Indian send him for
trophies, and under the ground a demon guards the Ancient Evil. There is a
town, a shop, hunting grounds with turn-based fights and two endings, all
played with the Up, Down and Enter keys. All the text of the game is Russian.")
set(CPACK_PACKAGE_FILE_NAME
    "ancient-evil-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works the dependencies out from the libraries the program uses.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
