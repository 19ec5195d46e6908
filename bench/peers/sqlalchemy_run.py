#!/usr/bin/env python3
"""SQLAlchemy's side of bench/compare.sh: one schema file in, one SQL Server
script file out, once per process, as a user would run it.

Reads the schema file, parses it, builds a MetaData of Table objects, compiles
their DDL offline with the SQL Server dialect (CREATE TABLE with the primary
key, unique and foreign-key constraints inline, then CREATE INDEX) and writes
the statements joined by the same batch separator our tool writes
("\\r\\nGO\\r\\n\\r\\n"), as UTF-8. With --phases FILE it also writes the CPU
time of each step as one JSON line; the comparison takes the process's CPU time and
peak memory from outside.

Usage: sqlalchemy_run.py SCHEMA.json OUT.sql [--phases FILE]
"""
import argparse
import json
import sys
import time

import sqlalchemy as sa
from sqlalchemy.dialects import mssql
from sqlalchemy.schema import CreateIndex, CreateTable

SEPARATOR = "\r\nGO\r\n\r\n"


def column_type(field):
    kind = field["type"]
    if kind == "dtInteger":
        return sa.Integer()
    if kind == "dtString":
        return sa.NVARCHAR(field["length"])
    if kind == "dtDateTime":
        return sa.DATETIME()
    if kind == "dtBoolean":
        return mssql.BIT()
    if kind == "dtDouble":
        return sa.Float()
    raise ValueError("no SQLAlchemy type for " + kind)


def server_default(value):
    if value is None:
        return None
    if isinstance(value, str):
        return value  # quoted by the compiler
    if isinstance(value, bool):
        return sa.text("1" if value else "0")
    return sa.text(repr(value))


def build(doc):
    metadata = sa.MetaData()
    tables = []
    for t in doc["tables"]:
        items = [
            sa.Column(
                f["name"],
                column_type(f),
                nullable=not f.get("notNull", False),
                # The key is a plain int, not an IDENTITY column.
                autoincrement=False,
                server_default=server_default(f.get("default")),
            )
            for f in t["fields"]
        ]
        for c in t.get("constraints", []):
            kind = c["type"]
            if kind == "ctPrimaryKey":
                items.append(sa.PrimaryKeyConstraint(*c["fields"], name=c["name"]))
            elif kind == "ctUnique":
                items.append(sa.UniqueConstraint(*c["fields"], name=c["name"]))
            elif kind == "ctIndex":
                items.append(sa.Index(c["name"], *c["fields"]))
            elif kind == "ctForeignKey":
                ref = c["refTable"]
                items.append(
                    sa.ForeignKeyConstraint(
                        c["fields"], [ref + "." + f for f in c["refFields"]], name=c["name"]
                    )
                )
            else:
                raise ValueError("no SQLAlchemy construct for " + kind)
        tables.append(sa.Table(t["name"], metadata, *items))
    return metadata, tables


def compile_ddl(tables):
    dialect = mssql.dialect()
    statements = []
    for table in tables:
        statements.append(str(CreateTable(table).compile(dialect=dialect)).strip())
        for index in sorted(table.indexes, key=lambda i: i.name):
            statements.append(str(CreateIndex(index).compile(dialect=dialect)).strip())
    return statements


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("schema")
    parser.add_argument("out")
    parser.add_argument("--phases")
    args = parser.parse_args()
    t0 = time.process_time()
    with open(args.schema, encoding="utf-8") as f:
        text = f.read()
    t1 = time.process_time()
    doc = json.loads(text)
    t2 = time.process_time()
    _, tables = build(doc)
    t3 = time.process_time()
    statements = compile_ddl(tables)
    t4 = time.process_time()
    script = "".join(s + SEPARATOR for s in statements)
    t5 = time.process_time()
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(script)
    t6 = time.process_time()
    if args.phases:
        with open(args.phases, "w", encoding="utf-8") as f:
            json.dump({
                "tool": "SQLAlchemy " + sa.__version__,
                "tables": len(tables),
                "read_s": t1 - t0,
                "parse_s": t2 - t1,
                "model_s": t3 - t2,
                "ddl_s": t4 - t3,
                "join_s": t5 - t4,
                "write_s": t6 - t5,
            }, f)
            f.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
