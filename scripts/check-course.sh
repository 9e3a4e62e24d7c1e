#!/usr/bin/env bash
# Checks a program folder's courses with the player's own readers: catalogue,
# page maps, pages, links, test files and help files. Without an argument it
# checks the shipped samples (samples/program); give `build/bin` to check the
# courses installed there.
set -euo pipefail
folder=${1:-}
if [ -n "$folder" ]; then
  [ -d "$folder" ] || { echo "No such folder: $folder" >&2; exit 1; }
  folder=$(realpath -- "$folder")
fi
cd "$(dirname "$0")/.."
bash scripts/setup.sh test_sample_courses
QT_QPA_PLATFORM=offscreen QM_COURSE_FOLDER="$folder" "${BUILD_DIR:-build}/tests/test_sample_courses"
