#!/bin/sh
# Builds vrlschema twice -- a normal build and one under AddressSanitizer and
# UndefinedBehaviorSanitizer -- and runs the whole test suite in each, then
# runs the normal build's test programs once more under valgrind memcheck.
# Installs what is missing first (see setup.sh). Safe to run again.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs="${JOBS:-2}"
for config in normal sanitize; do
    dir="build-test-$config"
    san=OFF
    if [ "$config" = sanitize ]; then san=ON; fi
    echo "== $config build"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DVRLSCHEMA_SANITIZE=$san >/dev/null
    cmake --build "$dir" -j"$jobs"
    echo "== $config tests"
    (cd "$dir" && ctest --output-on-failure -j"$jobs")
done

echo "== memcheck (normal build under valgrind)"
./scripts/memcheck.sh build-test-normal

echo "All tests passed (normal and sanitizer builds, memcheck)."
