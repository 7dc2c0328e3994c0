# Helpers shared by the folders' CMakeLists.txt.

# Include paths of a library: the source tree when building, include/tarnex
# once installed (headers are included as "folder/Name.h").
function(tarnex_public_includes target)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/tarnex>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endfunction()

# Installs the named headers of the calling folder under include/tarnex/<folder>.
function(tarnex_install_headers)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  install(FILES ${ARGN} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnex/${folder} COMPONENT dev)
endfunction()

# Sources of libtarnex-charts (layout and drawing: platform core and gdi only).
function(tarnex_chart_sources)
  foreach(f IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY TARNEX_CHART_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# Sources of libtarnex (dialogs, window members, window utilities, resources).
function(tarnex_window_sources)
  foreach(f IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY TARNEX_WINDOW_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# A framework part: platform/<part> as libtarnex-<part>.so.
function(tarnex_platform_part part)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _hdr CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(tarnex_${part} SHARED ${_src} ${_hdr})
  add_library(tarnex::${part} ALIAS tarnex_${part})
  set_target_properties(tarnex_${part} PROPERTIES OUTPUT_NAME tarnex-${part}
    VERSION ${PROJECT_VERSION} SOVERSION 1 EXPORT_NAME ${part})
  tarnex_public_includes(tarnex_${part})
  target_link_libraries(tarnex_${part} PRIVATE $<BUILD_INTERFACE:tarnex_warnings>)
  install(FILES ${_hdr} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnex/platform/${part} COMPONENT dev)
  tarnex_install_libraries(tarnex_${part})
endfunction()

# Installs shared libraries of the tree: the library itself with the
# programs (runtime), the unversioned link a build needs with the headers
# (dev).
function(tarnex_install_libraries)
  install(TARGETS ${ARGN} EXPORT tarnexTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
endfunction()
