# Links planted under the names of leftover temporary files, on a Windows build run under Wine on
# a Unix host: the run's clean-up of leftovers follows neither, and the files they lead to stay.
# The links are Unix ones, which Wine opens through whatever it is asked; the test program itself
# cannot make one.
#
#   cmake -DPROGRAM=tessark.exe -DEMULATOR=<command list> -DWORK=<folder> -P planted_leftover_link.cmake
cmake_minimum_required(VERSION 3.20)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/files")
file(WRITE "${WORK}/The Item.txt" "an earlier report\n")
# The player's files, and links to them under this run's form of name and the earlier fixed one.
file(WRITE "${WORK}/precious.txt" "the player's own file\n")
file(WRITE "${WORK}/other precious.txt" "another file of the player's\n")
file(CREATE_LINK precious.txt "${WORK}/.tessark-feedfacecafebeef" SYMBOLIC)
file(CREATE_LINK "other precious.txt" "${WORK}/The Item.txt.tessark-new" SYMBOLIC)
# The typical run: a magical normal Short Sword with the prefix Jagged and the suffix Worth.
file(WRITE "${WORK}/answers" "1\n1\n1\n1\n3\n2\n1\n6\n1\n")

execute_process(COMMAND ${EMULATOR} "${PROGRAM}" WORKING_DIRECTORY "${WORK}"
                INPUT_FILE "${WORK}/answers" OUTPUT_QUIET ERROR_VARIABLE err
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "the run ended with ${status}: ${err}")
endif()

foreach(pair "precious.txt=the player's own file\n"
             "other precious.txt=another file of the player's\n")
  string(REGEX MATCH "^([^=]*)=(.*)$" ignored "${pair}")
  if(NOT EXISTS "${WORK}/${CMAKE_MATCH_1}")
    message(FATAL_ERROR "\"${CMAKE_MATCH_1}\" is gone: a planted link was followed")
  endif()
  file(READ "${WORK}/${CMAKE_MATCH_1}" content)
  if(NOT content STREQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "\"${CMAKE_MATCH_1}\" now holds: ${content}")
  endif()
endforeach()
foreach(link .tessark-feedfacecafebeef "The Item.txt.tessark-new")
  if(NOT IS_SYMLINK "${WORK}/${link}")
    message(FATAL_ERROR "the link \"${link}\" is gone")
  endif()
endforeach()
