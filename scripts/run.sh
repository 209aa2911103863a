#!/usr/bin/env bash
# Starts the program; arguments are passed on (for example --home DIR).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program on a virtual screen (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1366x768x24" build/src/app/zorlik "$@"
fi
exec build/src/app/zorlik "$@"
