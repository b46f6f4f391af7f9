#!/usr/bin/env bash
# Unpacks the Debian package into a scratch folder and draws a bowl in 3D
# with the program found there. That program must load the 3D module that
# came with it, found from its own location (../lib/corvane), and no other:
# not the build tree's, which its build also knows. The dynamic loader's own
# record (LD_DEBUG=files) names every library the program loaded.
#
#   check-unpacked-package.sh [PACKAGE.deb]
#
# Without an argument it takes build-package/corvane_*.deb; it exits 77
# (skipped) when no package has been built.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
fail() {
  echo "check-unpacked-package: $*" >&2
  exit 1
}

deb="${1:-}"
if [ -z "$deb" ]; then
  deb="$(ls -t "$root"/build-package/corvane_*.deb 2>/dev/null | head -n 1 || true)"
  if [ -z "$deb" ]; then
    echo "no package built (scripts/package.sh makes one): skipped"
    exit 77
  fi
fi
[ -f "$deb" ] || fail "no package $deb"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
program="$scratch/root/usr/bin/corvane"
module="$scratch/root/usr/lib/corvane/corvane_preview3d.so"
[ -x "$program" ] || fail "$deb holds no /usr/bin/corvane"
[ -f "$module" ] || fail "$deb holds no /usr/lib/corvane/corvane_preview3d.so"

picture="$scratch/bowl.png"
if ! QT_QPA_PLATFORM=xcb "$root/scripts/with-xvfb.sh" \
  env LD_DEBUG=files LD_DEBUG_OUTPUT="$scratch/ld" \
  "$program" --export-3d "$picture" --size 320x240 "$root/tests/data/default-design-filled.csv"; then
  fail "the unpacked corvane could not draw in 3D"
fi
file "$picture" | grep -q "PNG image data, 320 x 240" || fail "no 320x240 PNG picture: $(file "$picture")"

# Qt tries a CPU-specific subfolder first, so the loader's "file=" lines name
# paths that did not open; it calls the initialisers only of what it loaded.
loaded="$(grep -ho 'calling init: [^ ]*corvane_preview3d\.so' "$scratch"/ld.* | sed 's/^calling init: //' | sort -u)"
[ -n "$loaded" ] || fail "the program did not load corvane_preview3d.so"
while IFS= read -r path; do
  [ "$(realpath "$path")" = "$(realpath "$module")" ] ||
    fail "the program loaded $path, not the module beside it ($module)"
done <<<"$loaded"
echo "the unpacked program loaded its own 3D module: $loaded"
