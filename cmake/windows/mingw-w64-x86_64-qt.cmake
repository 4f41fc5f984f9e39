# The toolchain for building Qt itself: Linewright's, without wine as the emulator, so Qt's
# configure checks never start a wineserver (one started without a display spoils later runs on Xvfb)
# and building Qt needs no wine at all.
set(LINEWRIGHT_WITHOUT_EMULATOR ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
