#!/usr/bin/env python3
"""Reads the generated scripts of every dialect with parsers written by others.

No database server of any target runs here, so the only independent check of
the generated syntax is a third-party parser: sqlfluff (Debian package) for
T-SQL, Oracle and DB2, and node-sql-parser (npm, pinned in package.json) for
T-SQL and DB2 where sqlfluff's grammar is thinner. A statement counts as
accepted when one of its dialect's parsers reads it without error. A rejected
statement must match a reviewed line of parser-gaps.txt (a construct the
parser lacks although the vendor's SQL has it) or of prescribed.txt (text that
is not valid SQL but is exactly what the generator's templates write); anything
else fails the check, and so does a reviewed line that matches nothing.

Access (Jet) has no parser of its own anywhere; its DDL is the SQL Server text
with bracketed names and Jet literals, so it is read with sqlfluff's T-SQL
grammar, and Jet's own literals (#date#, "" and YES/NO) are listed as gaps.

With --tool and --upgrade-versions it also reads the upgrade scripts the
tool writes between every two of the given versions of the sample, both
ways, for every dialect. A guarded step is read whole, and so are its
probe and the statement it runs (unquoted from the dynamic SQL), so that the
generator's text is parsed even where the guard is a procedural block.

Usage: validate.py [--golden DIR] [--gaps FILE] [--prescribed FILE] [--no-install]
                   [--results FILE] [--unused-ok] [--verbose]
                   [--tool PROGRAM --upgrade-versions V V ...]
"""

import argparse
import concurrent.futures
import json
import os
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass, field

HERE = os.path.dirname(os.path.abspath(__file__))

# The batch separator that the generator writes between statements.
SEPARATORS = {
    "sqlserver": "\r\nGO\r\n\r\n",
    "oracle": "\r\n/\r\n\r\n",
    "db2": ";\r\n\r\n",
    "access": "\r\nGO\r\n\r\n",
}
SCRIPT_KINDS = ("script", "seed", "publish")

# Parsers per dialect: (engine, grammar). node-sql-parser's TransactSQL
# grammar is not used: it accepts columns without a data type and procedure
# parameters typed "int IDENTITY (1, 1)", faults that sqlfluff rejects. Its
# DB2 grammar is stricter and reads the foreign keys sqlfluff's db2 lacks.
PARSERS = {
    "sqlserver": [("sqlfluff", "tsql")],
    "oracle": [("sqlfluff", "oracle")],
    "db2": [("sqlfluff", "db2"), ("nsp", "DB2")],
    "access": [("sqlfluff", "tsql")],
}

# Statements every parser of the dialect must reject; if one is accepted the
# parser cannot tell good text from bad and the whole check means nothing.
BROKEN = {
    "sqlserver": [
        # A trailing comma in a column list is T-SQL, so the fault here is a
        # missing comma between two columns.
        "CREATE TABLE dbo.Broken(\nID int Not Null DEFAULT (NULL)\r\nName nvarchar(64)  DEFAULT (''))",
        "ALTER TABLE Broken ADD CONSTRAINT PK_Broken PRIMARY KEY KEY CLUSTERED (ID)",
        "INSERT INTO Broken(ID, Name) VALUES (1, 'a'",
        "CREATE TABLE dbo.Broken(\nID int Not Null DEFAULT (NULL),\r\nElapsed   DEFAULT (NULL))",
        "CREATE PROCEDURE prcBrokenBuf \n\t@myID int IDENTITY(0,1) \nAS \n\tSELECT TOP 50 * \n\t\tFROM Broken",
    ],
    "oracle": [
        "CREATE TABLE Broken(\nID NUMBER(10)  Not Null,\r\nName NVARCHAR2(64) DEFAULT N'',\r\n)",
        "CREATE INDEX IX_Broken ON Broken(ID,,Name)",
        "INSERT INTO Broken(ID, Name) VALUES (1, N'a'",
        "CREATE TABLE Broken(\nID NUMBER(10)  Not Null,\r\nElapsed,\r\nName NVARCHAR2(64))",
    ],
    "db2": [
        "CREATE TABLE Broken(\nID int Not Null,\r\nName VARGRAPHIC(64)  DEFAULT '',\r\n)",
        "ALTER TABLE Broken ADD CONSTRAINT PK_Broken PRIMARY KEY KEY (ID)",
        "INSERT INTO Broken(ID, Name) VALUES (1, 'a'",
        "CREATE TABLE Broken(\nID int Not Null,\r\nElapsed,\r\nName VARGRAPHIC(64))",
    ],
    "access": [
        "CREATE TABLE Broken(\n[ID] int Not Null\r\n[Name] nvarchar(64)  DEFAULT 'a')",
        "ALTER TABLE Broken ADD CONSTRAINT PK_Broken PRIMARY KEY KEY CLUSTERED ([ID])",
        "INSERT INTO Broken([ID], [Name]) VALUES (1, 'a'",
        "CREATE TABLE Broken(\n[ID] int Not Null,\r\n[CompiledAt],\r\n[Name] nvarchar(64))",
        "CREATE PROCEDURE prcBrokenBuf \n\t@myID int IDENTITY (1, 1) \nAS \n\tSELECT TOP 50 * \n\t\tFROM Broken",
    ],
}

