# The Debian package (`make package`, or `cpack -G DEB` in a build folder):
# build/sorabun_<version>_amd64.deb with the install rules of packaging/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorabun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sorabun")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename the files of a folder one after another")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME sorabun)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sorabun developers")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The first line of Description is the summary above; CPack indents these.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Sorabun lists the files of one folder and walks down the list: for each
file a small window shows its old name, takes the new one and shows the
complete new name as you type, optionally numbered (01, 02, ...) and with
the extension kept, unified or dropped. It never replaces a file.

The windows are in Japanese.")
# The libraries come from the binary (dpkg-shlibdeps); what is loaded at run
# time and shows no link is named here: the Japanese font the dialogs are laid
# out with, Qt's own Japanese texts for its message boxes and file dialog, and
# the native Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n, qt6-wayland")

include(CPack)
