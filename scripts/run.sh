#!/bin/sh
# Builds vrlschema and runs the main job on the built-in
# sample schema: every dialect's scripts into out/, with a summary line per
# file. Arguments, when given, go to the tool instead (try --help).
# Installs what is missing first (see setup.sh). Safe to run again.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"${JOBS:-2}"
if [ "$#" -eq 0 ]; then set -- all --out-dir out; fi
exec ./build/tools/vrlschema "$@"
