#!/usr/bin/env bash
# Starts the desktop application on a virtual X display with the sample replay and passes once
# its window, titled after the replay, is up. Usage: WindowOnVirtualDisplay.sh LINEWRIGHT CLI
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$2" sample "$work/sample" >/dev/null
export XDG_CONFIG_HOME=$work/config TMPDIR=$work QT_QPA_PLATFORM=xcb
xvfb-run -a bash -c '
  "$0" "$1" &
  app=$!
  for attempt in $(seq 100); do
    if xwininfo -root -tree | grep -q "\"practice.rpy - Linewright\""; then
      kill "$app"
      exit 0
    fi
    kill -0 "$app" 2>/dev/null || exit 1
    sleep 0.2
  done
  kill "$app"
  exit 1' "$1" "$work/sample/gpl/replays/practice.rpy"
