# The Debian package: `cmake --workflow --preset deb`, or `cpack -G DEB` in a build folder, makes
# tessark_VERSION_ARCH.deb with /usr/bin/tessark, its manual page, copyright and changelog.
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
# Tessark is not a game but a calculator that players keep beside one, like a reference card:
# it belongs with the utilities, and so in /usr/bin. Section games would ask for the program in
# /usr/games, which is meant for games and is not on every user's PATH (root's, for one).
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Stripping drops the compiler's identification too, as Debian's own packages do.
if(CMAKE_OBJCOPY AND NOT WIN32)  # on Windows the program is not in bin/
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:tessark>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endif()
# xz, unlike gzip, writes no time into the archive.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/packaging/cpack_pre_build.cmake")
# The static executable needs no package; the shared one needs the libraries it links.
if(NOT TESSARK_STATIC OR TESSARK_SANITIZE OR TESSARK_FUZZ)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
# cpack stamps every file and archive member with SOURCE_DATE_EPOCH from its environment; this
# file, read by cpack, gives it the source date when the packager's environment does not.
configure_file(packaging/cpack_project_config.cmake.in cpack_project_config.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_BINARY_DIR}/cpack_project_config.cmake")
include(CPack)

# The changelog is the package's: its newest entry names this version, and its date is the one a
# tree without git history builds with.
file(STRINGS packaging/changelog changelog_heading LIMIT_COUNT 1)
if(NOT changelog_heading MATCHES "^tessark \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog must begin with an entry for tessark "
    "${PROJECT_VERSION}, not: ${changelog_heading}")
endif()
file(STRINGS packaging/changelog changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
tessark_format_epoch(release_date "${TESSARK_RELEASE_EPOCH}" "%a, %d %b %Y %H:%M:%S +0000")
string(REGEX REPLACE "^.*>  " "" changelog_date "${changelog_trailer}")
if(NOT changelog_date STREQUAL release_date)
  message(FATAL_ERROR "The newest entry of packaging/changelog must be dated \"${release_date}\" "
    "(TESSARK_RELEASE_EPOCH in cmake/reproducible.cmake), not \"${changelog_date}\"")
endif()

# Debian keeps a package's copyright and its changelog, gzipped, in /usr/share/doc/PACKAGE. The
# portable folder for Windows has its own layout (windows-package.cmake).
if(WIN32)
  return()
endif()
set(doc_dir "${CMAKE_INSTALL_DATAROOTDIR}/doc/tessark")
install(FILES packaging/copyright DESTINATION "${doc_dir}")
configure_file(packaging/changelog packaging/changelog COPYONLY)
find_program(TESSARK_GZIP gzip)
if(TESSARK_GZIP)
  add_custom_command(OUTPUT packaging/changelog.gz
    COMMAND "${TESSARK_GZIP}" -9 -n -k -f changelog
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/packaging"
    DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog"
    VERBATIM)
  add_custom_target(changelog ALL DEPENDS packaging/changelog.gz)
  install(FILES "${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz" DESTINATION "${doc_dir}")
else()
  install(FILES "${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog" DESTINATION "${doc_dir}")
endif()
