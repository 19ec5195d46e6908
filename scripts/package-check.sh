#!/bin/sh
# Checks vrlschema as another project uses it: builds and installs the
# library and the tool into a temporary prefix, then builds and runs the
# example host (examples/host) three ways -- against the installed CMake
# package, through add_subdirectory() of the source tree, and with
# pkg-config -- and compiles every installed header on its own.
# Usage: scripts/package-check.sh [work-dir]   (default build-package)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
work="${1:-build-package}"
jobs="${JOBS:-2}"
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
prefix="$work/prefix"

# Runs the example host and checks its scripts and its error report, whose
# raising site is named by its path in the source tree.
run_host() {
    "$1" examples/host/shop.json >"$1.out" 2>"$1.err"
    grep -q '^CREATE TABLE dbo.Orders($' "$1.out"
    grep -q '^ALTER TABLE Customer ADD Phone nvarchar(20)  DEFAULT (NULL)$' "$1.out"
    grep -q '^\[4070\] DuxLib: .* (src/schema/VrlSchema.cpp:[0-9]*)$' "$1.err"
}

echo "== package: build and install into $prefix"
cmake -S . -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DVRLSCHEMA_BUILD_TESTS=OFF >/dev/null
cmake --build "$work/build" -j"$jobs" >/dev/null
cmake --install "$work/build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/vrlschema"
"$prefix/bin/vrlschema" --version >/dev/null
nm -C "$prefix/lib/libvrlschema.a" | grep -q 'VrlSchemaLib::SchemaFile::Load'

echo "== package: every installed header compiles on its own"
(cd "$prefix/include" && find vrlschema -name '*.h' | sort) | while read -r header; do
    printf '#include <%s>\n' "$header" |
        c++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$prefix/include" -x c++ - ||
        { echo "not self-contained: $header"; exit 1; }
done

echo "== package: example host through find_package(vrlschema)"
cmake -S examples/host -B "$work/host-package" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/host-package" >/dev/null
run_host "$work/host-package/vrlschema_host"

echo "== package: example host through add_subdirectory()"
mkdir -p "$work/subproject"
cat >"$work/subproject/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.21)
project(consumer LANGUAGES CXX)
add_subdirectory("$root" vrlschema)
add_subdirectory("$root/examples/host" host)
CMAKE
cmake -S "$work/subproject" -B "$work/subproject/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/subproject/build" -j"$jobs" --target vrlschema_host >/dev/null
run_host "$work/subproject/build/host/vrlschema_host"

echo "== package: example host through pkg-config"
PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --exists 'vrlschema >= 1.1'
# shellcheck disable=SC2046
c++ examples/host/main.cpp -o "$work/host-pkgconfig" $(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs vrlschema)
run_host "$work/host-pkgconfig"

echo "Package check passed (installed package, add_subdirectory, pkg-config, headers)."
