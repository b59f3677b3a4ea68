# The Debian package, built by scripts/package with `cpack -G DEB`. Its dependencies
# are computed from the binaries by dpkg-shlibdeps. It has no maintainer scripts: the
# triggers of shared-mime-info, desktop-file-utils, the icon theme and man-db update
# their caches when it is installed or removed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexabuild)
set(CPACK_PACKAGE_VENDOR "The Vexa Build developers")
set(CPACK_PACKAGE_CONTACT "The Vexa Build developers <dev@vexa.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the INI scenario files of a classic RTS game")
set(CPACK_PACKAGE_DESCRIPTION
    "Vexa Build edits the plain-text INI scenario files of a classic real-time
strategy game: tabbed panes for the sections, Create dialogs that write
correctly numbered rows of buildings, units, terrain and triggers, a scenario
check and a map view.
.
The command-line tool vexabuild-cli tidies, checks and draws scenarios without
the editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
