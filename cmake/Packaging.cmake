# The Debian package: `cpack -G DEB` in a build configured with the prefix
# /usr (scripts/package.sh) makes corvane_<version>_<arch>.deb. The version
# is the project's; the libraries come from dpkg-shlibdeps, and what the 3D
# preview and the icons load at run time, which no binary links to, is
# named here.

set(CORVANE_PACKAGE_MAINTAINER
  "Corvane maintainers <maintainers@users.noreply.c-seed-b6d09258.example>" CACHE STRING
  "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane maintainers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${CORVANE_PACKAGE_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planner for segmented turned bowls")
# CPack indents these lines and marks the empty one as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION [[
Corvane plans bowls that are glued up from a bottom disc and rings of
equal wedge-shaped segments, every second ring turned by half a segment.
It draws the plan view to true scale; clicking a segment fills it with the
colour of a wood, with undo, clear and a symmetry mode that repeats a fill
in every sector.

For every ring Corvane counts how many pieces of each wood to cut, and its
cut list tells how much board stock every wood needs. The 3D preview shows
the bowl glued up from the plan. Designs are saved as CSV files that a
spreadsheet can edit; the plan prints at true size and exports as a
picture, also from the command line.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack 3.25 writes a postinst and postrm that call ldconfig for any shared
# object under /usr/lib/*, the 3D module included, and has no setting to
# leave them out; lintian warns (maintscript-calls-ldconfig). The module is
# opened by its path, so the call only refreshes the cache, harmlessly.
# The 3D preview's scene imports QtQuick and QtQuick3D, which bring the window
# and worker-script modules along; Mesa's drivers draw it. The SVG icons need
# Qt's SVG icon engine and image plugin. Pictures are written as PNG, JPG or
# BMP, which Qt's own libraries read and write.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml6-module-quick3d, qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, libgl1-mesa-dri, libqt6svg6")
# A program, not a library: nothing for other packages to link against.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# Files and folders as Debian installs them (root, 0755 folders).
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
