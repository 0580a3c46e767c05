# The cross toolchain for 64-bit Windows: Debian's MinGW-w64 (the posix-thread compilers), with
# LAPMARK_TOOLKIT as the prefix of the cross-built toolkit. Lapmark is built with it against that
# toolkit, and scripts/windows-toolkit builds the toolkit's CMake parts with it into that prefix.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DLAPMARK_TOOLKIT=<its prefix> ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(lapmark_host x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${lapmark_host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${lapmark_host}-g++-posix)
set(CMAKE_RC_COMPILER ${lapmark_host}-windres)

# The compiler checks' own small projects see LAPMARK_TOOLKIT too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LAPMARK_TOOLKIT)
if(LAPMARK_TOOLKIT)
  set(wxWidgets_CONFIG_EXECUTABLE ${LAPMARK_TOOLKIT}/bin/wx-config CACHE FILEPATH "The cross toolkit's wx-config")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${lapmark_host} ${LAPMARK_TOOLKIT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test programs the build itself runs (none today: the Windows tests are listed by hand in
# tests/windows/windows_tests.cmake and run by ctest) would run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
