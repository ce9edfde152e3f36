# A Debian package of what `cmake --install` puts in place:
#   cmake --build build && (cd build && cpack -G DEB)
set(CPACK_PACKAGE_NAME tidewell)
set(CPACK_PACKAGE_VENDOR Kestrelmoor)
set(CPACK_PACKAGE_CONTACT "Kestrelmoor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "biorhythm charts of one person or two")
set(CPACK_PACKAGE_DESCRIPTION
    "Tidewell draws the physical, emotional and intellectual cycles of one person and\n"
    "their average over the days around a chart date, or how closely two people's\n"
    "cycles match. It keeps a list of people, interprets the chart date in words,\n"
    "prints and saves charts. tidewell-chart draws the same charts into files.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Loaded at run time, so no library dependency names them: the window system plugin, the face
# the window and chart are laid out for, and the one their text falls back to.
set(_runtime "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  # The linked libraries, with the versions this build needs.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_runtime}")
else()
  message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): listing the Qt 6 libraries by name")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6, libqt6printsupport6, libqt6gui6, libqt6core6, ${_runtime}")
endif()
# Tidewell runs natively on a Wayland desktop only with Qt's Wayland plugin, and Qt's own
# dialogs (files, colours, printing) speak the user's language only with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

# Never pack build trees or editor leftovers into a source package.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "\\\\.swp$")


include(CPack)
