# Cross-builds for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread and std::mutex need). Used for Linewright itself and for the static Qt it links.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LINEWRIGHT_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LINEWRIGHT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LINEWRIGHT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LINEWRIGHT_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LINEWRIGHT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and the programs run under wine, which finds no mingw DLL beside them.
# Debian keeps wine64 out of PATH unless the wine package is installed too.
if(NOT LINEWRIGHT_WITHOUT_EMULATOR)
  find_program(LINEWRIGHT_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LINEWRIGHT_WINE64})
endif()
