#!/usr/bin/env bash
# Installs what is missing, builds Zelvaro and runs every test.
# ZELVARO_PRESET picks another CMake preset (CI uses "ci": warnings are errors).
set -euo pipefail
cd "$(dirname "$0")"
preset="${ZELVARO_PRESET:-default}"
scripts/install-deps
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" "$@"
