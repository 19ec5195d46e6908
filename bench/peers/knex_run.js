#!/usr/bin/env node
// Knex's side of bench/compare.sh: one schema file in, one SQL Server script
// file out, once per process, as a user would run it.
//
// Reads the schema file, parses it, queues one createTable per table on a
// schema builder (client mssql, no connection), compiles the statements with
// toSQL() and writes them joined by the same batch separator our tool writes
// ("\r\nGO\r\n\r\n"), as UTF-8. With --phases FILE it also writes the CPU time
// of each of those steps as one JSON line; the comparison takes the process's
// CPU time and peak memory from outside.
//
// Knex calls the createTable callbacks only when it compiles, so its "model"
// step is little more than queueing the calls: its columns and constraints
// are built inside its DDL step.
//
// Usage: node knex_run.js SCHEMA.json OUT.sql [--phases FILE]
'use strict';

const fs = require('fs');
const knexPackage = require('knex/package.json');
const knex = require('knex')({ client: 'mssql' });

const SEPARATOR = '\r\nGO\r\n\r\n';

function usage() {
  process.stderr.write('usage: node knex_run.js SCHEMA.json OUT.sql [--phases FILE]\n');
  process.exit(2);
}

function parseArgs(argv) {
  const options = { schema: null, out: null, phases: null };
  for (let i = 0; i < argv.length; ++i) {
    const arg = argv[i];
    if (arg === '--phases' && i + 1 < argv.length) options.phases = argv[++i];
    else if (arg.startsWith('--')) usage();
    else if (!options.schema) options.schema = arg;
    else if (!options.out) options.out = arg;
    else usage();
  }
  if (!options.schema || !options.out) usage();
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

// The process's CPU time so far (user+sys, every thread), in seconds.
function cpuNow() {
  const usage = process.cpuUsage();
  return (usage.user + usage.system) / 1e6;
}

function seconds(from, to) {
  return to - from;
}

function main() {
  const options = parseArgs(process.argv.slice(2));
  const t0 = cpuNow();
  const text = fs.readFileSync(options.schema, 'utf8');
  const t1 = cpuNow();
  const doc = JSON.parse(text);
  const t2 = cpuNow();
  const builder = build(doc);
  const t3 = cpuNow();
  const statements = builder.toSQL().map((s) => s.sql);
  const t4 = cpuNow();
  const script = statements.map((s) => s + SEPARATOR).join('');
  const t5 = cpuNow();
  fs.writeFileSync(options.out, script, 'utf8');
  const t6 = cpuNow();
  if (options.phases) {
    const phases = {
      tool: 'Knex ' + knexPackage.version + ' toSQL()',
      tables: doc.tables.length,
      read_s: seconds(t0, t1),
      parse_s: seconds(t1, t2),
      model_s: seconds(t2, t3),
      ddl_s: seconds(t3, t4),
      join_s: seconds(t4, t5),
      write_s: seconds(t5, t6),
    };
    fs.writeFileSync(options.phases, JSON.stringify(phases) + '\n');
  }
}

main();
