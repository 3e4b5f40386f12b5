# Release build settings: the version resource generated from project().

# The version resource reads the version and the copyright line from here, so
# that project() and LICENSE are the only places they are written.
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE ZARNRES_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT ZARNRES_COPYRIGHT)
  message(FATAL_ERROR "LICENSE has no Copyright line")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/version_info.h.in
               ${CMAKE_BINARY_DIR}/generated/version_info.h @ONLY)

if(TARGET zarnres)
  target_include_directories(zarnres PRIVATE ${CMAKE_BINARY_DIR}/generated)
  set_property(SOURCE res/zarnres.rc APPEND PROPERTY
               OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/version_info.h)
endif()
