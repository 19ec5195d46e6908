#!/usr/bin/env python3
"""Prints bench/compare.sh's tables from the measurements in its work folder.

Usage: report.py WORKDIR SIZE...

WORKDIR holds, per size N:
  runs-N.txt      one line per whole-process run: KEY ROUND USER_S SYS_S
                  MAXRSS_KB WALL_S (from measure.py); KEY is vrlschema,
                  SQLAlchemy or Knex, or vrlschema_compare for the runs that
                  split our process into phases;
  phases-N.jsonl  one JSON line per run with the tool's own phase times;
  counts-N.jsonl  one JSON line per tool from count_script.py.

CPU is user+sys of the whole process. Medians over the rounds, with the
smallest and largest round; ratios are the peer's median over ours (above 1:
the peer needs more).
"""
import json
import os
import statistics
import sys

ORDER = ["vrlschema", "SQLAlchemy", "Knex"]
PHASES = [("read_s", "read"), ("parse_s", "parse"), ("model_s", "model"), ("check_s", "check"),
          ("ddl_s", "DDL"), ("join_s", "join"), ("write_s", "write"), ("free_s", "free")]


def read_runs(path):
    runs = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            key, _, user, system, rss, wall = line.split()
            runs.setdefault(key, []).append(
                {"cpu": float(user) + float(system), "rss": int(rss) * 1024, "wall": float(wall)})
    return runs


def read_jsonl(path):
    out = []
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            out = [json.loads(line) for line in f if line.strip()]
    return out


def seconds(value):
    if value >= 10:
        return "%.1f" % value
    if value >= 1:
        return "%.2f" % value
    return "%.3f" % value


def ms(value):
    if value is None:
        return "–"
    value *= 1000.0
    return "%.0f" % value if value >= 100 else "%.1f" % value


def megabytes(value):
    return "%.0f" % (value / 1e6) if value >= 10e6 else "%.1f" % (value / 1e6)


def ratio(peer, ours):
    if ours <= 0:
        return "–"
    value = peer / ours
    return ("%.0f×" if value >= 10 else "%.1f×" if value >= 1 else "%.2f×") % value


def table(header, rows, left=(1,)):
    widths = [max(len(str(row[i])) for row in [header] + rows) for i in range(len(header))]
    lines = ["| " + " | ".join(str(c) for c in header) + " |",
             "|" + "|".join("---" if i in left else "--:" for i in range(len(header))) + "|"]
    for row in rows:
        lines.append("| " + " | ".join(str(c) for c in row) + " |")
    del widths
    return "\n".join(lines)


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    workdir, sizes = argv[1], argv[2:]
    headline, phase_rows, content_rows, notes = [], [], [], []
    our_cpu = {}
    for size in sizes:
        runs = read_runs(os.path.join(workdir, "runs-%s.txt" % size))
        phases = read_jsonl(os.path.join(workdir, "phases-%s.jsonl" % size))
        counts = {c["tool"]: c for c in read_jsonl(os.path.join(workdir, "counts-%s.jsonl" % size))}
        labels = {"vrlschema": "vrlschema script"}
        for p in phases:
            if p["key"] != "vrlschema":
                labels[p["key"]] = p["tool"]
        ours = runs["vrlschema"]
        ours_cpu = statistics.median(r["cpu"] for r in ours)
        ours_rss = statistics.median(r["rss"] for r in ours)
        our_cpu[int(size)] = ours_cpu
        for key in ORDER:
            if key not in runs:
                continue
            rs = runs[key]
            cpu = [r["cpu"] for r in rs]
            rss = [r["rss"] for r in rs]
            c = counts.get(key, {})
            med_cpu, med_rss = statistics.median(cpu), statistics.median(rss)
            headline.append((
                "{:,}".format(int(size)), labels.get(key, key), len(rs),
                "%s (%s–%s)" % (seconds(med_cpu), seconds(min(cpu)), seconds(max(cpu))),
                "1×" if key == "vrlschema" else ratio(med_cpu, ours_cpu),
                "%s (max %s)" % (megabytes(med_rss), megabytes(max(rss))),
                "%.1f" % (med_rss / int(size) / 1000.0),
                "1×" if key == "vrlschema" else ratio(med_rss, ours_rss),
                "{:,}".format(c.get("statements", 0)), "{:,}".format(c.get("statement_bytes", 0)),
                "{:,}".format(c.get("file_bytes", 0)),
            ))
            if c:
                content_rows.append(("{:,}".format(int(size)), labels.get(key, key)) + tuple(
                    "{:,}".format(c[k]) for k in ("tables", "columns", "defaults", "pk", "unique", "fk", "index")))
            # In-process phases: ours from the vrlschema_compare runs, the
            # peers' from the measured processes themselves.
            source = "vrlschema_compare" if key == "vrlschema" else key
            mine = [p for p in phases if p["key"] == key]
            cpus = [r["cpu"] for r in runs.get(source, [])]
            if not mine:
                continue
            row = ["{:,}".format(int(size)), labels.get(key, key), len(mine)]
            total = []
            for p in mine:
                total.append(sum(p.get(k, 0.0) for k, _ in PHASES) + p.get("load_s", 0.0))
            for k, _ in PHASES:
                values = [p[k] for p in mine if k in p]
                if k == "model_s" and key == "vrlschema":
                    values = [p["load_s"] for p in mine]
                row.append(ms(statistics.median(values)) if values else "–")
            row.append(ms(statistics.median(total)))
            rest = [c - t for c, t in zip(cpus, total)]
            row.append(ms(statistics.median(rest)) if rest else "–")
            phase_rows.append(tuple(row))
        sa = runs.get("SQLAlchemy", [])
        if len(sa) < len(ours):
            notes.append("SQLAlchemy ran %d round(s) at %s tables, the others %d." %
                         (len(sa), "{:,}".format(int(size)), len(ours)))

    print("Whole process, schema file in, SQL Server script file out (CPU = user+sys; "
          "median (min–max) over the rounds; peak RSS: the kernel's maximum resident set, "
          "as /usr/bin/time reports it; MB = 10^6 bytes):")
    print()
    print(table(("tables", "tool", "rounds", "CPU s", "CPU vs ours", "peak RSS MB", "KB/table",
                 "RSS vs ours", "statements", "statement bytes", "file bytes"), headline))
    for n in notes:
        print()
        print(n)
    if 10000 in our_cpu and 50000 in our_cpu:
        print()
        print("vrlschema CPU 50k/10k: %.2f" % (our_cpu[50000] / our_cpu[10000]))
    print()
    print("In-process phases, CPU ms, medians (vrlschema: from vrlschema_compare, which takes the "
          "tool's steps; its model column is parse and model build together; \"rest\" is the process's "
          "CPU time beyond its phases: start, imports, exit):")
    print()
    print(table(("tables", "tool", "runs") + tuple(name for _, name in PHASES) + ("sum", "rest"), phase_rows))
    print()
    print("What each tool wrote (count_script.py, from the written files):")
    print()
    print(table(("tables", "tool", "tables", "columns", "defaults", "PK", "unique", "FK", "index"),
                content_rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