# T-SQL statements longer than this many lines (the publish procedure) are
# read in pieces: sqlfluff's time grows faster than linearly with the length
# of one statement (minutes for the thousand-line procedure). Oracle and DB2
# routines are read whole, and their DML statements once more on their own,
# since sqlfluff has no PL/SQL or SQL PL to check the rest.
LONG_STATEMENT_LINES = 150


@dataclass
class Unit:
    """One text handed to the parsers: a statement or a piece of one."""

    key: str
    dialect: str
    text: str
    parsers: list
    results: dict = field(default_factory=dict)
    gaps: list = field(default_factory=list)
    retry: object = None

    def prescribed(self):
        return any(g.prescribed for g in self.gaps)

    def accepted_by(self):
        return [name for name, (ok, _) in self.results.items() if ok]


@dataclass
class Statement:
    dialect: str
    origin: str
    text: str
    units: list = field(default_factory=list)
    outcome: str = ""
    detail: str = ""
    upgrade: bool = False


@dataclass
class Gap:
    """A reviewed line of parser-gaps.txt or prescribed.txt."""

    source: str
    line_no: int
    dialect: str
    pattern: re.Pattern
    rewrite: object
    reason: str
    used: int = 0

    @property
    def prescribed(self):
        return self.source == "prescribed.txt"

    def where(self):
        return f"{self.source} line {self.line_no}"


class SetupError(Exception):
    pass


# ---------------------------------------------------------------- install ---


def run_quiet(command, **kwargs):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kwargs)


def apt_install(package):
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    if sudo and not shutil.which("sudo"):
        raise SetupError(f"{package} is missing and there is no sudo to install it")
    print(f"Installing the Debian package {package}")
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    for command in (sudo + ["apt-get", "update", "-qq"], sudo + ["apt-get", "install", "-y", "-qq", package]):
        done = run_quiet(command, env=env)
        if done.returncode != 0:
            raise SetupError(f"'{' '.join(command)}' failed:\n{done.stdout[-2000:]}")


def python_with_sqlfluff():
    """The interpreter that can import sqlfluff: Debian's package installs it
    for the system Python, which need not be the python3 found first."""
    candidates = [sys.executable]
    program = shutil.which("sqlfluff")
    if program:
        with open(program, "rb") as handle:
            first = handle.readline().decode(errors="replace").strip()
        if first.startswith("#!"):
            candidates.append(first[2:].split()[0])
    candidates.append("/usr/bin/python3")
    for candidate in candidates:
        if os.path.exists(candidate) and run_quiet([candidate, "-c", "import sqlfluff"]).returncode == 0:
            return candidate
    return None


