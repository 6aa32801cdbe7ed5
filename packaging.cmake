# A Debian package of the installed game: tools/dev package, or cpack in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintineables)
set(CPACK_PACKAGE_VENDOR "The TINTINEABLES team")
set(CPACK_PACKAGE_CONTACT "The TINTINEABLES team <team@tintineables.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "peg solitaire for blind players, played by keyboard and ear")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The 33-hole cross of peg solitaire, made to be played without seeing it.\n\
Every hole is a focusable control and the keyboard focus is the cursor; each hole\n\
announces itself with a recorded sound, and every move answers with one.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The runtime libraries, as dpkg-shlibdeps finds them in the executable (Qt, SDL and theirs).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt needs a platform plugin to open a window at all; it is a plugin, not a linked library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
