#!/usr/bin/env python3
"""Writes the synthetic comparison schema of N tables as one schema file.

Every table T00001..TN has twelve columns (an int key, four nvarchar(50), two
datetime, two bit, a float and two int), a primary key, a unique constraint,
a two-column index and, from the second table on, a foreign key to the table
before it; four of the twelve columns carry a default. This is the same
schema bench/SyntheticSchema.cpp builds in memory (vrlschema_compare checks
that both give the same script), and every tool in the comparison reads this
one file.

Usage: make_schema.py N > schema.json
"""
import json
import sys

# (name, type, length, default); None = no default.
COLUMNS = [
    ("ID", "dtInteger", 0, None),
    ("Name", "dtString", 50, None),
    ("Title", "dtString", 50, "none"),
    ("Code", "dtString", 50, None),
    ("Notes", "dtString", 50, None),
    ("Created", "dtDateTime", 0, None),
    ("Modified", "dtDateTime", 0, None),
    ("Active", "dtBoolean", 0, True),
    ("Deleted", "dtBoolean", 0, None),
    ("Weight", "dtDouble", 0, 1.5),
    ("ParentID", "dtInteger", 0, None),
    ("Rank", "dtInteger", 0, 0),
]


def table_name(index):
    return "T%05d" % index


def make_table(index):
    name = table_name(index)
    fields = []
    for column, dtype, length, default in COLUMNS:
        field = {"name": column, "type": dtype}
        if length:
            field["length"] = length
        if default is not None:
            field["default"] = default
        if column == "ID":
            field["notNull"] = True
        fields.append(field)
    constraints = [
        {"name": "PK_" + name, "type": "ctPrimaryKey", "fields": ["ID"]},
        {"name": "UQ_" + name, "type": "ctUnique", "fields": ["Code"]},
        {"name": "IX_" + name, "type": "ctIndex", "fields": ["Name", "Created"]},
    ]
    if index > 1:
        constraints.append({
            "name": "FK_" + name,
            "type": "ctForeignKey",
            "fields": ["ParentID"],
            "refTable": table_name(index - 1),
            "refFields": ["ID"],
        })
    return {"name": name, "fields": fields, "constraints": constraints}


def main(argv):
    if len(argv) != 2 or not argv[1].isdigit() or int(argv[1]) < 1:
        sys.stderr.write("usage: make_schema.py N > schema.json\n")
        return 2
    count = int(argv[1])
    doc = {"version": "25", "tables": [make_table(i) for i in range(1, count + 1)]}
    json.dump(doc, sys.stdout, separators=(",", ":"))
    sys.stdout.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
