#!/usr/bin/env python3
"""Prints bench/compare.sh's table from the runs' JSON lines.

Usage: report.py WORKDIR SIZE...

WORKDIR holds, per size N, results-N.jsonl (one JSON line per tool and round)
and script-N-<tool>.json (each tool's statements of one run). Medians are
taken over the rounds; MB/s is output bytes over the DDL median (MB = 10^6
bytes); ratios are the peer's median over ours (above 1: the peer is slower).
The counts check that every tool wrote the same schema.
"""
import json
import os
import re
import statistics
import sys

ORDER = ["vrlschema", "SQLAlchemy", "Knex"]


def family(tool):
    return tool.split(" ")[0]


def top_level_items(body):
    items, depth, start = [], 0, 0
    for i, ch in enumerate(body):
        if ch == "(":
            depth += 1
        elif ch == ")":
            depth -= 1
        elif ch == "," and depth == 0:
            items.append(body[start:i])
            start = i + 1
    items.append(body[start:])
    return [item.strip() for item in items if item.strip()]


def counts(statements):
    c = {"tables": 0, "columns": 0, "defaults": 0, "pk": 0, "unique": 0, "fk": 0, "index": 0}
    for s in statements:
        upper = s.upper()
        c["pk"] += upper.count("PRIMARY KEY")
        c["unique"] += len(re.findall(r"\bUNIQUE\b", upper))
        c["fk"] += upper.count("FOREIGN KEY")
        if re.match(r"\s*CREATE\s+(NONCLUSTERED\s+|CLUSTERED\s+)?INDEX\b", upper):
            c["index"] += 1
        if re.match(r"\s*CREATE\s+TABLE\b", upper):
            c["tables"] += 1
            body = s[s.index("(") + 1 : s.rindex(")")]
            for item in top_level_items(body):
                if not re.match(r"(CONSTRAINT|PRIMARY|UNIQUE|FOREIGN)\b", item.upper()):
                    c["columns"] += 1
                    if re.search(r"\bDEFAULT\s*(?!\(?\s*NULL\b)\S", item.upper()):
                        c["defaults"] += 1
    return c


def ms(seconds):
    return "%.1f" % (seconds * 1000.0)


def ratio(peer, ours):
    if ours <= 0:
        return "-"
    value = peer / ours
    return ("%.1f×" if value >= 1 else "%.2g×") % value


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    workdir, sizes = argv[1], argv[2:]
    header = ("tables", "tool", "JSON parse ms", "model build ms", "DDL ms", "bytes", "stmts", "MB/s",
              "build ratio", "DDL ratio", "build+DDL ratio")
    rows = [header]
    checks = []
    for size in sizes:
        runs = {}
        with open(os.path.join(workdir, "results-%s.jsonl" % size), encoding="utf-8") as f:
            for line in f:
                r = json.loads(line)
                entry = runs.setdefault(family(r["tool"]), {"tool": r["tool"], "r": r, "parse": [],
                                                             "build": [], "ddl": [], "string": []})
                entry["parse"] += r["parse_s"]
                entry["build"] += r["build_s"]
                entry["ddl"] += r["ddl_s"]
                entry["string"] += r.get("string_s", [])
        med = {k: {m: statistics.median(v[m]) if v[m] else None for m in ("parse", "build", "ddl", "string")}
               for k, v in runs.items()}
        ours = med["vrlschema"]
        for name in ORDER:
            if name not in runs:
                continue
            entry, m = runs[name], med[name]
            r = entry["r"]
            lines = [("", m["ddl"], r["bytes"], r["statements"])]
            if name == "Knex":
                lines = [(" toSQL()", m["ddl"], r["bytes"], r["statements"])]
                if m["string"] is not None:
                    lines.append((" toString()", m["string"], r["string_bytes"], 1))
            for suffix, ddl, nbytes, stmts in lines:
                own = name == "vrlschema"
                rows.append((
                    size, entry["tool"] + suffix, ms(m["parse"]), ms(m["build"]), ms(ddl), str(nbytes),
                    str(stmts), "%.1f" % (nbytes / ddl / 1e6),
                    "1.0×" if own else ratio(m["build"], ours["build"]),
                    "1.0×" if own else ratio(ddl, ours["ddl"]),
                    "1.0×" if own else ratio(m["build"] + ddl, ours["build"] + ours["ddl"]),
                ))
            path = os.path.join(workdir, "script-%s-%s.json" % (size, name))
            if os.path.exists(path):
                with open(path, encoding="utf-8") as f:
                    checks.append((size, entry["tool"], counts(json.load(f))))
        rounds = len(runs["vrlschema"]["ddl"])
        rows.append((size, "(medians of %d rounds)" % rounds,) + ("",) * (len(header) - 2))

    widths = [max(len(str(row[i])) for row in rows) for i in range(len(header))]
    for i, row in enumerate(rows):
        print("  ".join(str(cell).rjust(widths[j]) if j != 1 else str(cell).ljust(widths[j])
                        for j, cell in enumerate(row)))
        if i == 0:
            print("  ".join("-" * w for w in widths))
    print()
    print("What each tool wrote (counted from its statements):")
    keys = ("tables", "columns", "defaults", "pk", "unique", "fk", "index")
    print("  %-6s %-18s %s" % ("tables", "tool", "  ".join("%8s" % k for k in keys)))
    for size, tool, c in checks:
        print("  %-6s %-18s %s" % (size, tool, "  ".join("%8d" % c[k] for k in keys)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
