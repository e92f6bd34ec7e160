# `cpack -G DEB` in the build folder makes a Debian package of the program.
# Its library dependencies are worked out by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME vellumix)
set(CPACK_PACKAGE_VENDOR "The Vellumix developers")
set(CPACK_PACKAGE_CONTACT "The Vellumix developers <hello@vellumix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch file renamer with a live preview")
# Debian's tools show the description in 80 columns: each line, after the
# leading space the control file adds, stays within them.
set(CPACK_PACKAGE_DESCRIPTION
    "Vellumix renames many files at once: add a prefix, suffix, number or\n\
date, find and replace (also with regular expressions), change the letter\n\
case, remove characters or clean up separators, with a live preview of\n\
every new name. A rename never replaces an existing file.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vellumix.org")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins (X11 among them) are only recommended by libqt6gui6,
# but without one the program cannot open its window. dpkg-shlibdeps adds the
# libraries the program links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Icons for the file and folder rows and the buttons (drawn from SVG where the
# theme has no bitmap), the colour marks of the result message, Qt's own texts
# (file dialogs, standard buttons) in the user's language, and Qt's Wayland
# platform plugin, so that the window runs natively on a Wayland desktop rather
# than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "adwaita-icon-theme | hicolor-icon-theme, libqt6svg6, fonts-noto-color-emoji, qt6-translations-l10n, qt6-wayland")
include(CPack)
