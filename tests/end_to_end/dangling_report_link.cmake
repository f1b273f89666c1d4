# A report that is a link to a file not yet there, on a Windows build run under Wine on a Unix
# host: the run makes the file the link leads to and keeps the link, as on Linux. The link is a
# Unix one, which Wine shows to the program as the file system has it; the test program itself
# cannot make one (Wine's CreateSymbolicLinkW does nothing).
#
#   cmake -DPROGRAM=tessark.exe -DEMULATOR=<command list> -DWORK=<folder> -P dangling_report_link.cmake
cmake_minimum_required(VERSION 3.20)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/plain/files" "${WORK}/linked/files")
file(CREATE_LINK target.txt "${WORK}/linked/The Item.txt" SYMBOLIC)
# The typical run: a magical normal Short Sword with the prefix Jagged and the suffix Worth.
file(WRITE "${WORK}/answers" "1\n1\n1\n1\n3\n2\n1\n6\n1\n")

foreach(folder plain linked)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" WORKING_DIRECTORY "${WORK}/${folder}"
                  INPUT_FILE "${WORK}/answers" OUTPUT_FILE "${WORK}/${folder}.out"
                  ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "the run in ${folder} ended with ${status}: ${err}")
  endif()
endforeach()

function(require_same first second)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${first}" "${second}"
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "\"${first}\" and \"${second}\" differ")
  endif()
endfunction()

# The run with the link prints and reports what the undisturbed run does, through the link.
require_same("${WORK}/plain.out" "${WORK}/linked.out")
if(NOT IS_SYMLINK "${WORK}/linked/The Item.txt")
  message(FATAL_ERROR "\"The Item.txt\" is no longer a link")
endif()
file(READ_SYMLINK "${WORK}/linked/The Item.txt" target)
if(NOT target STREQUAL "target.txt")
  message(FATAL_ERROR "\"The Item.txt\" now leads to \"${target}\"")
endif()
require_same("${WORK}/plain/The Item.txt" "${WORK}/linked/target.txt")
# Nothing else is left beside them, no temporary file either.
file(GLOB left RELATIVE "${WORK}/linked" "${WORK}/linked/*")
list(SORT left)
if(NOT left STREQUAL "The Item.txt;files;target.txt")
  message(FATAL_ERROR "the folder holds: ${left}")
endif()
