#!/usr/bin/env bash
# Compares our tool with two general-purpose schema builders as a user runs
# them: one schema file in, one SQL Server script file out, one process per
# run, and prints the tables of bench/peers/report.py.
#
#   bench/compare.sh [SIZE...]        default SIZE: 1000 10000 50000 (tables)
#
# Environment:
#   ROUNDS        rounds below 50,000 tables (default 7 up to 1,000 tables, 5 above)
#   ROUNDS_LARGE  rounds at 50,000 tables and more (default 3)
#   SA_ROUNDS     SQLAlchemy's rounds below 50,000 tables (default ROUNDS)
#   SA_ROUNDS_LARGE  SQLAlchemy's rounds at 50,000 tables and more (default 1:
#                 a run takes minutes; 0 leaves it out); the output says so
#                 when it has fewer rounds than the others
#   BUILD_DIR     our Release build (default build-compare)
#   PEERS_DIR     where Knex is installed (default BUILD_DIR/peers)
#   WORK_DIR      the schema files, scripts and raw figures (default a fresh
#                 temporary folder, removed at the end; kept when given)
#
# Installs what is missing: Debian's python3-sqlalchemy, nodejs, npm,
# libmimalloc-dev (through apt), and Knex from
# bench/peers/package-lock.json with `npm ci` into PEERS_DIR, a folder of
# this script's own.
#
# The schema is written once per size by bench/peers/make_schema.py; every
# tool reads that file and writes its script file with the same batch
# separator. The headline is each whole process's CPU time (user+sys) and
# peak RSS, the kernel's figures that /usr/bin/time prints, taken at
# microseconds by bench/peers/measure.py: ours is `vrlschema script --dialect sqlserver`,
# the peers are bench/peers/knex_run.js (toSQL()) and
# bench/peers/sqlalchemy_run.py, each doing one pass. The rounds interleave
# the tools and turn their order each round, so that the load of a shared
# machine falls on all alike. The peers write their in-process phase times
# from those same runs; ours come from vrlschema_compare, which takes the
# tool's steps with a clock around each, in runs of its own in the same
# rounds. bench/peers/count_script.py counts every tool's written file the
# same way: statements, UTF-8 bytes, and what the statements define.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
peers=$here/peers
build=${BUILD_DIR:-$root/build-compare}
peer_dir=${PEERS_DIR:-$build/peers}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 50000)
# Debian's SQLAlchemy belongs to Debian's interpreter, whatever python3 is first on PATH.
python=/usr/bin/python3

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
"$python" -c 'import sqlalchemy' 2>/dev/null || missing+=(python3-sqlalchemy)
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
# The allocator our optimised build links and its header, as
# scripts/setup.sh installs them.
for package in libmimalloc-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "compare.sh: installing ${missing[*]}" >&2
    as_root apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq -o DPkg::Lock::Timeout=600 "${missing[@]}" >&2
fi

mkdir -p "$peer_dir"
if ! cmp -s "$peers/package-lock.json" "$peer_dir/package-lock.json" ||
    [ ! -f "$peer_dir/node_modules/knex/package.json" ]; then
    echo "compare.sh: installing Knex into $peer_dir (npm ci)" >&2
    cp "$peers/package.json" "$peers/package-lock.json" "$peer_dir/"
    (cd "$peer_dir" && npm ci --no-audit --no-fund >&2)
fi
export NODE_PATH=$peer_dir/node_modules

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVRLSCHEMA_BUILD_BENCH=ON \
    -DVRLSCHEMA_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target vrlschema_tool vrlschema_compare -j2 >/dev/null
tool=$build/tools/vrlschema
splitter=$build/bench/vrlschema_compare

if [ -n "${WORK_DIR:-}" ]; then
    work=$WORK_DIR
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

