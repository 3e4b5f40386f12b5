# Cross-compile for Windows with mingw-w64, win32 thread model (no winpthread DLL).
# ZW_MINGW_TRIPLE picks the target: i686-w64-mingw32 (the shipped 32-bit exe, the
# default) or x86_64-w64-mingw32 (for testing under Wine on hosts that cannot run
# 32-bit x86 code). ZW_MINGW_PREFIX overrides the tools' prefix entirely.
set(ZW_MINGW_TRIPLE "i686-w64-mingw32" CACHE STRING "mingw-w64 target triple")
set(CMAKE_SYSTEM_NAME Windows)
if(ZW_MINGW_TRIPLE MATCHES "^x86_64")
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
else()
  set(CMAKE_SYSTEM_PROCESSOR i686)
endif()

if(NOT DEFINED ZW_MINGW_PREFIX)
  # Debian names the win32-thread-model compilers with a -win32 suffix; elsewhere
  # the plain names are used.
  find_program(_zw_gxx_win32 ${ZW_MINGW_TRIPLE}-g++-win32)
  if(_zw_gxx_win32)
    set(_zw_suffix "-win32")
  else()
    set(_zw_suffix "")
  endif()
  set(ZW_MINGW_PREFIX "${ZW_MINGW_TRIPLE}-")
endif()

set(CMAKE_C_COMPILER ${ZW_MINGW_PREFIX}gcc${_zw_suffix})
set(CMAKE_CXX_COMPILER ${ZW_MINGW_PREFIX}g++${_zw_suffix})
set(CMAKE_RC_COMPILER ${ZW_MINGW_PREFIX}windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
