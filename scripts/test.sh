#!/usr/bin/env bash
# Sets up, builds and runs every test (offscreen; no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure \
  --parallel "${CTEST_PARALLEL_LEVEL:-${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}}"
