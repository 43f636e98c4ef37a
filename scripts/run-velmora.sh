#!/usr/bin/env bash
# Sets up, builds and starts the Velmora edition.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting on a virtual X display (xvfb-run)." >&2
  exec xvfb-run -a build/bin/Quorvane_Velmora "$@"
fi
exec build/bin/Quorvane_Velmora "$@"
