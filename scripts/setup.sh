#!/bin/sh
# Installs what building vrlschema needs on a Debian machine and makes a
# locale with a comma decimal point available for the locale tests.
# `setup.sh test` also installs what the whole test run needs: valgrind,
# clang with its fuzzer runtime, the SQL parsers of the parser check, and
# the PostgreSQL server and client library of the round-trip tests;
# `setup.sh coverage` adds gcovr for scripts/coverage.sh.
# Safe to run again: it installs only what is missing.
set -eu
cd "$(dirname "$0")/.."
full=false
if [ "${1:-}" = test ]; then full=true; fi

# libmimalloc-dev: the allocator of the tool's optimised builds.
packages="cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libmimalloc-dev locales"
if $full; then
    packages="$packages valgrind clang libclang-rt-14-dev sqlfluff postgresql libpq-dev"
    # The parser check also needs Node.js with npm; the machine's own is used
    # when it has one.
    command -v npm >/dev/null 2>&1 || packages="$packages nodejs npm"
fi
# `setup.sh coverage`: what scripts/coverage.sh needs beside the build.
if [ "${1:-}" = coverage ]; then packages="$packages gcovr"; fi
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi

# The tests of decimal-point handling need a locale whose decimal point is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Creating locale de_DE.UTF-8"
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# The round-trip tests start a private PostgreSQL cluster, which refuses to
# run as root: under root its programs run as this unprivileged user.
if $full && [ "$(id -u)" -eq 0 ] && ! id vrlschema-pg >/dev/null 2>&1; then
    echo "Creating system user vrlschema-pg"
    useradd --system --no-create-home --shell /usr/sbin/nologin vrlschema-pg
fi

# node-sql-parser for the parser check, at the version pinned in its lock file.
if $full && [ ! -d tests/validate/node_modules ]; then
    (cd tests/validate && npm ci --no-audit --no-fund --loglevel=error)
fi
