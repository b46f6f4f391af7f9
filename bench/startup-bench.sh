#!/usr/bin/env bash
# Start-up to a visible, painted main window: a bare Qt main window, Corvane
# with the 3D preview hidden and shown (plus, when shown, the preview's first
# frame), and optionally an older Corvane, all in one run; median of N starts
# each, every start with a fresh settings folder. Needs a display:
#   scripts/with-xvfb.sh bench/startup-bench.sh BUILD_DIR [OLD_CORVANE]
set -euo pipefail
build="$(cd "$1" && pwd)"
old="${2:-}"
runs="${CORVANE_BENCH_RUNS:-15}"
probe="$build/bench/corvane_startup_probe.so"
export QT_QPA_PLATFORM=xcb

# Milliseconds from starting the program to each probe line: "visible [preview]".
start_once() {
  local config="$1" mode="$2"
  shift 2
  local begin lines
  begin="$(date +%s%N)"
  lines="$(XDG_CONFIG_HOME="$config" CORVANE_PROBE="$mode" LD_PRELOAD="$probe" "$@" 2>&1 >/dev/null |
    grep '^corvane-probe ' || true)"
  awk -v begin="$begin" '{ printf "%.1f ", ($3 - begin) / 1e6 }' <<<"$lines"
  echo
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }

declare -A samples
record() { samples["$1"]+="$2"$'\n'; }

for _ in $(seq 1 "$runs"); do
  hidden="$(mktemp -d)"
  shown="$(mktemp -d)"
  start_once "$shown" open-preview "$build/corvane" >/dev/null
  record bare "$(start_once "$(mktemp -d)" window "$build/bench/bare_main_window")"
  record hidden "$(start_once "$hidden" window "$build/corvane")"
  read -r visible preview <<<"$(start_once "$shown" preview "$build/corvane")"
  record shown "$visible"
  record "shown-preview" "$preview"
  if [ -n "$old" ]; then
    record old "$(start_once "$(mktemp -d)" window "$old")"
  fi
done

printf 'median of %s starts, ms to a visible painted window\n' "$runs"
for key in bare old hidden shown shown-preview; do
  [ -n "${samples[$key]:-}" ] || continue
  printf '%-14s %8s ms\n' "$key" "$(printf '%s' "${samples[$key]}" | grep . | median)"
done