# measure SIZE ROUND KEY OUT.sql PHASES|"" COMMAND...: one process, its
# figures appended to runs-SIZE.txt and its phases (if any) to phases-SIZE.jsonl.
measure() {
    local size=$1 round=$2 key=$3 out=$4 phases=$5
    shift 5
    rm -f "$out" "$work/phases.tmp"
    if ! "$python" "$peers/measure.py" "$work/time.tmp" -- "$@" >"$work/stdout.tmp" 2>"$work/stderr.tmp"; then
        echo "compare.sh: $key failed at $size tables:" >&2
        cat "$work/stderr.tmp" >&2
        exit 1
    fi
    echo "$key $round $(tail -n 1 "$work/time.tmp")" >>"$work/runs-$size.txt"
    if [ -n "$phases" ]; then
        { printf '{"key":"%s",' "$phases"; tail -c +2 "$work/phases.tmp"; } >>"$work/phases-$size.jsonl"
    fi
}

load_before=$(cut -d" " -f1-3 /proc/loadavg)
start=$SECONDS
for size in "${sizes[@]}"; do
    schema=$work/schema-$size.json
    "$python" "$peers/make_schema.py" "$size" >"$schema"
    : >"$work/runs-$size.txt"
    : >"$work/phases-$size.jsonl"
    : >"$work/counts-$size.jsonl"
    if [ "$size" -ge 50000 ]; then
        rounds=${ROUNDS_LARGE:-3}
        sa_rounds=${SA_ROUNDS_LARGE:-1}
    else
        default_rounds=7
        [ "$size" -le 1000 ] || default_rounds=5
        rounds=${ROUNDS:-$default_rounds}
        sa_rounds=${SA_ROUNDS:-$rounds}
    fi
    tools=(vrlschema vrlschema_compare SQLAlchemy Knex)
    for ((round = 1; round <= rounds; ++round)); do
        echo "compare.sh: $size tables, round $round of $rounds" >&2
        for ((i = 0; i < ${#tools[@]}; ++i)); do
            key=${tools[(i + round - 1) % ${#tools[@]}]}
            out=$work/script-$size-$key.sql
            case $key in
            vrlschema)
                measure "$size" "$round" "$key" "$out" "" \
                    "$tool" script --dialect sqlserver --quiet --schema "$schema" -o "$out"
                ;;
            vrlschema_compare)
                check=()
                [ "$round" -ne 1 ] || check=(--check-synthetic)
                measure "$size" "$round" "$key" "$out" vrlschema \
                    "$splitter" "$schema" "$out" --phases "$work/phases.tmp" "${check[@]}"
                ;;
            SQLAlchemy)
                [ "$round" -le "$sa_rounds" ] || continue
                measure "$size" "$round" "$key" "$out" "$key" \
                    "$python" "$peers/sqlalchemy_run.py" "$schema" "$out" --phases "$work/phases.tmp"
                ;;
            Knex)
                measure "$size" "$round" "$key" "$out" "$key" \
                    node "$peers/knex_run.js" "$schema" "$out" --phases "$work/phases.tmp"
                ;;
            esac
        done
    done
    for key in vrlschema SQLAlchemy Knex; do
        [ ! -f "$work/script-$size-$key.sql" ] ||
            "$python" "$peers/count_script.py" "$key" "$work/script-$size-$key.sql" >>"$work/counts-$size.jsonl"
    done
done

echo
echo "Synthetic schema: 12 columns, primary key, unique constraint, 2-column index and a foreign key"
echo "to the table before, per table; one schema file per size read by every tool."
echo "Knex builds its columns and constraints when it compiles: its model phase only queues them."
echo "Our script also indexes every foreign key (hence about twice the indexes) and adds its keys"
echo "with ALTER TABLE statements of their own (hence more statements)."
echo "Machine: $(nproc) cores; load before: ${load_before:-?}; after: $(cut -d' ' -f1-3 /proc/loadavg)."
"$python" "$peers/report.py" "$work" "${sizes[@]}"
echo
echo "compare.sh: measured in $((SECONDS - start)) s."
