"""Parses statements with sqlfluff in one process.

Reads a JSON list of {"id", "dialect", "sql"} from standard input and writes a
JSON list of {"id", "ok", "error"} to standard output. Starting sqlfluff costs
about a second per process, so the driver sends every statement at once.
"""

import json
import sys

from sqlfluff.core import FluffConfig, Linter


def main():
    jobs = json.load(sys.stdin)
    linters = {}
    results = []
    for job in jobs:
        dialect = job["dialect"]
        if dialect not in linters:
            linters[dialect] = Linter(config=FluffConfig(overrides={"dialect": dialect}))
        try:
            parsed = linters[dialect].parse_string(job["sql"])
        except Exception as error:  # noqa: BLE001 - a grammar fault is a rejection too
            # Some grammar branches of sqlfluff raise instead of reporting an
            # unparsable section; such a statement was not accepted either.
            errors = [f"parser raised {type(error).__name__}: {error}"]
        else:
            # Lexing and parsing problems are the only violations a parse
            # reports; an unparsable section anywhere in the tree is one.
            errors = [v.desc() for v in parsed.violations]
            if parsed.tree is None and not errors:
                errors = ["no parse tree"]
        results.append({"id": job["id"], "ok": not errors, "error": "; ".join(errors)})
    json.dump(results, sys.stdout)


if __name__ == "__main__":
    main()
