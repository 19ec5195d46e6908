#!/usr/bin/env python3
"""Counts what a SQL Server script file holds, the same way for every tool.

Usage: count_script.py TOOL SCRIPT.sql

Prints one JSON line: the file's size in bytes, the number of statements (the
batches between "GO" lines, comment lines and blank lines left out, empty
batches not counted), the UTF-8 bytes of those statements, and what they
define (tables, columns, columns with a non-NULL default, primary keys,
unique constraints, foreign keys, indexes), so that the comparison shows
every tool wrote the same schema.
"""
import json
import re
import sys


def statements(text):
    batches, lines = [], []
    for line in text.split("\n"):
        bare = line.rstrip("\r")
        if bare.strip().upper() == "GO":
            batches.append(lines)
            lines = []
        elif not bare.lstrip().startswith("--"):
            lines.append(bare)
    batches.append(lines)
    return [s for s in ("\n".join(b).strip() for b in batches) if s]


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


def contents(stmts):
    c = {"tables": 0, "columns": 0, "defaults": 0, "pk": 0, "unique": 0, "fk": 0, "index": 0}
    for s in stmts:
        upper = s.upper()
        c["pk"] += upper.count("PRIMARY KEY")
        c["unique"] += len(re.findall(r"\bUNIQUE\b", upper))
        c["fk"] += upper.count("FOREIGN KEY")
        if re.match(r"CREATE\s+(UNIQUE\s+)?(NONCLUSTERED\s+|CLUSTERED\s+)?INDEX\b", upper):
            c["index"] += 1
        if re.match(r"CREATE\s+TABLE\b", upper):
            c["tables"] += 1
            body = s[s.index("(") + 1 : s.rindex(")")]
            for item in top_level_items(body):
                if not re.match(r"(CONSTRAINT|PRIMARY|UNIQUE|FOREIGN)\b", item.upper()):
                    c["columns"] += 1
                    if re.search(r"\bDEFAULT\s*(?!\(?\s*NULL\b)\S", item.upper()):
                        c["defaults"] += 1
    return c


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[2], "rb") as f:
        raw = f.read()
    stmts = statements(raw.decode("utf-8"))
    result = {"tool": argv[1], "file_bytes": len(raw), "statements": len(stmts),
              "statement_bytes": sum(len(s.encode("utf-8")) for s in stmts)}
    result.update(contents(stmts))
    print(json.dumps(result))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
