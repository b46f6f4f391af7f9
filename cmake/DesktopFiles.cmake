# What a desktop and a Debian system need besides the program: the menu
# entry that offers Corvane for design (CSV) files, its icon, the software
# centres' metainfo, the manual page, and the copyright and changelog.
include(GNUInstallDirs)

# The changelog's newest entry is the release this build is: its version
# must be the project's, and its date goes into the metainfo.
file(STRINGS "${PROJECT_SOURCE_DIR}/data/changelog" corvane_changelog)
list(GET corvane_changelog 0 corvane_newest)
if(NOT corvane_newest MATCHES "^corvane \\(([^)]+)\\)")
  message(FATAL_ERROR "data/changelog does not start with \"corvane (VERSION)\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR
    "data/changelog's newest entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
list(FILTER corvane_changelog INCLUDE REGEX "^ -- .*  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9] ")
list(GET corvane_changelog 0 corvane_signature)
string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" corvane_date
  "${corvane_signature}")
set(corvane_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND corvane_months "${CMAKE_MATCH_2}" corvane_month)
math(EXPR corvane_month "${corvane_month} + 1" OUTPUT_FORMAT DECIMAL)
if(corvane_month LESS 10)
  set(corvane_month "0${corvane_month}")
endif()
set(CORVANE_RELEASE_DATE "${CMAKE_MATCH_3}-${corvane_month}-${CMAKE_MATCH_1}")

set(CORVANE_APP_ID io.github.corvane.Corvane)
configure_file(data/${CORVANE_APP_ID}.metainfo.xml.in ${CORVANE_APP_ID}.metainfo.xml @ONLY)

# Debian keeps manual pages and changelogs compressed, without a time stamp
# in the gzip header so that a rebuild gives the same bytes.
set(corvane_compressed)
foreach(text data/corvane.1 data/changelog)
  get_filename_component(name "${text}" NAME)
  set(compressed "${CMAKE_CURRENT_BINARY_DIR}/${name}.gz")
  add_custom_command(OUTPUT "${compressed}"
    COMMAND gzip -9 -n -c "${PROJECT_SOURCE_DIR}/${text}" > "${compressed}"
    DEPENDS "${PROJECT_SOURCE_DIR}/${text}" VERBATIM)
  list(APPEND corvane_compressed "${compressed}")
endforeach()
add_custom_target(corvane_compressed_docs ALL DEPENDS ${corvane_compressed})

install(FILES data/corvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/corvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/corvane.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)
