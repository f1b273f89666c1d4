# Builds that do not depend on where or when they run: two checkouts of one commit, in different
# folders, give the same executable, manual page and package.

# The date stamped on the manual page and on every file of the package. A date the environment
# gives wins, as reproducible-build tools expect; a git checkout takes the time of its last
# commit; a source tree without git history takes the date of its newest packaging/changelog
# entry, written here (move it on with each release).
set(TESSARK_RELEASE_EPOCH 1796633033)  # 2026-12-07
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(TESSARK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  set(TESSARK_SOURCE_DATE_EPOCH "${TESSARK_RELEASE_EPOCH}")
  find_package(Git QUIET)
  # Only this tree's own history: a tree unpacked inside another repository must not take that
  # repository's date.
  if(GIT_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
    execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct
      WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
      OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
      RESULT_VARIABLE git_status)
    if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
      set(TESSARK_SOURCE_DATE_EPOCH "${commit_time}")
    endif()
  endif()
endif()
if(NOT TESSARK_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a count of seconds, not "
    "\"${TESSARK_SOURCE_DATE_EPOCH}\"")
endif()
# Formats a count of seconds as a UTC date: string(TIMESTAMP) gives the time SOURCE_DATE_EPOCH
# holds, when it is set, instead of now.
function(tessark_format_epoch variable epoch format)
  set(environment_date "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  string(TIMESTAMP date "${format}" UTC)
  if(environment_date STREQUAL "")
    unset(ENV{SOURCE_DATE_EPOCH})
  else()
    set(ENV{SOURCE_DATE_EPOCH} "${environment_date}")
  endif()
  set(${variable} "${date}" PARENT_SCOPE)
endfunction()
tessark_format_epoch(TESSARK_SOURCE_DATE "${TESSARK_SOURCE_DATE_EPOCH}" "%Y-%m-%d")
message(STATUS
  "Source date: ${TESSARK_SOURCE_DATE} (SOURCE_DATE_EPOCH=${TESSARK_SOURCE_DATE_EPOCH})")

# Paths of the source and build folders would enter debug information (and with it the build
# ID, which stripping keeps) and __FILE__; every build type writes them as relative paths.
# The build folder comes second so that it wins where it lies inside the source folder.
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag("-ffile-prefix-map=a=b" TESSARK_HAS_FILE_PREFIX_MAP)
if(TESSARK_HAS_FILE_PREFIX_MAP)
  add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}=."
                      "-ffile-prefix-map=${CMAKE_BINARY_DIR}=.")
endif()