def ensure_parsers(install):
    python = python_with_sqlfluff()
    if python is None and install:
        apt_install("sqlfluff")
        python = python_with_sqlfluff()
    if python is None:
        raise SetupError("sqlfluff is not installed (Debian package 'sqlfluff')")

    node = shutil.which("node") or shutil.which("nodejs")
    module = os.path.join(HERE, "node_modules", "node-sql-parser", "package.json")
    if install and (node is None or not shutil.which("npm")):
        apt_install("npm")
        node = shutil.which("node") or shutil.which("nodejs")
    if node is None:
        raise SetupError("node is not installed (Debian package 'nodejs')")
    if not os.path.exists(module) and install:
        print("Installing node-sql-parser with npm ci")
        done = run_quiet(["npm", "ci", "--no-audit", "--no-fund"], cwd=HERE)
        if done.returncode != 0:
            raise SetupError(f"'npm ci' in {HERE} failed:\n{done.stdout[-2000:]}")
    if not os.path.exists(module):
        raise SetupError(f"node-sql-parser is not installed (run 'npm ci' in {HERE})")
    return python, node


# ------------------------------------------------------------- splitting ---


def split_script(text, separator):
    """Statements of one script: the separator follows every statement."""
    return [part for part in text.split(separator) if part.strip()]


_SUBROUTINE = re.compile(r"<SUBROUTINE>(.*?)</SUBROUTINE>", re.S)


def take_out_subroutines(text):
    """DB2's publish text carries its sub-procedures between <SUBROUTINE> and
    </SUBROUTINE>; they are cut out and created as procedures of their own
    before the main procedure, so each is a statement here too."""
    subroutines = _SUBROUTINE.findall(text)
    return _SUBROUTINE.sub("", text), subroutines


# Words of T-SQL that open and close a block of statements.
_TSQL_TOKEN = re.compile(r"'(?:[^']|'')*'|--[^\n]*|/\*.*?\*/|\[[^\]]*\]|\w+|\n[ \t]*|.", re.S)


def split_tsql_routine(text):
    """Cuts a long T-SQL routine into pieces that each parse on their own:
    the header with the first body statement, then one piece per statement
    that begins a line at the body's outer indentation outside any
    BEGIN ... END or CASE ... END. An IF keeps its BEGIN block and ELSE."""
    match = re.search(r"\n\s*AS\s*\n([ \t]*)", text)
    if not match:
        return [text]
    indent = match.group(1)
    cuts = []
    depth = 0
    tokens = list(_TSQL_TOKEN.finditer(text, match.end()))
    for index, token in enumerate(tokens):
        word = token.group(0).upper()
        if word.startswith("\n"):
            following = tokens[index + 1].group(0).upper() if index + 1 < len(tokens) else ""
            if (depth == 0 and token.group(0)[1:] == indent and re.match(r"[A-Z]", following)
                    and following not in ("BEGIN", "ELSE", "END")):
                cuts.append(token.start() + 1)
        elif word == "BEGIN":
            following = next((t.group(0).upper() for t in tokens[index + 1:] if t.group(0).strip()), "")
            if following not in ("TRAN", "TRANSACTION"):
                depth += 1
        elif word == "CASE":
            depth += 1
        elif word == "END":
            depth = max(0, depth - 1)
    # The first cut would leave the header alone; the header needs a body.
    cuts = [c for c in cuts if c > match.end()]
    bounds = [0] + cuts + [len(text)]
    return [text[a:b] for a, b in zip(bounds, bounds[1:]) if text[a:b].strip()]


_ROUTINE = re.compile(r"\s*CREATE\s+(?:OR\s+REPLACE\s+)?(?:FUNCTION|PROCEDURE)\b", re.I)
_DML = re.compile(r"^[ \t]*(INSERT\s+INTO|UPDATE|DELETE\s+FROM)\b", re.M | re.I)


def embedded_dml(text):
    """The INSERT, UPDATE and DELETE statements inside a PL/SQL or SQL PL
    routine, each up to its semicolon. These carry the schema-dependent part
    of the publish procedures; the procedural frame around them is fixed."""
    pieces = []
    for match in _DML.finditer(text):
        end = match.start()
        in_string = False
        for position in range(match.start(), len(text)):
            char = text[position]
            if char == "'":
                in_string = not in_string
            elif char == ";" and not in_string:
                end = position
                break
        else:
            end = len(text)
        pieces.append(text[match.start():end].strip())
    return pieces


