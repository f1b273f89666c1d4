# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, whose C++
# library has std::thread), and runs what it builds under Wine:
#   cmake --preset windows   (or: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Headers and libraries come from the target's tree only; programs run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread are linked in, so that an executable runs with no DLL
# beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine runs the tests, through cmake/wine-run. Its prefix lives in the build folder, so that a
# fresh build starts from a clean one and nothing else shares it.
find_program(TESSARK_WINE wine)
find_program(TESSARK_ENV env)
if(TESSARK_WINE AND TESSARK_ENV)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${TESSARK_ENV} WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix ${CMAKE_CURRENT_LIST_DIR}/wine-run)
endif()
