#!/usr/bin/env bash
# Times our SQL Server script against two general-purpose schema builders on
# one synthetic schema file and prints one table of medians and ratios.
#
#   bench/compare.sh [SIZE...]        default SIZE: 1000 (tables)
#
# Environment: ROUNDS (default 7), BUILD_DIR (default build-compare, Release),
# WORK_DIR (default a fresh temporary directory, kept when given).
#
# Installs what is missing: Debian's python3-sqlalchemy (and nodejs/npm), and
# Knex from bench/peers/package-lock.json with `npm ci` into
# bench/peers/node_modules. The schema is written once per size by
# bench/peers/make_schema.py and every tool reads that same file; our side is
# vrlschema_compare, which reads it through the tool's schema-file loader.
#
# Every tool times, per run: the JSON text parsed alone (its column of its
# own, left out of the model build for all three), the model built from the
# parsed document, and the DDL text. The rounds interleave the tools (ours,
# SQLAlchemy, Knex, then again), one process per tool and round with one
# untimed warm-up run inside it, so that the load of a shared machine falls
# on all three alike. Knex's toString() joins its statements into one text at
# a cost that grows with the square of the size (three minutes at 10,000
# tables), so it is timed only up to 2,000 tables.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
peers=$here/peers
rounds=${ROUNDS:-7}
build=${BUILD_DIR:-$root/build-compare}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000)
# Debian's SQLAlchemy belongs to Debian's interpreter, whatever python3 is first on PATH.
python=/usr/bin/python3

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

apt_install() {
    as_root apt-get install -y -o DPkg::Lock::Timeout=600 "$@" >&2 ||
        { as_root apt-get update >&2 && as_root apt-get install -y -o DPkg::Lock::Timeout=600 "$@" >&2; }
}

if ! "$python" -c 'import sqlalchemy' 2>/dev/null; then
    echo "compare.sh: installing python3-sqlalchemy" >&2
    apt_install python3-sqlalchemy
fi
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    echo "compare.sh: installing nodejs and npm" >&2
    apt_install nodejs npm
fi
if [ ! -f "$peers/node_modules/knex/package.json" ]; then
    echo "compare.sh: installing knex (npm ci)" >&2
    (cd "$peers" && npm ci --no-audit --no-fund >&2)
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVRLSCHEMA_BUILD_BENCH=ON \
    -DVRLSCHEMA_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target vrlschema_compare -j2 >/dev/null
ours=$build/bench/vrlschema_compare

if [ -n "${WORK_DIR:-}" ]; then
    work=$WORK_DIR
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

start=$SECONDS
for size in "${sizes[@]}"; do
    schema=$work/schema-$size.json
    results=$work/results-$size.jsonl
    "$python" "$peers/make_schema.py" "$size" >"$schema"
    : >"$results"
    knex_string=()
    [ "$size" -le 2000 ] || knex_string=(--no-string)
    for ((round = 1; round <= rounds; ++round)); do
        echo "compare.sh: $size tables, round $round of $rounds" >&2
        extra_ours=()
        extra_sa=()
        extra_knex=()
        if [ "$round" -eq 1 ]; then
            # The first round also keeps each tool's statements for the counts,
            # and checks the file against the benchmarks' in-memory schema.
            extra_ours=(--out "$work/script-$size-vrlschema.json" --check-synthetic)
            extra_sa=(--out "$work/script-$size-SQLAlchemy.json")
            extra_knex=(--out "$work/script-$size-Knex.json")
        fi
        "$ours" "$schema" --runs 1 "${extra_ours[@]}" >>"$results"
        "$python" "$peers/sqlalchemy_run.py" "$schema" --runs 1 "${extra_sa[@]}" >>"$results"
        node "$peers/knex_run.js" "$schema" --runs 1 "${knex_string[@]}" "${extra_knex[@]}" >>"$results"
    done
done

echo
echo "SQL Server DDL of the synthetic schema (12 columns, PK, unique, 2-column index, FK per table);"
echo "JSON parse left out of the model build for every tool; one file for all tools."
"$python" "$peers/report.py" "$work" "${sizes[@]}"
echo
echo "compare.sh: measured in $((SECONDS - start)) s ($rounds rounds)."