# Dynamic SQL of the upgrade guards and of the generator's own blocks:
# EXEC sp_executesql N'...' of T-SQL and EXECUTE IMMEDIATE '...' of PL/SQL
# and SQL PL.
_DYNAMIC = re.compile(r"(?:\bEXEC sp_executesql N|\bEXECUTE IMMEDIATE )'((?:[^']|'')*)'")
_COUNT_INTO = re.compile(r"\tSELECT COUNT\(\*\) INTO nCount (FROM [^;]*);")


def without_comments(text):
    """The statement without the comment lines in front of it (the script
    header, the marks of destructive steps)."""
    lines = text.replace("\r\n", "\n").split("\n")
    while lines and (lines[0].startswith("--") or not lines[0].strip()):
        lines.pop(0)
    return "\n".join(lines)


def upgrade_parts(text):
    """The texts inside one upgrade statement that are SQL of their own:
    the probe of a PL/SQL or SQL PL guard, and every dynamic statement,
    unquoted, and the dynamic statements inside those."""
    parts = [f"SELECT COUNT(*) {m.group(1)}" for m in _COUNT_INTO.finditer(text)]
    pending = [text]
    while pending:
        for match in _DYNAMIC.finditer(pending.pop()):
            inner = match.group(1).replace("''", "'")
            parts.append(inner)
            pending.append(inner)
    return parts


def upgrade_statements(tool, versions):
    statements = []
    pairs = [(a, b) for a in versions for b in versions if a != b]
    for dialect, separator in SEPARATORS.items():
        for older, newer in pairs:
            command = [tool, "upgrade", "--from", older, "--to", newer, "--dialect", dialect, "--allow-data-loss"]
            done = subprocess.run(command, capture_output=True)
            if done.returncode != 0:
                raise SetupError(f"'{' '.join(command)}' failed:\n{done.stderr.decode(errors='replace')[-2000:]}")
            text = done.stdout.decode("utf-8")
            for number, part in enumerate(split_script(text, separator), 1):
                statement = Statement(dialect, f"upgrade {dialect} {older}->{newer} #{number}", without_comments(part))
                statement.upgrade = True
                statements.append(statement)
    return statements


def build_statements(golden_dir, tool=None, versions=()):
    statements = []
    for dialect, separator in SEPARATORS.items():
        for kind in SCRIPT_KINDS:
            path = os.path.join(golden_dir, f"{dialect}-{kind}.sql")
            if not os.path.exists(path):
                raise SetupError(f"missing generated script {path}")
            with open(path, "rb") as handle:
                text = handle.read().decode("utf-8")
            for number, part in enumerate(split_script(text, separator), 1):
                origin = f"{dialect}-{kind}.sql #{number}"
                part, subroutines = take_out_subroutines(part)
                statements += [Statement(dialect, f"{origin} subroutine {i}", sub)
                               for i, sub in enumerate(subroutines, 1)]
                statements.append(Statement(dialect, origin, part))
    if tool:
        statements += upgrade_statements(tool, versions)
    for statement in statements:
        parsers = PARSERS[statement.dialect]
        key = statement.origin
        long_text = statement.text.count("\n") > LONG_STATEMENT_LINES
        if long_text and statement.dialect in ("sqlserver", "access"):
            # The pieces together are the whole text.
            pieces = split_tsql_routine(statement.text)
            statement.units = [Unit(f"{key} piece {i}", statement.dialect, p, parsers)
                               for i, p in enumerate(pieces, 1)]
        else:
            statement.units = [Unit(key, statement.dialect, statement.text, parsers)]
            texts = [statement.text]
            if statement.upgrade:
                parts = upgrade_parts(statement.text)
                statement.units += [Unit(f"{key} part {i}", statement.dialect, p, parsers)
                                    for i, p in enumerate(parts, 1)]
                texts += parts
            for n, text in enumerate(texts):
                if _ROUTINE.match(text):
                    statement.units += [Unit(f"{key} {n} dml {i}", statement.dialect, p, parsers)
                                        for i, p in enumerate(embedded_dml(text), 1)]
    return statements


