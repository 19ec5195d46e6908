#!/usr/bin/env python3
"""SQLAlchemy's side of bench/compare.sh.

Builds a MetaData of Table objects from the schema file and compiles their
DDL offline with the SQL Server dialect: CREATE TABLE (columns, primary key,
unique and foreign-key constraints inline) and CREATE INDEX. Each run times
the JSON text parsed alone, the model build from the parsed document, and the
compile; one untimed warm-up run comes first. Prints one JSON line of raw
timings, as vrlschema_compare does.

Usage: sqlalchemy_run.py SCHEMA.json [--runs N] [--out FILE]
"""
import argparse
import json
import sys
import time

import sqlalchemy as sa
from sqlalchemy.dialects import mssql
from sqlalchemy.schema import CreateIndex, CreateTable


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
        statements.append(str(CreateTable(table).compile(dialect=dialect)))
        for index in sorted(table.indexes, key=lambda i: i.name):
            statements.append(str(CreateIndex(index).compile(dialect=dialect)))
    return statements


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("schema")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--out")
    args = parser.parse_args()
    with open(args.schema, encoding="utf-8") as f:
        text = f.read()

    parse_s, build_s, ddl_s = [], [], []
    statements = []
    for run in range(args.runs + 1):
        t0 = time.perf_counter()
        doc = json.loads(text)
        t1 = time.perf_counter()
        _, tables = build(doc)
        t2 = time.perf_counter()
        statements = compile_ddl(tables)
        t3 = time.perf_counter()
        if run == 0:
            continue  # warm-up
        parse_s.append(t1 - t0)
        build_s.append(t2 - t1)
        ddl_s.append(t3 - t2)

    if args.out:
        with open(args.out, "w", encoding="utf-8") as f:
            json.dump(statements, f)
    print(json.dumps({
        "tool": "SQLAlchemy " + sa.__version__,
        "tables": len(tables),
        "parse_s": parse_s,
        "build_s": build_s,
        "ddl_s": ddl_s,
        "bytes": sum(len(s.encode("utf-8")) for s in statements),
        "statements": len(statements),
    }))
    return 0


if __name__ == "__main__":
    sys.exit(main())
