#include "SyntheticSchema.h"

#include "platform/COleVariant.h"
#include "platform/PlatformTypes.h"
#include "schema/VrlDataDefinition.h"
#include "schema/VrlEnums.h"
#include "schema/VrlSchemaVersion.h"

using namespace VrlSchemaLib;

namespace VrlSchemaBench {

namespace {

struct ColumnShape {
    const wchar_t* name;
    VrlDataType type;
    LONG length;
    bool hasDefault;
};

// Four of the twelve columns carry a default.
constexpr ColumnShape kColumns[SyntheticSchema::kColumnsPerTable] = {
    {L"ID", dtInteger, 0, false},        {L"Name", dtString, 50, false},
    {L"Title", dtString, 50, true},      {L"Code", dtString, 50, false},
    {L"Notes", dtString, 50, false},     {L"Created", dtDateTime, 0, false},
    {L"Modified", dtDateTime, 0, false}, {L"Active", dtBoolean, 0, true},
    {L"Deleted", dtBoolean, 0, false},   {L"Weight", dtDouble, 0, true},
    {L"ParentID", dtInteger, 0, false},  {L"Rank", dtInteger, 0, true},
};

COleVariant DefaultFor(VrlDataType type) {
    switch (type) {
    case dtString:
        return COleVariant(L"none");
    case dtBoolean:
        return COleVariant(true);
    case dtDouble:
        return COleVariant(1.5);
    default:
        return COleVariant(0);
    }
}

CComVariant SeedValue(VrlDataType type, int table, int row, int column) {
    switch (type) {
    case dtString: {
        CString text;
        text.Format(L"T%d row %d col %d", table, row, column);
        return CComVariant(text);
    }
    case dtDateTime:
        // Days since 1899-12-30 plus a fraction: a date in 2024 with a time.
        return CComVariant(45300.0 + row + 0.25, VT_DATE);
    case dtBoolean:
        return CComVariant((row & 1) != 0);
    case dtDouble:
        return CComVariant(row * 0.5 + table);
    default:
        return CComVariant(row + 1 + column);
    }
}

CString TableName(int index) {
    CString name;
    name.Format(L"T%05d", index);
    return name;
}

} // namespace

SyntheticSchema::SyntheticSchema(int tables, bool seedRows, int changeEvery) {
    const VrlSchemaVersion version = changeEvery > 0 ? VrlSchemaVersion(30) : VrlSchemaVersion();
    m_fields.reserve(static_cast<size_t>(tables) * kColumnsPerTable);
    m_constraints.reserve(static_cast<size_t>(tables) * 4);
    m_tables.reserve(static_cast<size_t>(tables));
    std::vector<CString> columnNames;
    for (const ColumnShape& c : kColumns)
        columnNames.emplace_back(c.name);

    std::vector<VrlTable*> schemaTables;
    schemaTables.reserve(static_cast<size_t>(tables));
    for (int t = 1; t <= tables; ++t) {
        const CString name = TableName(t);
        const bool changed = changeEvery > 0 && t % changeEvery == 0;
        std::vector<VrlField*> fields;
        for (const ColumnShape& c : kColumns) {
            if (changed && CString(c.name) == L"Notes")
                continue;
            const LONG length = changed && CString(c.name) == L"Name" ? 100 : c.length;
            const COleVariant def = c.hasDefault ? DefaultFor(c.type) : COleVariant();
            const VrlNullType nullType =
                c.type == dtInteger && c.name == kColumns[0].name ? ntNotNull : ntNull;
            auto field =
                std::make_unique<VrlField>(c.name, VrlDataDefinition(c.type, length), def, nullType,
                                           CString(), 0, static_cast<VrlPasteAction>(0), version, 0, 0);
            fields.push_back(field.get());
            m_fields.push_back(std::move(field));
        }
        if (changed) {
            fields.push_back(m_fields
                                 .emplace_back(std::make_unique<VrlField>(
                                     L"Extra", VrlDataDefinition(dtInteger, 0), COleVariant(), ntNull,
                                     CString(), 0, static_cast<VrlPasteAction>(0), version, 0, 0))
                                 .get());
        }

        std::vector<VrlConstraint*> constraints;
        auto keep = [&](std::unique_ptr<VrlConstraint> c) {
            constraints.push_back(c.get());
            m_constraints.push_back(std::move(c));
        };
        keep(std::make_unique<VrlConstraint>(L"PK_" + name, ctPrimaryKey, CString(L"ID"), version));
        keep(std::make_unique<VrlConstraint>(L"UQ_" + name, ctUnique, CString(L"Code"), version));
        keep(std::make_unique<VrlConstraint>(L"IX_" + name, ctIndex,
                                             std::vector<CString>{L"Name", L"Created"}, version));
        if (t > 1)
            keep(std::make_unique<VrlConstraint>(L"FK_" + name, ctForeignKey, CString(L"ParentID"),
                                                 TableName(t - 1), CString(L"ID"), odNoAction, ouNoAction,
                                                 clDefault, version));

        const VrlTableData* data = nullptr;
        if (seedRows) {
            auto values = std::make_unique<std::vector<CComVariant>>();
            values->reserve(kSeedRowsPerTable * kColumnsPerTable);
            for (int r = 0; r < kSeedRowsPerTable; ++r) {
                for (int c = 0; c < kColumnsPerTable; ++c)
                    values->push_back(c == 0 ? CComVariant(r + 1) : SeedValue(kColumns[c].type, t, r, c));
            }
            auto* cols =
                m_dataColumns.emplace_back(std::make_unique<std::vector<CString>>(columnNames)).get();
            auto* vals = m_dataValues.emplace_back(std::move(values)).get();
            data = m_data.emplace_back(std::make_unique<VrlTableData>(*cols, *vals)).get();
        }
        auto table =
            std::make_unique<VrlTable>(name, fields, constraints, L"", 0, 0u, data, rtUndefined, version);
        schemaTables.push_back(table.get());
        m_tables.push_back(std::move(table));
    }
    m_schema = std::make_unique<VrlSchema>(version, schemaTables, std::vector<VrlView*>{},
                                           std::vector<VrlProcedure*>{}, std::vector<VrlFunction*>{});
}

SyntheticSchema::~SyntheticSchema() = default;

std::vector<const VrlSchemaObject*> SyntheticSchema::AllObjects() const {
    std::vector<const VrlSchemaObject*> objects;
    objects.reserve(m_tables.size() + m_fields.size() + m_constraints.size());
    for (const auto& table : m_tables) {
        objects.push_back(table.get());
        for (LONG i = 0; i < table->GetFieldCount(); ++i)
            objects.push_back(table->GetField(i));
        for (LONG i = 0; i < table->GetConstraintCount(); ++i)
            objects.push_back(table->GetConstraint(i));
    }
    return objects;
}

} // namespace VrlSchemaBench