# --------------------------------------------------------------- parsing ---


def run_worker(command, jobs):
    done = subprocess.run(command, input=json.dumps(jobs), capture_output=True, text=True)
    if done.returncode != 0:
        raise SetupError(f"parser process {' '.join(command)} failed:\n{done.stderr[-3000:]}")
    return json.loads(done.stdout)


def parse_units(units, python, node, workers):
    """Runs every unit through each of its parsers. sqlfluff jobs are shared
    out over a few processes (longest first) since a single long statement
    can take a minute; node-sql-parser is fast and gets one process."""
    by_id = {}
    fluff_jobs, nsp_jobs = [], []
    # The upgrade scripts between many pairs of versions repeat their
    # statements: each text is parsed once and its results shared.
    twins = {}
    for unit in units:
        twins.setdefault((unit.dialect, unit.text), []).append(unit)
    for unit in [group[0] for group in twins.values()]:
        for engine, grammar in unit.parsers:
            job_id = len(by_id)
            by_id[job_id] = (unit, f"{engine}:{grammar}")
            if engine == "sqlfluff":
                fluff_jobs.append({"id": job_id, "dialect": grammar, "sql": unit.text})
            else:
                nsp_jobs.append({"id": job_id, "database": grammar, "sql": unit.text})

    buckets = [[] for _ in range(max(1, min(workers, len(fluff_jobs))))]
    loads = [0.0] * len(buckets)
    for job in sorted(fluff_jobs, key=lambda j: -len(j["sql"])):
        target = loads.index(min(loads))
        buckets[target].append(job)
        loads[target] += len(job["sql"]) ** 1.5
    fluff = [python, os.path.join(HERE, "sqlfluff_worker.py")]
    nsp = [node, os.path.join(HERE, "nsp_worker.js")]
    with concurrent.futures.ThreadPoolExecutor(len(buckets) + 1) as pool:
        futures = [pool.submit(run_worker, fluff, bucket) for bucket in buckets if bucket]
        if nsp_jobs:
            futures.append(pool.submit(run_worker, nsp, nsp_jobs))
        for future in futures:
            for result in future.result():
                unit, name = by_id[result["id"]]
                for twin in twins[(unit.dialect, unit.text)]:
                    twin.results[name] = (result["ok"], result["error"])


# ------------------------------------------------------------------ gaps ---


