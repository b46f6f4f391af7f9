#!/usr/bin/env bash
# Builds the Debian package build-package/corvane_<version>_<arch>.deb: a
# Release build without the tests, installed under /usr and packed by CPack
# (installing what is missing first). Install it with
#   sudo apt install ./build-package/corvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Debian's hardening flags, as its own packages are built, but without debug
# information: the package holds stripped binaries.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
eval "$(dpkg-buildflags --export=sh)"

# The 3D module goes in /usr/lib/corvane, where the program looks for it
# beside its own folder (../lib/corvane).
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_LIBDIR=lib \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS"
cmake --build build-package -j"$(nproc)"

rm -f build-package/corvane_*.deb
(cd build-package && cpack -G DEB)
ls build-package/corvane_*.deb
