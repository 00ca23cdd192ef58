#!/usr/bin/env bash
# Installs what is missing, builds Zelvaro and starts it.
# Without a display (no DISPLAY or WAYLAND_DISPLAY) it starts under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake --preset default >/dev/null
cmake --build --preset default --target zelvaro
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found; starting Zelvaro under xvfb-run." >&2
  exec xvfb-run -a build/bin/zelvaro "$@"
fi
exec build/bin/zelvaro "$@"
