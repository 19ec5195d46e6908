#!/bin/sh
# Builds the libFuzzer targets (clang, address and undefined-behaviour
# sanitizers) in build-fuzz and runs each for SECONDS (default 30) on a copy
# of its seed corpus: scripts/fuzz.sh [SECONDS]. Inputs that fail are kept
# under build-fuzz/fuzz/run/<target>/artifacts.
set -eu
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VRLSCHEMA_FUZZ_BUILD_DIR:-$root/build-fuzz}
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVRLSCHEMA_BUILD_FUZZ=ON -DVRLSCHEMA_SANITIZE=ON -DVRLSCHEMA_BUILD_TESTS=OFF \
    -DVRLSCHEMA_BUILD_TOOL=ON -DVRLSCHEMA_FUZZ_SECONDS="$seconds" $launcher
cmake --build "$build" -j"$(nproc)" --target \
    fuzz_cstring_format fuzz_sql_strings fuzz_conversions fuzz_oem_tokens \
    fuzz_date_parser fuzz_schema_file fuzz_publish
# The targets run one after another. Their tests live in the fuzz folder of
# the tree: with the test suite off, the top level has none.
ctest --test-dir "$build/fuzz" -L fuzz --output-on-failure
