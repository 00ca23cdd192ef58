#!/usr/bin/env bash
# Installs what is missing, builds Zelvaro and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake --preset default >/dev/null
cmake --build --preset default --target zelvaro
exec build/bin/zelvaro "$@"
