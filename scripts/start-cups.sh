#!/usr/bin/env bash
# Makes a local CUPS spooler with a PDF queue available for the printing
# tests: starts cupsd when it is not running (no systemd needed), adds the
# queue that writes every job as a PDF into a fixed directory, and prints that
# directory on stdout. Safe to run again: it only does what is missing.
#
#   CORVANE_CUPS_QUEUE    queue name (default CorvanePDF)
#   CORVANE_CUPS_PDF_DIR  where the PDFs arrive (default /var/spool/cups-pdf/corvane)
set -euo pipefail

queue="${CORVANE_CUPS_QUEUE:-CorvanePDF}"
out_dir="${CORVANE_CUPS_PDF_DIR:-/var/spool/cups-pdf/corvane}"
# cups-pdf reads cups-pdf-<instance>.conf for the device URI cups-pdf:/<instance>,
# so this queue has its own settings and the system's default stays untouched.
instance="corvane"
config="/etc/cups/cups-pdf-${instance}.conf"
socket="/run/cups/cups.sock"

log() { echo "start-cups: $*" >&2; }

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

scheduler_running() {
  lpstat -r 2>/dev/null | grep -q "is running"
}

find_ppd() {
  local candidate
  for candidate in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd; do
    if [ -f "$candidate" ]; then
      echo "$candidate"
      return 0
    fi
  done
  find /usr/share/ppd -iname 'CUPS-PDF*.ppd' 2>/dev/null | head -n 1
}

start_scheduler() {
  if scheduler_running; then
    return 0
  fi
  "${as_root[@]}" mkdir -p /run/cups
  log "starting cupsd"
  # Without arguments cupsd detaches and keeps running, unlike the on-demand
  # mode (-l) that exits when idle.
  "${as_root[@]}" cupsd
  for _ in $(seq 1 60); do
    if [ -S "$socket" ] && scheduler_running; then
      return 0
    fi
    sleep 0.5
  done
  log "cupsd did not come up"
  return 1
}

write_config() {
  local wanted
  wanted="$(printf '%s\n' \
    "# Written by Corvane's scripts/start-cups.sh for the printing tests." \
    "Out ${out_dir}" \
    "AnonDirName ${out_dir}" \
    "Spool /var/spool/cups-pdf/SPOOL" \
    "UserUMask 0022" \
    "AnonUMask 0022" \
    "Grp lpadmin" \
    "Label 1")"
  if [ ! -f "$config" ] || [ "$(cat "$config")" != "$wanted" ]; then
    printf '%s\n' "$wanted" | "${as_root[@]}" tee "$config" >/dev/null
  fi
  "${as_root[@]}" mkdir -p "$out_dir" /var/spool/cups-pdf/SPOOL
  "${as_root[@]}" chmod 1777 "$out_dir"
}

add_queue() {
  local uri="cups-pdf:/${instance}"
  if lpstat -v "$queue" 2>/dev/null | grep -q "$uri"; then
    "${as_root[@]}" cupsenable "$queue"
    "${as_root[@]}" cupsaccept "$queue"
    return 0
  fi
  local ppd
  ppd="$(find_ppd)"
  if [ -z "$ppd" ]; then
    log "no CUPS-PDF driver found (is printer-driver-cups-pdf installed?)"
    return 1
  fi
  log "adding queue $queue ($uri, $ppd)"
  # lpadmin warns that PPD drivers are deprecated; they still work.
  "${as_root[@]}" lpadmin -p "$queue" -E -v "$uri" -P "$ppd" 2> >(grep -v -i deprecated >&2 || true)
  "${as_root[@]}" cupsenable "$queue"
  "${as_root[@]}" cupsaccept "$queue"
}

for tool in cupsd lpadmin lpstat; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    log "$tool is missing (install cups, cups-client, printer-driver-cups-pdf)"
    exit 1
  fi
done

write_config
start_scheduler
add_queue
echo "$out_dir"
