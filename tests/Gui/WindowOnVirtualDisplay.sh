#!/usr/bin/env bash
# Starts the desktop application with each family's sample replay on its command line, on an X
# display (DISPLAY's, or a virtual one of its own), and passes once every window, titled after its
# replay, is up. With LINEWRIGHT_RUNNER set (wine, for the Windows build) both programs run through
# it, and the replay must then also be the first of the recent files in the registry.
# Usage: WindowOnVirtualDisplay.sh LINEWRIGHT CLI
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runner=${LINEWRIGHT_RUNNER:-}
# The folder's name is not ASCII, so the path must reach the programs intact (UTF-16 on Windows).
$runner "$2" sample "$work/Zoë 日本/sample" --family all | tr -d '\r' | cut -f2 >"$work/replays"
export XDG_CONFIG_HOME=$work/config TMPDIR=$work
if [ -n "$runner" ]; then unset QT_QPA_PLATFORM; else export QT_QPA_PLATFORM=xcb; fi

check_windows='
  while read -r replay; do
    $runner "$0" "$replay" </dev/null &
    app=$!
    title="${replay##*[/\\]} - Linewright"
    for attempt in $(seq 150); do
      xwininfo -root -tree | grep -qF "\"$title\"" && break
      kill -0 "$app" 2>/dev/null || { echo "$0 ended before showing \"$title\""; exit 1; }
      sleep 0.2
    done
    if [ -n "$runner" ]; then
      $runner reg query "HKCU\\Software\\Tessel\\Linewright\\Recent File List" /v File1 | grep -qF "${replay##*[/\\]}" ||
        { echo "the registry holds no recent file $replay"; kill "$app"; exit 1; }
    fi
    kill "$app"
    wait "$app" 2>/dev/null || true
    [ "$attempt" -lt 150 ] || { echo "no window \"$title\""; exit 1; }
    echo "window \"$title\" shown"
  done <"$1"'
export runner
if [ -n "${DISPLAY:-}" ]; then
  bash -c "$check_windows" "$1" "$work/replays"
else
  xvfb-run -a bash -c "$check_windows" "$1" "$work/replays"
fi
