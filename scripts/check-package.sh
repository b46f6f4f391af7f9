#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh made: lintian finds no
# error; the desktop entry, the metainfo and the manual page pass their
# validators; the unpacked program finds its 3D module beside itself; and a
# real install works: apt-get install, the installed program's --version,
# --export-image and --export-3d (under Xvfb), and removal again, also when
# a check fails. Installing needs root (sudo otherwise). CI runs this on a
# fresh machine; where Corvane is installed already, the install is skipped
# (outside CI) rather than replacing it.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob

log() { echo "check-package: $*"; }
fail() {
  echo "check-package: $*" >&2
  exit 1
}

debs=(build-package/corvane_*.deb)
[ "${#debs[@]}" -eq 1 ] ||
  fail "want one build-package/corvane_*.deb, found ${#debs[@]} (scripts/package.sh makes it)"
deb="$PWD/${debs[0]}"
version="$(dpkg-deb -f "$deb" Version)"
design="$PWD/tests/data/default-design-filled.csv"
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

scratch="$(mktemp -d)"
installed=""
remove_package() {
  log "removing the package"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y --purge corvane >/dev/null
  installed=""
}
cleanup() {
  if [ -n "$installed" ]; then remove_package || echo "check-package: could not remove corvane" >&2; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

log "lintian $(basename "$deb")"
# Warnings are shown but only errors fail: the one known warning is CPack's
# ldconfig call (see cmake/Packaging.cmake).
lintian --fail-on error "$deb"

log "validators"
dpkg-deb -x "$deb" "$scratch/root"
desktop-file-validate "$scratch/root/usr/share/applications/corvane.desktop"
metainfo=("$scratch"/root/usr/share/metainfo/*.metainfo.xml)
[ "${#metainfo[@]}" -eq 1 ] || fail "want one metainfo file in /usr/share/metainfo"
appstreamcli validate --no-net "${metainfo[0]}"
grep -q "<release version=\"$version\"" "${metainfo[0]}" || fail "the metainfo has no release $version"
manual="$scratch/root/usr/share/man/man1/corvane.1.gz"
[ -f "$manual" ] || fail "no manual page /usr/share/man/man1/corvane.1.gz"
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

log "the unpacked program and its 3D module"
tests/install/check-unpacked-package.sh "$deb"

if dpkg-query -W -f='${Status}' corvane 2>/dev/null | grep -q "install ok installed" &&
  [ "${CI:-}" != "true" ]; then
  log "corvane is installed on this machine already: the install check is skipped"
  exit 0
fi

log "apt-get install $(basename "$deb")"
installed=yes
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" ||
  fail "apt-get could not install $deb"

cd "$scratch"
reported="$(/usr/bin/corvane --version)" || fail "/usr/bin/corvane --version failed"
log "/usr/bin/corvane --version: $reported"
grep -qwF "$version" <<<"$reported" || fail "--version does not name the package's version $version"
[ -f /usr/lib/corvane/corvane_preview3d.so ] || fail "no /usr/lib/corvane/corvane_preview3d.so"
# Slim container images tell dpkg to leave manual pages out.
if ! grep -rqs '^path-exclude.*/usr/share/man' /etc/dpkg/dpkg.cfg.d; then
  [ -f /usr/share/man/man1/corvane.1.gz ] || fail "no /usr/share/man/man1/corvane.1.gz"
fi

# As the README runs it on a machine without a desktop.
xvfb=(xvfb-run -a)
env -u QT_QPA_PLATFORM "${xvfb[@]}" /usr/bin/corvane --export-image plan.png --size 400x300 "$design" ||
  fail "the installed corvane --export-image failed"
# The whole bowl at true scale, in a picture at least the size asked for.
file plan.png | grep -qE "PNG image data, ([4-9][0-9]{2}|[0-9]{4,}) x ([3-9][0-9]{2}|[0-9]{4,})" ||
  fail "--export-image: $(file plan.png)"
env -u QT_QPA_PLATFORM "${xvfb[@]}" /usr/bin/corvane --export-3d bowl.png --size 400x300 "$design" ||
  fail "the installed corvane --export-3d failed"
file bowl.png | grep -q "PNG image data, 400 x 300" || fail "--export-3d: $(file bowl.png)"
log "the installed program exported a plan and a 3D picture"

remove_package
[ ! -e /usr/bin/corvane ] || fail "/usr/bin/corvane is still there after removal"
log "done"
