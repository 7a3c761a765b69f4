#!/usr/bin/env bash
# Sets up, builds and starts Vorelan.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Vorelan is a desktop program and needs a display, but none is available here" >&2
  echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a desktop session," >&2
  echo "or over ssh -X." >&2
  exit 1
fi
scripts/setup.sh
scripts/build.sh
exec build/src/shell/vorelan "$@"
