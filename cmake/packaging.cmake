# The Debian package: `cpack -G DEB` in a build folder makes tessark_VERSION_ARCH.deb with
# /usr/bin/tessark and its manual page.
set(CPACK_PACKAGE_NAME tessark)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "best and lowest results of a game item with magic affixes")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessark is a console program for players of an action role-playing game
whose items carry magic prefixes and suffixes. It asks for an item by
numbered menus (magical or rare, its category, quality, base item and
affixes) and writes the item's lowest and best possible damage or defense,
with the low and high text of every affix, to \"The Item.txt\" in the
working folder.")
# Texts reach the package as they are written here, quotes included.
set(CPACK_VERBATIM_VARIABLES ON)
# Placeholder address: a distribution gives its own with -DCPACK_PACKAGE_CONTACT=.
set(CPACK_PACKAGE_CONTACT "Tessark maintainers <maintainers@tessark.invalid>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The static executable needs no package; the shared one needs the libraries it links.
if(NOT TESSARK_STATIC OR TESSARK_SANITIZE OR TESSARK_FUZZ)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
