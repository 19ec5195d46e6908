// A synthetic schema of a given number of look-alike tables, for timing the
// generators on schemas far larger than the sample. Every table has twelve
// columns (an int key, four nvarchar(50), two datetime, two bit, a float and
// two int), a primary key, a unique constraint, a two-column index and a
// foreign key to the table before it; a third of the columns carry defaults.
// The library's containers own nothing, so this object keeps every field,
// constraint, seed-data vector and table alive as long as the schema.
#pragma once

#include <memory>
#include <vector>

#include "platform/CComVariant.h"
#include "platform/CString.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schema/VrlTableData.h"

namespace VrlSchemaBench {

class SyntheticSchema {
public:
    static constexpr int kColumnsPerTable = 12;
    static constexpr int kSeedRowsPerTable = 10;

    // `tables` tables named T00001...; with `seedRows`, each table carries
    // kSeedRowsPerTable rows of seed data covering every column. With
    // `changeEvery` n > 0 the schema is a later version (30) in which every
    // n-th table has changed: Name widened to 100, a column Extra added and
    // the column Notes dropped (so its index over Name is recreated too).
    SyntheticSchema(int tables, bool seedRows, int changeEvery = 0);
    SyntheticSchema(const SyntheticSchema&) = delete;
    SyntheticSchema& operator=(const SyntheticSchema&) = delete;
    ~SyntheticSchema();

    const VrlSchemaLib::VrlSchema& GetSchema() const { return *m_schema; }
    const std::vector<std::unique_ptr<VrlSchemaLib::VrlTable>>& Tables() const { return m_tables; }
    bool HasSeedRows() const { return !m_data.empty(); }
    // Every table, field and constraint, for probing each object's existence.
    std::vector<const VrlSchemaLib::VrlSchemaObject*> AllObjects() const;

private:
    std::vector<std::unique_ptr<VrlSchemaLib::VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlConstraint>> m_constraints;
    std::vector<std::unique_ptr<std::vector<CString>>> m_dataColumns;
    std::vector<std::unique_ptr<std::vector<CComVariant>>> m_dataValues;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlTableData>> m_data;
    std::vector<std::unique_ptr<VrlSchemaLib::VrlTable>> m_tables;
    std::unique_ptr<VrlSchemaLib::VrlSchema> m_schema;
};

} // namespace VrlSchemaBench
