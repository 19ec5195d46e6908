#!/usr/bin/env node
// Knex's side of bench/compare.sh.
//
// Builds one schema builder (client mssql, no connection) with a createTable
// per table of the schema file and writes its DDL offline twice: through
// toSQL(), Knex's list of statements, and through toString(), the one text
// Knex joins from that list. Each run times the JSON text parsed alone, the
// builder built from the parsed document, and each of the two outputs (each
// from a builder of its own); one untimed warm-up run comes first. Prints one
// JSON line of raw timings, as vrlschema_compare does.
//
// Knex calls the createTable callbacks only when it compiles, so its model
// build is little more than queueing the calls: the columns and constraints
// are defined inside its DDL time.
//
// Usage: node knex_run.js SCHEMA.json [--runs N] [--out FILE] [--no-string]
'use strict';

const fs = require('fs');
const path = require('path');
const knexPackage = require('knex/package.json');
const knex = require('knex')({ client: 'mssql' });

function usage() {
  process.stderr.write('usage: node knex_run.js SCHEMA.json [--runs N] [--out FILE] [--no-string]\n');
  process.exit(2);
}

function parseArgs(argv) {
  const options = { schema: null, runs: 7, out: null, string: true };
  for (let i = 0; i < argv.length; ++i) {
    const arg = argv[i];
    if (arg === '--runs' && i + 1 < argv.length) options.runs = Number(argv[++i]);
    else if (arg === '--out' && i + 1 < argv.length) options.out = argv[++i];
    else if (arg === '--no-string') options.string = false;
    else if (!options.schema && !arg.startsWith('--')) options.schema = arg;
    else usage();
  }
  if (!options.schema || !(options.runs >= 1)) usage();
  return options;
}

function addColumn(t, field) {
  let column;
  switch (field.type) {
    case 'dtInteger':
      column = t.integer(field.name);
      break;
    case 'dtString':
      column = t.string(field.name, field.length); // nvarchar in mssql
      break;
    case 'dtDateTime':
      // Knex's own datetime is datetime2 in mssql; the schema asks for datetime.
      column = t.specificType(field.name, 'datetime');
      break;
    case 'dtBoolean':
      column = t.boolean(field.name);
      break;
    case 'dtDouble':
      column = t.float(field.name);
      break;
    default:
      throw new Error('no Knex column type for ' + field.type);
  }
  column = field.notNull ? column.notNullable() : column.nullable();
  if (field.default !== undefined) column.defaultTo(field.default);
}

function addConstraint(t, c) {
  switch (c.type) {
    case 'ctPrimaryKey':
      t.primary(c.fields, { constraintName: c.name });
      break;
    case 'ctUnique':
      // A unique constraint, as the schema says, not Knex's default filtered
      // unique index.
      t.unique(c.fields, { indexName: c.name, useConstraint: true });
      break;
    case 'ctIndex':
      t.index(c.fields, c.name);
      break;
    case 'ctForeignKey':
      t.foreign(c.fields, c.name).references(c.refFields).inTable(c.refTable);
      break;
    default:
      throw new Error('no Knex construct for ' + c.type);
  }
}

function build(doc) {
  const builder = knex.schema;
  for (const table of doc.tables) {
    builder.createTable(table.name, (t) => {
      for (const field of table.fields) addColumn(t, field);
      for (const c of table.constraints || []) addConstraint(t, c);
    });
  }
  return builder;
}

function seconds(from, to) {
  return Number(to - from) / 1e9;
}

function main() {
  const options = parseArgs(process.argv.slice(2));
  const text = fs.readFileSync(options.schema, 'utf8');
  const parseS = [];
  const buildS = [];
  const ddlS = [];
  const stringS = [];
  let statements = [];
  let whole = '';
  let tables = 0;
  for (let run = 0; run <= options.runs; ++run) {
    const t0 = process.hrtime.bigint();
    const doc = JSON.parse(text);
    const t1 = process.hrtime.bigint();
    const builder = build(doc);
    const t2 = process.hrtime.bigint();
    statements = builder.toSQL().map((s) => s.sql);
    const t3 = process.hrtime.bigint();
    let t4 = t3;
    let t5 = t3;
    if (options.string) {
      const other = build(doc);
      t4 = process.hrtime.bigint();
      whole = other.toString();
      t5 = process.hrtime.bigint();
    }
    tables = doc.tables.length;
    if (run === 0) continue; // warm-up
    parseS.push(seconds(t0, t1));
    buildS.push(seconds(t1, t2));
    ddlS.push(seconds(t2, t3));
    if (options.string) stringS.push(seconds(t4, t5));
  }
  if (options.out) fs.writeFileSync(options.out, JSON.stringify(statements) + '\n');
  const result = {
    tool: 'Knex ' + knexPackage.version,
    tables,
    parse_s: parseS,
    build_s: buildS,
    ddl_s: ddlS,
    bytes: statements.reduce((n, s) => n + Buffer.byteLength(s, 'utf8'), 0),
    statements: statements.length,
  };
  if (options.string) {
    result.string_s = stringS;
    result.string_bytes = Buffer.byteLength(whole, 'utf8');
  }
  process.stdout.write(JSON.stringify(result) + '\n');
}

main();
