#!/bin/sh
# Builds vrlschema twice -- a normal build and one under AddressSanitizer and
# UndefinedBehaviorSanitizer -- and runs the whole test suite in each (the
# parser check of the generated scripts, label `validate`, in the normal build
# only: its input does not depend on the build), then runs the normal build's
# test programs once more under valgrind memcheck, and every fuzz target for
# FUZZ_SECONDS (default 30) seconds. Between them, the package check builds
# and installs the library and builds the example host against it.
# Installs what is missing first (see setup.sh). Safe to run again.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh test

jobs="${JOBS:-2}"
for config in normal sanitize; do
    dir="build-test-$config"
    san=OFF
    if [ "$config" = sanitize ]; then san=ON; fi
    echo "== $config build"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DVRLSCHEMA_SANITIZE=$san >/dev/null
    cmake --build "$dir" -j"$jobs"
    echo "== $config tests"
    exclude=""
    if [ "$config" = sanitize ]; then exclude="-LE validate"; fi
    (cd "$dir" && ctest --output-on-failure -j"$jobs" $exclude)
done

echo "== package: install, then build the example host against it"
./scripts/package-check.sh build-package

echo "== memcheck (normal build under valgrind)"
./scripts/memcheck.sh build-test-normal

echo "== fuzz targets"
./scripts/fuzz.sh "${FUZZ_SECONDS:-30}"

echo "All tests passed (normal and sanitizer builds, memcheck, fuzz targets)."
