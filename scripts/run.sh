#!/bin/sh
# Builds vrlschema and runs the main job: the creation script of the built-in
# sample schema. Extra arguments go to the tool (try --help).
# Installs what is missing first (see setup.sh). Safe to run again.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"${JOBS:-2}"
if [ "$#" -eq 0 ]; then set -- --sample; fi
exec ./build/tools/vrlschema "$@"
