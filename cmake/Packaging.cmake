# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a Release build directory makes tallyburrow_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME tallyburrow)
set(CPACK_PACKAGE_VENDOR "Quillbyte")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic tables practice for children")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallyburrow helps children learn the arithmetic tables of addition, subtraction,\n"
    "multiplication and division. A child learns one table at a time, drills shuffled\n"
    "problems or flash cards, takes timed tests on screen or on printed pages, and\n"
    "follows their progress in a report that a parent or teacher can read.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillbyte Tallyburrow team <tallyburrow@quillbyte.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The plugins that put a Qt window on an X11 or Wayland desktop come in a package of their own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (standard buttons and dialogs) in the child's language; English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

set(CPACK_GENERATOR DEB)
include(CPack)
