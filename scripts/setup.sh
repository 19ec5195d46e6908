#!/bin/sh
# Installs what building and testing vrlschema needs on a Debian machine and
# makes a locale with a comma decimal point available for the locale tests.
# Safe to run again: it installs only what is missing.
set -eu

packages="cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev locales valgrind"
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
