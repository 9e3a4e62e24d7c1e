#!/usr/bin/env bash
# Sets up, builds and starts the player on the shipped sample courses.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the player and its program folder: the tests are built by test.sh.
bash scripts/setup.sh quillmark
exec "${BUILD_DIR:-build}/bin/quillmark" "$@"
