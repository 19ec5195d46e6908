#!/bin/sh
# Line, function and branch coverage of src/ and tools/ by the unit tests:
# a Debug build with --coverage in its own folder, the unit-labelled tests,
# then gcovr's summary and its table per file.
# Usage: scripts/coverage.sh [build-dir]   (default build-coverage)
# Installs gcovr (Debian) when missing, through setup.sh.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh coverage
dir="${1:-build-coverage}"
jobs="${JOBS:-2}"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
      -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$dir" -j"$jobs"
find "$dir" -name '*.gcda' -delete
(cd "$dir" && ctest -L unit -j"$jobs" --output-on-failure)
# The report goes to a file in the build folder: gcovr run as root with
# -o /dev/null would replace the device with a regular file.
gcovr --root . --filter 'src/' --filter 'tools/' --exclude-unreachable-branches \
      --exclude-throw-branches --print-summary --txt "$dir/coverage.txt" "$dir" >"$dir/coverage-summary.txt"
cat "$dir/coverage.txt"
cat "$dir/coverage-summary.txt"
