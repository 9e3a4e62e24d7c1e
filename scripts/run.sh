#!/usr/bin/env bash
# Sets up, builds and starts the player on the shipped sample courses.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/quillmark" "$@"
