# Installs the build into PREFIX and checks what a desktop needs to offer
# Corvane for design files: the program, the desktop entry and the icon.
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
foreach(file "${PREFIX}/bin/corvane" "${desktop}" "${icon}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

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
