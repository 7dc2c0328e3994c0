# What an installed tarnex brings besides libraries and programs: manual
# pages, bash completion, the studio's desktop entry, icon and file types,
# each package's copyright and changelog; and the Debian packages CPack makes
# of the installed tree (scripts/package.sh, docs/packaging.md).
#
# Components become packages:
#   runtime -> tarnex          libraries, programs, data, documentation
#   dev     -> tarnex-dev      headers, CMake and pkg-config files
#   python  -> python3-tarnex  the Python module
# A component no install rule names yet makes no package; once a folder
# installs into it, its package is built with the others.

set(TARNEX_PACKAGE_CONTACT "tarnex maintainers <maintainers@tarnex.invalid>" CACHE STRING
  "Maintainer of the Debian packages (name <address>)")
set(_pkg ${PROJECT_SOURCE_DIR}/packaging)

# The commands the tree builds, and of those the ones built in this tree.
set(_commands tarnex-render tarnex-studio tarnex-em1d)
set(_built_commands)
foreach(cmd IN LISTS _commands)
  if(TARGET ${cmd})
    list(APPEND _built_commands ${cmd})
  endif()
endforeach()

# Manual pages: roff in docs/man, installed compressed as Debian wants them
# (gzip -n: no time stamp, so the same source gives the same package).
set(_man_gz)
foreach(cmd IN LISTS _built_commands)
  set(src ${PROJECT_SOURCE_DIR}/docs/man/${cmd}.1)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/man/${cmd}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${src} > ${gz}
    DEPENDS ${src} VERBATIM)
  list(APPEND _man_gz ${gz})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
  # bash-completion loads a command's file the first time the command is completed.
  install(FILES ${_pkg}/bash-completion/${cmd} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    COMPONENT runtime)
endforeach()
if(_man_gz)
  add_custom_target(tarnex_man_pages ALL DEPENDS ${_man_gz})
endif()

# The studio in the desktop's menu, and sounding, model and survey files
# opened in it from a file manager.
if(TARGET tarnex-studio)
  install(FILES ${_pkg}/tarnex-studio.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
  install(FILES ${_pkg}/tarnex-studio.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    COMPONENT runtime)
  install(FILES ${_pkg}/tarnex-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tarnex.xml
    COMPONENT runtime)
endif()

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME tarnex)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME tarnex-dev)
set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-tarnex)
set(TARNEX_DEBIAN_REVISION 1)
set(_deb_version ${PROJECT_VERSION}-${TARNEX_DEBIAN_REVISION})

# Each package's copyright (machine-readable) and changelog, in
# share/doc/<package>. The changelog's latest entry must be this version.
file(STRINGS ${_pkg}/changelog _first LIMIT_COUNT 1)
if(NOT _first MATCHES "^tarnex \\(${_deb_version}\\) ")
  message(WARNING "packaging/changelog does not start with an entry for ${_deb_version}: "
    "add one before building packages")
endif()
set(_changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${_changelog_gz}
  COMMAND gzip -9 -n -c ${_pkg}/changelog > ${_changelog_gz}
  DEPENDS ${_pkg}/changelog VERBATIM)
add_custom_target(tarnex_changelog ALL DEPENDS ${_changelog_gz})
get_cmake_property(_components COMPONENTS)
foreach(comp IN ITEMS runtime dev python)
  if(comp IN_LIST _components)
    string(TOUPPER ${comp} COMP)
    set(doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${COMP}_PACKAGE_NAME})
    install(FILES ${_pkg}/copyright ${_changelog_gz} DESTINATION ${doc} COMPONENT ${comp})
    list(APPEND _packaged ${comp})
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnex)
set(CPACK_PACKAGE_VENDOR tarnex)
set(CPACK_PACKAGE_CONTACT "${TARNEX_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_COMPONENTS_ALL ${_packaged})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARNEX_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# Dependencies on shared libraries come from dpkg-shlibdeps; the packages of
# libraries built here say which version of them a program needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${CMAKE_BINARY_DIR}/platform/core ${CMAKE_BINARY_DIR}/platform/gdi ${CMAKE_BINARY_DIR}/platform/wnd
  ${CMAKE_BINARY_DIR}/morvel ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/em1d)

# The dynamic linker's cache learns of the libraries through dpkg's trigger.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${_pkg}/triggers)

set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_PYTHON_DEPENDS runtime)

# What no shared library names: the fonts the charts' faces resolve to and
# Qt's platform plugins (the studio's window, the render's offscreen surface).
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-liberation2, fonts-wqy-microhei, qt6-qpa-plugins")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "python3, python3-numpy")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION science)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)

# Descriptions: the first line is the synopsis; CPack indents the rest and
# writes an empty line as Debian's " .".
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "charts and tools of electromagnetic sounding work
tarnex draws, and lets a user edit, the charts of electromagnetic (EM)
sounding work in geophysics: sounding curves of apparent resistivity,
layered-earth models, profiles and sections of 2-D polygon models.

This package holds the libraries, the command tarnex-render (charts to PNG,
SVG, PDF or BMP without a display, a whole survey at a time), the
interactive editor tarnex-studio, the bundled sample data and the
documentation.")
set(CPACK_COMPONENT_DEV_DESCRIPTION "charts of electromagnetic sounding work - development files
tarnex draws, and lets a user edit, the charts of electromagnetic (EM)
sounding work in geophysics.

This package holds the headers, the CMake package (find_package(tarnex))
and the pkg-config file (tarnex.pc) to build programs with the libraries.")
set(CPACK_COMPONENT_PYTHON_DESCRIPTION "charts of electromagnetic sounding work - Python 3 module
tarnex draws, and lets a user edit, the charts of electromagnetic (EM)
sounding work in geophysics.

This package holds the Python 3 module.")

include(CPack)
