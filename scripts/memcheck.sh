#!/bin/bash
# Runs every test program of a normal (non-sanitizer) Debug build once under
# valgrind's memcheck, two at a time, and fails on any memory error or any
# definitely or indirectly lost block.
#
#   scripts/memcheck.sh [build-dir]     (default build-memcheck; JOBS=2)
#
# The build directory is configured (Debug) and built when it has no cache
# yet; an existing one is reused as it is, so CI passes the directory of its
# normal test build. A sanitizer build is refused: ASan and memcheck do not
# run together.
#
# What counts:
#   - every memcheck error (invalid reads and writes, uses of uninitialised
#     values, bad frees) and every definitely or indirectly lost block fails
#     the run (--errors-for-leak-kinds=definite,indirect);
#   - "possibly lost" blocks are shown in the logs and the summary but do not
#     fail it; "still reachable" ones are the process-wide objects that live
#     until exit (the string-table chain, the OEM manager, gtest's own
#     registries) and are accepted;
#   - scripts/memcheck.supp suppresses only glibc's vectorised wmemcmp, whose
#     whole-vector loads memcheck cannot tell from overruns.
# Child processes are traced (--trace-children=yes): the OEM module tests of
# test_support run the program again as a child through /bin/sh, and that
# child is checked with its own log like any other process.
#
# MEMCHECK_SKIP (a gtest filter, e.g. 'Suite.Test:Other.*') leaves tests out
# of a local run; by default every test runs.
#
# Logs: <build-dir>/memcheck/<program>.<pid>.vg (one per process) and
# <program>.out (the program's own output).
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
dir="${1:-build-memcheck}"
case "$dir" in /*) ;; *) dir="$root/$dir" ;; esac
jobs="${JOBS:-2}"

if ! command -v valgrind >/dev/null 2>&1; then
    echo "memcheck: valgrind is not installed (Debian package valgrind)" >&2
    exit 2
fi

if [ ! -f "$dir/CMakeCache.txt" ]; then
    launcher=""
    if command -v ccache >/dev/null 2>&1; then launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DVRLSCHEMA_SANITIZE=OFF $launcher >/dev/null || exit 2
fi
if grep -q '^VRLSCHEMA_SANITIZE:BOOL=ON' "$dir/CMakeCache.txt"; then
    echo "memcheck: $dir is a sanitizer build; use a normal one" >&2
    exit 2
fi
cmake --build "$dir" -j"$jobs" >"$dir/memcheck-build.log" 2>&1 || {
    tail -40 "$dir/memcheck-build.log" >&2
    exit 2
}

logs="$dir/memcheck"
rm -rf "$logs"
mkdir -p "$logs"

# The largest programs first, so that the two lanes end at about the same time.
# test_pgserver is left out: its work is done by the PostgreSQL server it
# starts, which valgrind would follow into initdb and every server process.
mapfile -t programs < <(find "$dir/tests" -maxdepth 1 -type f -name 'test_*' ! -name test_pgserver -perm -u+x -printf '%s %p\n' |
    sort -rn | cut -d' ' -f2-)
if [ "${#programs[@]}" -eq 0 ]; then
    echo "memcheck: no test programs in $dir/tests" >&2
    exit 2
fi

export MEMCHECK_FILTER="${MEMCHECK_SKIP:+-$MEMCHECK_SKIP}"
MEMCHECK_FILTER="${MEMCHECK_FILTER:-*}"
export MEMCHECK_LOGS="$logs" MEMCHECK_SUPP="$root/scripts/memcheck.supp" MEMCHECK_CWD="$dir/tests"
run_one() {
    local program="$1" name start rc
    name=$(basename "$program")
    start=$(date +%s)
    # The programs run where ctest runs them, in the build's tests directory.
    (cd "$MEMCHECK_CWD" && timeout 2400 valgrind --tool=memcheck --leak-check=full \
        --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect,possible \
        --error-exitcode=97 --trace-children=yes --child-silent-after-fork=yes --track-origins=yes \
        --num-callers=30 --suppressions="$MEMCHECK_SUPP" --log-file="$MEMCHECK_LOGS/$name.%p.vg" \
        "$program" --gtest_color=no --gtest_filter="$MEMCHECK_FILTER" >"$MEMCHECK_LOGS/$name.out" 2>&1)
    rc=$?
    echo "$rc $(($(date +%s) - start))" >"$MEMCHECK_LOGS/$name.rc"
}
export -f run_one

begin=$(date +%s)
printf '%s\0' "${programs[@]}" | xargs -0 -n1 -P"$jobs" bash -c 'run_one "$1"' _

# One line per program, all its processes added up; bytes of the leak kinds.
status=0
sum_field() { # sum_field <pattern> <files...>: the first number after the pattern
    local pattern="$1"
    shift
    sed -n "s/.*$pattern *\([0-9,]*\).*/\1/p" "$@" | tr -d , | awk '{s += $1} END {print s + 0}'
}
printf '%-16s %5s %6s %6s %10s %10s %10s %12s\n' program exit time errors definite indirect possible reachable
for program in "${programs[@]}"; do
    name=$(basename "$program")
    read -r rc secs <"$logs/$name.rc"
    vgs=("$logs/$name".*.vg)
    errors=$(sum_field 'ERROR SUMMARY:' "${vgs[@]}")
    definite=$(sum_field 'definitely lost:' "${vgs[@]}")
    indirect=$(sum_field 'indirectly lost:' "${vgs[@]}")
    possible=$(sum_field 'possibly lost:' "${vgs[@]}")
    reachable=$(sum_field 'still reachable:' "${vgs[@]}")
    printf '%-16s %5s %5ss %6s %10s %10s %10s %12s\n' "$name" "$rc" "$secs" "$errors" "$definite" "$indirect" \
        "$possible" "$reachable"
    # A process that died before memcheck's summary counts as a failure too.
    finished=$(grep -l 'ERROR SUMMARY:' "${vgs[@]}" | wc -l)
    if [ "$rc" != 0 ] || [ "$errors" != 0 ] || [ "$definite" != 0 ] || [ "$indirect" != 0 ] ||
        [ "$finished" != "${#vgs[@]}" ]; then
        status=1
        echo "  FAILED: see $logs/$name.out and $logs/$name.*.vg" >&2
        grep -h -B2 -A12 -E 'Invalid|uninitialised|Mismatched|definitely lost in|indirectly lost in' "${vgs[@]}" |
            head -60 >&2
        if [ "$rc" != 0 ] && [ "$rc" != 97 ]; then tail -20 "$logs/$name.out" >&2; fi
    fi
done
echo "memcheck: ${#programs[@]} programs in $(($(date +%s) - begin))s"
if [ "$status" = 0 ]; then
    echo "memcheck: no errors, no definitely or indirectly lost blocks"
fi
exit $status
