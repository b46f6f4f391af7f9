# Installs the build into PREFIX and checks what a desktop needs to offer
# Corvane for design files: the program, its 3D module, the desktop entry and
# the icon; and what software centres and man read: the metainfo and the
# compressed manual page.
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed})")
endif()

include(GNUInstallDirs)
set(desktop "${PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/corvane.desktop")
set(icon "${PREFIX}/${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/corvane.svg")
set(metainfo "${PREFIX}/${CMAKE_INSTALL_DATADIR}/metainfo/io.github.corvane.Corvane.metainfo.xml")
set(manual "${PREFIX}/${CMAKE_INSTALL_MANDIR}/man1/corvane.1.gz")
set(doc "${PREFIX}/${CMAKE_INSTALL_DATADIR}/doc/corvane")
foreach(file "${PREFIX}/bin/corvane" "${desktop}" "${icon}" "${metainfo}" "${manual}"
        "${doc}/copyright" "${doc}/changelog.gz")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# In lib/corvane, or in the multiarch folder when the build's prefix is /usr.
file(GLOB module "${PREFIX}/lib/corvane/corvane_preview3d.so"
     "${PREFIX}/lib/*/corvane/corvane_preview3d.so")
if(NOT module)
  message(FATAL_ERROR "not installed: corvane_preview3d.so in ${PREFIX}/lib")
endif()

file(STRINGS "${desktop}" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Icon=corvane" "MimeType=text/csv;")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "corvane.desktop lacks \"${line}\"")
  endif()
endforeach()
list(FILTER entry INCLUDE REGEX "^Exec=corvane( |$)")
if(NOT entry)
  message(FATAL_ERROR "corvane.desktop does not start corvane")
endif()

file(READ "${icon}" svg)
if(NOT svg MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"")
  message(FATAL_ERROR "corvane.svg is not an SVG image")
endif()

# The desktop tools' own checker, where it is installed.
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} "${desktop}" RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects corvane.desktop")
  endif()
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${metainfo}" RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the metainfo")
  endif()
endif()

# man reads the page from the gzip file; groff's warnings are faults of the page.
find_program(MAN man)
if(MAN)
  execute_process(COMMAND ${MAN} --warnings -l "${manual}" OUTPUT_QUIET
                  ERROR_VARIABLE warnings RESULT_VARIABLE shown)
  if(NOT shown EQUAL 0 OR warnings)
    message(FATAL_ERROR "man cannot show corvane.1 cleanly: ${warnings}")
  endif()
endif()
