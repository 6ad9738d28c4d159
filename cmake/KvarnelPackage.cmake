# The Debian package: `cpack -G DEB` in the build tree (scripts/build-deb.sh does the build first)
# writes kvarnel_<version>_amd64.deb with the install components "kvarnel" and "kvarnel_deb" (the
# copyright file, changelog and manual page) under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvarnel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kvarnel team")
set(CPACK_PACKAGE_CONTACT "The Kvarnel team <team@kvarnel.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KV_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian alphabet for young children / Азбука для малышей")
set(CPACK_PACKAGE_DESCRIPTION
"Kvarnel teaches children from three to seven years old the letters of the
Russian alphabet in six activities: a board of talking letters, three
letter games with pictures, colouring pages to print, and syllables to hear,
build and read on the way to first words. Speech comes in a female or a male
voice; the program speaks and shows only Russian.

Кварнель учит малышей от трёх до семи лет буквам русского алфавита в шести
занятиях: доска с говорящими буквами, три игры с картинками, раскраски для
печати и слоги, которые можно услышать, собрать и прочитать, до первых слов.
Буквы и слова звучат женским или мужским голосом.")
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};kvarnel;/;${CMAKE_BINARY_DIR};${PROJECT_NAME};kvarnel_deb;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME kvarnel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps. That also covers the Qt plugins it
# loads at run time, since Debian 12 ships them in the libraries' own packages: the xcb platform
# and JPEG image plugins in libqt6gui6, the CUPS print plugin in libqt6printsupport6
# (scripts/check-deb.sh makes sure both stay in Depends). Qt's Russian translations (qtbase_ru.qm,
# loaded by name) and the SQLite driver of Qt SQL (a plugin in a package of its own, which the
# progress file needs) are written by hand.
# The corner's module (lib/<triplet>/kvarnel) is an ELF file of the package too, so OpenCV's and LAME's
# packages come from dpkg-shlibdeps as well. SDL2 is opened by name when the sound starts
# (platform/audio/SdlLibrary.h), which dpkg-shlibdeps cannot see: it is written by hand, at the
# version of the newest function the program resolves (SDL_ResetHint, 2.24.0 in the library's
# symbols file).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.24.0), qt6-translations-l10n, libqt6sql6-sqlite")
# Qt SQL's PostgreSQL driver, for a group's journal only: without it the program says so and plays on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")

include(CPack)
