#!/usr/bin/env bash
# Installs the Debian packages Corvane needs to build, run and test, but only
# those that are missing, so a second run costs nothing. LibreOffice Calc is
# there for the test that edits a saved design in a real spreadsheet.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-image-formats-plugins
  libgtest-dev libbenchmark-dev
  fonts-liberation2 desktop-file-utils
  clang libclang-rt-dev
  locales
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  libreoffice-calc-nogui python3-uno
  # SVG icons, keyboard lock states (XKB), and the tests on an X server
  libqt6svg6 libx11-dev xvfb xauth
  # The 3D preview: Qt Quick 3D, the QML modules its scene imports, and for
  # drawing without a desktop (tests, --export-3d) Mesa's software OpenGL on Xvfb.
  qt6-quick3d-dev qt6-shadertools-dev qt6-declarative-dev
  qml6-module-quick3d qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
  libgl1-mesa-dri
  # The Debian package (scripts/package.sh) and its checks (scripts/check-package.sh):
  # CPack's DEB generator asks dpkg-shlibdeps for the libraries, and the
  # package, its desktop entry, metainfo and manual page are checked.
  dpkg-dev file lintian appstream man-db
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The number-format tests run under a German and a French locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  for loc in "de_DE.UTF-8 UTF-8" "fr_FR.UTF-8 UTF-8"; do
    grep -qxF "$loc" /etc/locale.gen 2>/dev/null || echo "$loc" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
