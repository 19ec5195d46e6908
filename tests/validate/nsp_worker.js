// Parses statements with node-sql-parser in one process.
// Reads a JSON list of {id, database, sql} from standard input and writes a
// JSON list of {id, ok, error} to standard output.
'use strict';
const path = require('path');

// Each database has its own grammar build; loading only those needed keeps
// start-up short.
const builds = { TransactSQL: 'transactsql', DB2: 'db2' };
const parsers = {};

function parserFor(database) {
  if (!parsers[database]) {
    const build = builds[database];
    if (!build) throw new Error(`no grammar build for ${database}`);
    const file = path.join(__dirname, 'node_modules', 'node-sql-parser', 'build', `${build}.js`);
    parsers[database] = new (require(file).Parser)();
  }
  return parsers[database];
}

let input = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (chunk) => { input += chunk; });
process.stdin.on('end', () => {
  const results = JSON.parse(input).map((job) => {
    try {
      parserFor(job.database).astify(job.sql, { database: job.database });
      return { id: job.id, ok: true, error: '' };
    } catch (e) {
      return { id: job.id, ok: false, error: String(e.message).split('\n')[0].slice(0, 300) };
    }
  });
  process.stdout.write(JSON.stringify(results));
});
