# Release build settings: the version resource generated from project(), and
# flags that make zarnres.exe the same bytes wherever and whenever it is built.

# The version resource reads the version and the copyright line from here, so
# that project() and LICENSE are the only places they are written.
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE ZARNRES_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT ZARNRES_COPYRIGHT)
  message(FATAL_ERROR "LICENSE has no Copyright line")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/version_info.h.in
               ${CMAKE_BINARY_DIR}/generated/version_info.h @ONLY)

# The manifest names the exe's processor, so that the 64-bit test build asks for
# the common controls of its own kind: x86 for the shipped exe, amd64 for that one.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(ZW_MANIFEST_ARCH amd64)
else()
  set(ZW_MANIFEST_ARCH x86)
endif()
configure_file(${CMAKE_SOURCE_DIR}/res/zarnres.manifest.in ${CMAKE_BINARY_DIR}/generated/zarnres.manifest @ONLY)

if(TARGET zarnres)
  target_include_directories(zarnres PRIVATE ${CMAKE_BINARY_DIR}/generated)
  set_property(SOURCE res/zarnres.rc APPEND PROPERTY
               OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/version_info.h ${CMAKE_BINARY_DIR}/generated/zarnres.manifest)
endif()

# No build folder in the binary: __FILE__ and any debug information name
# files relative to the source tree. The later map wins, so the build tree
# (which may sit inside the source tree) comes last.
foreach(_zw_target zarncore zarnres)
  if(TARGET ${_zw_target})
    target_compile_options(${_zw_target} PRIVATE
      $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>
      $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=build/>)
  endif()
endforeach()
# No link time in the PE header (its checksum then stays put as well).
if(TARGET zarnres AND CMAKE_SYSTEM_NAME STREQUAL "Windows")
  target_link_options(zarnres PRIVATE -Wl,--no-insert-timestamp)
endif()