def load_gaps(path, source):
    """The lines of one reviewed list. In prescribed.txt a line without
    rewrite must match a whole statement (^...$): a prescribed text only
    escapes the parsers when nothing else in the statement is left unread."""
    gaps = []
    with open(path, encoding="utf-8") as handle:
        for line_no, line in enumerate(handle, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = [f.strip() for f in line.split(" | ", 3)]
            if len(fields) != 4 or fields[0] not in SEPARATORS or not fields[3]:
                raise SetupError(f"{path}:{line_no}: expected 'dialect | pattern | rewrite | reason'")
            try:
                pattern = re.compile(fields[1], re.S)
            except re.error as error:
                raise SetupError(f"{path}:{line_no}: bad pattern: {error}") from error
            rewrite = None if fields[2] == "-" else ("" if fields[2] == '""' else fields[2])
            if (source == "prescribed.txt" and rewrite is None
                    and not (fields[1].startswith("^") and fields[1].endswith("$"))):
                raise SetupError(f"{path}:{line_no}: a line without rewrite must be anchored with ^ and $")
            gaps.append(Gap(source, line_no, fields[0], pattern, rewrite, fields[3]))
    return gaps


def rewrite_rejected(units, prescribed, gaps):
    """For each rejected unit, the lines whose pattern it matches. A line
    with a rewrite turns the construct into one the parser knows, and the
    rewritten text must then be accepted: so a line cannot hide a second,
    unlisted fault in the same statement. A line without rewrite (a whole
    procedural language the parser lacks, or a fixed template spelled out)
    is taken on its pattern alone. Prescribed texts are repaired first, so
    that the parser gaps are looked for in what valid SQL would be."""
    retries = []
    for unit in units:
        if unit.accepted_by():
            continue
        text = unit.text
        matching = [g for g in prescribed if g.dialect == unit.dialect and g.pattern.search(text)]
        for line in matching:
            if line.rewrite is not None:
                text = line.pattern.sub(line.rewrite, text)
        matching += [g for g in gaps if g.dialect == unit.dialect and g.pattern.search(text)]
        unit.gaps = matching
        for line in matching:
            line.used += 1
        if not matching or any(g.rewrite is None for g in matching):
            continue
        for gap in matching:
            if not gap.prescribed:
                text = gap.pattern.sub(gap.rewrite, text)
        unit.retry = Unit(unit.key + " rewritten", unit.dialect, text, unit.parsers)
        retries.append(unit.retry)
    return retries


def classify(statements):
    for statement in statements:
        unmatched = []
        matched = ""
        for unit in statement.units:
            if unit.accepted_by():
                continue
            if unit.gaps and (unit.retry is None or unit.retry.accepted_by()):
                matched = "prescribed" if unit.prescribed() or matched == "prescribed" else "gap"
            else:
                unmatched.append(unit)
        statement.outcome = "failed" if unmatched else matched or "accepted"
        statement.detail = "\n".join(describe(u) for u in unmatched)


def describe(unit):
    lines = [f"  {unit.key}:"]
    shown = unit.retry or unit
    if unit.retry:
        lines.append("    rewritten by " + ", ".join(g.where() for g in unit.gaps) + ", still rejected")
    lines += [f"    {name}: {error[:400]}" for name, (_, error) in shown.results.items()]
    lines.append("    text: " + shown.text[:800].replace("\r", "").replace("\n", "\n          "))
    return "\n".join(lines)


# ------------------------------------------------------------------ main ---


def save_results(path, units):
    with open(path, "w", encoding="utf-8") as handle:
        json.dump([[u.key, u.text, u.results] for u in units], handle)


def load_results(path, units):
    """Restores the saved results of every unit whose text is unchanged;
    returns the units still to parse."""
    if not os.path.exists(path):
        return units
    with open(path, encoding="utf-8") as handle:
        saved = {(text, tuple(sorted(results))): results for _, text, results in json.load(handle)}
    missing = []
    for unit in units:
        results = saved.get((unit.text, tuple(sorted(f"{e}:{g}" for e, g in unit.parsers))))
        if results is None:
            missing.append(unit)
        else:
            unit.results = {name: tuple(value) for name, value in results.items()}
    print(f"Reusing the parser results in {path} for {len(units) - len(missing)} of {len(units)} texts")
    return missing


def self_check(python, node, workers):
    units = [Unit(f"{dialect} broken #{i}", dialect, text, PARSERS[dialect])
             for dialect, texts in BROKEN.items() for i, text in enumerate(texts, 1)]
    parse_units(units, python, node, workers)
    wrong = [(unit, name) for unit in units for name in unit.accepted_by()]
    for unit, name in wrong:
        print(f"SELF-CHECK FAILED: {name} accepted the broken statement {unit.key}:\n  {unit.text!r}")
    print(f"Self-check: {len(units)} broken statements, {len(units) - len({u.key for u, _ in wrong})} rejected by every parser")
    return not wrong


def main():
    options = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    options.add_argument("--golden", default=os.path.join(HERE, "..", "golden"), help="folder of <dialect>-<kind>.sql")
    options.add_argument("--gaps", default=os.path.join(HERE, "parser-gaps.txt"))
    options.add_argument("--prescribed", default=os.path.join(HERE, "prescribed.txt"))
    options.add_argument("--unused-ok", action="store_true", help="only warn about reviewed lines that"
                         " match nothing (for scripts other than the sample's)")
    options.add_argument("--no-install", action="store_true", help="only use parsers already installed")
    options.add_argument("--workers", type=int, default=max(2, min(4, os.cpu_count() or 2)))
    options.add_argument("--verbose", action="store_true", help="list every gap match")
    options.add_argument("--tool", help="the vrlschema program, to write the upgrade scripts")
    options.add_argument("--upgrade-versions", nargs="*", default=[], help="versions of the sample between"
                         " which the upgrade scripts are read")
    options.add_argument("--results", help="keep parser results in this file and reuse them while the"
                         " statements are unchanged (for editing parser-gaps.txt)")
    args = options.parse_args()

    started = time.monotonic()
    try:
        python, node = ensure_parsers(not args.no_install)
        gaps = load_gaps(args.gaps, "parser-gaps.txt")
        prescribed = load_gaps(args.prescribed, "prescribed.txt")
        statements = build_statements(args.golden, args.tool, args.upgrade_versions)
        if not self_check(python, node, args.workers):
            return 1
        units = [unit for statement in statements for unit in statement.units]
        missing = load_results(args.results, units) if args.results else units
        if missing:
            parse_units(missing, python, node, args.workers)
            if args.results:
                save_results(args.results, units)
        retries = rewrite_rejected(units, prescribed, gaps)
        if retries:
            parse_units(retries, python, node, args.workers)
    except SetupError as error:
        print(f"ERROR: the parser check cannot run: {error}", file=sys.stderr)
        return 2
    classify(statements)

    failed = [s for s in statements if s.outcome == "failed"]
    for statement in failed:
        print(f"FAILED {statement.origin}\n{statement.detail}")
    if args.verbose:
        for statement in statements:
            if statement.outcome == "gap":
                print(f"gap    {statement.origin}")
    # The scripts and the parsers are fixed, so a reviewed line that matches
    # nothing means the output or a parser changed: it fails the check, since
    # a line nobody re-reads could later excuse a new fault of the same shape.
    # Runs on other scripts (--golden) may pass --unused-ok.
    unused = [line for line in gaps + prescribed if not line.used]
    for line in unused:
        print(f"{'warning' if args.unused_ok else 'UNUSED'}: {line.where()} matched nothing"
              " (output changed or parser improved?): remove or fix it")

    print(f"{'dialect':<10} {'checked':>7} {'accepted':>8} {'gaps':>5} {'prescribed':>10} {'failed':>6}"
          "  accepted share")
    groups = [(d, d, False) for d in SEPARATORS] + [(d, f"{d} upg", True) for d in SEPARATORS]
    for dialect, label, upgrade in groups:
        mine = [s for s in statements if s.dialect == dialect and s.upgrade == upgrade]
        if upgrade and not mine:
            continue
        counts = {k: sum(1 for s in mine if s.outcome == k) for k in ("accepted", "gap", "prescribed", "failed")}
        share = 100.0 * counts["accepted"] / len(mine) if mine else 0.0
        print(f"{label:<10} {len(mine):>7} {counts['accepted']:>8} {counts['gap']:>5} {counts['prescribed']:>10}"
              f" {counts['failed']:>6}  {share:5.1f}%")
        for statement in mine:
            if statement.outcome == "prescribed":
                lines = sorted({g.where() for u in statement.units for g in u.gaps if g.prescribed})
                first = statement.text.replace("\r", "").lstrip().split("\n")[0].strip()
                print(f"    prescribed {statement.origin} ({', '.join(lines)}): {first[:120]}")
    # A guard of PL/SQL or SQL PL is a gap as a whole; what it runs is read.
    parts = [u for s in statements if s.upgrade for u in s.units if " part " in u.key]
    if parts:
        print(f"upgrade steps: {len(parts)} probes and guarded statements read on their own, "
              f"{sum(1 for u in parts if u.accepted_by())} accepted by a parser, the others gaps")
    pieces = sum(len(s.units) - 1 for s in statements if len(s.units) > 1)
    print(f"({pieces} pieces of routines parsed besides the statements; {time.monotonic() - started:.0f} s)")
    stale = len(unused) if not args.unused_ok else 0
    print(f"validate: {len(statements) - len(failed)} statements passed the parsers, {len(failed)} failed"
          + (f", {stale} reviewed lines unused" if stale else ""))
    return 1 if failed or stale else 0


if __name__ == "__main__":
    sys.exit(main())
