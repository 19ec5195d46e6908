// Whether a database on the test server holds what a schema model says, and
// whether the generator's catalogue probes answer right.
//
// The expected catalogue texts here are PostgreSQL's own renderings (type
// names of information_schema, pg_get_constraintdef, pg_get_indexdef),
// written from the model and not from the generator's statements: a check
// of what the server made of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "PgDatabase.h"
#include "schema/VrlSchema.h"
#include "sqlgen/VrlDbms.h"

namespace VrlSchemaPgTest {

// The objects of a schema, split by whether its creation script makes them.
class ModelObjects {
public:
    ModelObjects(const VrlSchemaLib::VrlSchema& schema, const VrlSchemaLib::VrlDbms& dbms);

    std::vector<const VrlSchemaLib::VrlSchemaObject*> created;
    // Fake fields, binary fields, faked tables, keys of the kinds that are
    // never generated (5, 6, 8), and one made-up object of every kind.
    std::vector<const VrlSchemaLib::VrlSchemaObject*> absent;

private:
    std::vector<std::unique_ptr<CObject>> m_madeUp;
};

// Every mismatch between the created objects and the catalogue: tables,
// columns with type, length, nullability, identity and default, keys and
// indexes with their columns, views and routines.
std::vector<std::string> CheckModel(PgDatabase& db, const VrlSchemaLib::VrlDbms& dbms,
                                    const ModelObjects& objects);

// Runs the probe of each object and reports every wrong answer: present is
// a count of 1 (a primary key: its name), absent a count of 0 (no row).
std::vector<std::string> CheckProbes(PgDatabase& db, const VrlSchemaLib::VrlDbms& dbms,
                                     const std::vector<const VrlSchemaLib::VrlSchemaObject*>& objects,
                                     bool present);

// Seed rows of every table that has any are all in the table.
std::vector<std::string> CheckSeedRows(PgDatabase& db, const VrlSchemaLib::VrlSchema& schema);

std::string Lower(const CString& text);
// information_schema's udt_name of a data type.
std::string UdtName(VrlSchemaLib::VrlDataType type);

} // namespace VrlSchemaPgTest
