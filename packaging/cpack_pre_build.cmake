# Run by cpack between staging the files and packing them.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")

# lintian's overrides concern the package alone, so `cmake --install` leaves them out.
if(CPACK_GENERATOR STREQUAL "DEB")
  file(MAKE_DIRECTORY "${root}/usr/share/lintian/overrides")
  file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/lintian-overrides"
    "${root}/usr/share/lintian/overrides/tessark")
  file(CHMOD "${root}/usr/share/lintian/overrides/tessark"
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

# Folders take the usual mode whatever the packager's umask, since dpkg gives new folders the
# mode they have in the package.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${root}/*")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
    file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                      WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
