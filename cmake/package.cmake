# `cpack -G DEB` in the build folder (scripts/package.sh) makes the Debian
# package of what cmake/install.cmake installs. dpkg-shlibdeps finds the
# libraries the programs need; the package has no maintainer scripts, as the
# desktop's triggers refresh the menu and icon caches themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvik-amplifiers)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvik Pneumatics Ltd.")
set(CPACK_PACKAGE_CONTACT "Zorvik Amplifier Team <amplifiers@zorvik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "selection and sizing of Zorvik air pressure amplifiers")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop tool for choosing and sizing an air-driven pressure amplifier
(air booster) from the Zorvik range of fifteen models: stall pressure,
cycling speed, delivered flow and drive-air use at any operating point,
performance charts, dimensioned drawings, data sheets and printed reports.
zorvik-select gives the same selection and figures on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds the window system and the SVG artwork through plugins, which no
# library link names.
# libxlsxwriter is loaded when a workbook is written, so no link names it
# either: its package is libxlsxwriter4 for libxlsxwriter.so.4.
string(REGEX REPLACE "^lib(.*)\\.so\\.([0-9]+).*$" "lib\\1\\2" XLSXWRITER_PACKAGE "${XLSXWRITER_FILE}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, ${XLSXWRITER_PACKAGE}")
# The program's own translations are compiled in; Qt's, for the buttons of
# message boxes and standard dialogs, come from Debian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
