# On Windows Tessark is a portable folder, packed by `cpack -G ZIP` (the windows package preset):
# tessark.exe, beside it the empty files\ folder it keeps its work files in, and a README.txt on
# how to run it from a console window, and the copyright notice. The manual page stays out:
# Windows has no reader for it.
install(TARGETS tessark RUNTIME DESTINATION .)
install(DIRECTORY DESTINATION files)
configure_file(packaging/windows-readme.txt README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
install(FILES packaging/copyright DESTINATION . RENAME COPYRIGHT.txt)
set(CPACK_GENERATOR ZIP)
