#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb, 24-bit colour), so that tests
# that draw with OpenGL (Mesa's software renderer on the xcb platform) have
# a display. The server picks a free display number itself, so any number
# of runs can share the machine.
set -euo pipefail
display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 1 200); do
  [ -s "$display_file" ] && break
  sleep 0.05
done
if ! [ -s "$display_file" ]; then
  echo "with-xvfb.sh: Xvfb did not start" >&2
  exit 1
fi
DISPLAY=":$(head -n 1 "$display_file")" "$@"
