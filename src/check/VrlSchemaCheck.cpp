#include "VrlSchemaCheck.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "../dialects/VrlDbmsAccess.h"
#include "../dialects/VrlDbmsDB2.h"
#include "../dialects/VrlDbmsOracle.h"
#include "../dialects/VrlDbmsPostgres.h"
#include "../dialects/VrlDbmsSqlServer.h"
#include "../schema/CSchemaObjectCollection.h"
#include "../schema/FlatNameMap.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTableData.h"
#include "../schemafile/SchemaFileRecord.h"
#include "../support/VrlConversions.h"
#include "VrlCheckReport.h"
#include "VrlNameRules.h"
#include "VrlValueRules.h"

namespace VrlSchemaLib {

namespace {

using Kind = VrlNameRules::Kind;

std::unique_ptr<VrlDbms> MakeGenerator(const VrlSchema* schema, const VrlCheckOptions& options) {
    switch (options.target) {
    case Dialect::SqlServer:
        return std::make_unique<VrlDbmsSqlServer>(schema, options.unicodeLiterals, L"");
    case Dialect::Oracle:
        return std::make_unique<VrlDbmsOracle>(schema, L"");
    case Dialect::DB2:
        return std::make_unique<VrlDbmsDB2>(schema, L"");
    case Dialect::Access:
        return std::make_unique<VrlDbmsAccess>(schema, L"");
    case Dialect::Postgres:
        return std::make_unique<VrlDbmsPostgres>(schema, L"");
    }
    return nullptr;
}

CString Number(long value) {
    CString text;
    text.Format(L"%ld", value);
    return text;
}

bool IsForeignKey(VrlConstraintType type) {
    return type == ctForeignKey || type == ctForeignKey7;
}

bool IsIndex(VrlConstraintType type) {
    return type == ctIndex || type == ctIndex6;
}

// The first object that took a name, for the clashes across kinds and
// across tables. Keys are views of names the model (or `m_oWritten`) keeps.
template <class Value>
using NameMap = FlatNameMap<Value, CSchemaObjectCollection::FoldedHash, CSchemaObjectCollection::FoldedEqual>;

// A constraint by its table's place: all the constraint's own place needs.
struct ConstraintRef {
    const VrlCheckPlace* table;
    const VrlConstraint* constraint;
};

VrlCheckPlace ConstraintPlace(const VrlCheckPlace& table, const VrlConstraint& constraint) {
    return {&table, L"constraints", &constraint.GetNameRef(), -1, &constraint};
}

class Checker {
public:
    Checker(const VrlSchema& schema, const VrlCheckOptions& options)
        : m_oSchema(schema), m_oOptions(options), m_pGenerator(MakeGenerator(&schema, options)),
          m_oReport(options.record), m_oNames(options.target, *m_pGenerator),
          m_oValues(options.target, *m_pGenerator, options.unicodeLiterals),
          m_bAnsi(options.target == Dialect::Oracle || options.target == Dialect::DB2) {
        for (int type = dtInteger; type <= dtInterval; ++type)
            m_aTypeText[type] = m_pGenerator->ConverToSqlDataType(static_cast<VrlDataType>(type), 0);
        m_bAutoIncrementIsPlain = m_aTypeText[dtAutoIncrement] == m_aTypeText[dtInteger];
        const size_t tables = static_cast<size_t>(schema.GetTableCount());
        m_oObjectNames.reserve(tables +
                               static_cast<size_t>(schema.GetViewCount() + schema.GetProcedureCount() +
                                                   schema.GetFunctionCount()));
        m_oConstraintNames.reserve(NamesOfConstraints());
    }

    std::vector<VrlCheckFinding> Run() {
        for (LONG i = 0; i < m_oSchema.GetTableCount(); ++i)
            Table(*m_oSchema.GetTable(i));
        for (LONG i = 0; i < m_oSchema.GetViewCount(); ++i)
            View(*m_oSchema.GetView(i));
        for (LONG i = 0; i < m_oSchema.GetProcedureCount(); ++i)
            Routine(*m_oSchema.GetProcedure(i), Kind::Procedure, L"procedures");
        for (LONG i = 0; i < m_oSchema.GetFunctionCount(); ++i)
            Routine(*m_oSchema.GetFunction(i), Kind::Function, L"functions");
        if (m_oOptions.record != nullptr)
            Notes(*m_oOptions.record);
        return m_oReport.TakeFindings();
    }

private:
    // Tables, views and routines share one name space on every target. The
    // places of tables, views and routines live as long as the check: they
    // are kept in m_oTopPlaces.
    void SchemaName(const VrlSchemaObject& object, const VrlCheckPlace& place) {
        const auto [it, added] = m_oObjectNames.try_emplace(object.GetNameRef().View(), &place);
        if (!added) {
            m_oReport.Error("duplicate-name", place,
                            L"the name " + VrlCheckReport::Quoted(object.GetNameRef()) + L" is taken by " +
                                (*it)->ObjectPath() +
                                L"; tables, views and routines need names of their own");
        }
    }

    const VrlCheckPlace& TopPlace(const wchar_t* folder, const VrlSchemaObject& object) {
        VrlCheckPlace& place = m_oTopPlaces.emplace_back();
        place.folder = folder;
        place.name = &object.GetNameRef();
        place.object = &object;
        return place;
    }

    void Table(const VrlTable& table) {
        if (table.IsDropped())
            return;
        const VrlCheckPlace& place = TopPlace(L"tables", table);
        m_oNames.Check(m_oReport, Kind::Table, table.GetNameRef(), place);
        SchemaName(table, place);
        for (LONG i = 0; i < table.GetFieldCount(); ++i)
            Field(*table.GetField(i), place);
        const VrlConstraint* primaryKey = nullptr;
        for (LONG i = 0; i < table.GetConstraintCount(); ++i) {
            const VrlConstraint& constraint = *table.GetConstraint(i);
            if (constraint.IsDropped())
                continue;
            const VrlCheckPlace at = ConstraintPlace(place, constraint);
            if (constraint.GetType() == ctPrimaryKey) {
                if (primaryKey != nullptr) {
                    m_oReport.Error("duplicate-primary-key", at,
                                    L"the table already has the primary key " +
                                        VrlCheckReport::Quoted(primaryKey->GetNameRef()) +
                                        L" and only the first is written; make this one a unique constraint");
                }
                primaryKey = primaryKey ? primaryKey : &constraint;
            }
            Constraint(table, constraint, at);
        }
        if (const VrlTableData* data = table.GetVrlTableData())
            SeedData(table, *data, {&place, L"data", nullptr, -1, data});
        if (const VrlTableData* data = table.GetVrlTableDataEnglish())
            SeedData(table, *data, {&place, L"englishData", nullptr, -1, data});
    }

    void Field(const VrlField& field, const VrlCheckPlace& table) {
        if (field.IsDropped() || field.IsFake())
            return;
        const VrlCheckPlace place{&table, L"fields", &field.GetNameRef(), -1, &field};
        m_oNames.Check(m_oReport, Kind::Column, field.GetNameRef(), place);
        const VrlDataType type = field.GetDataType();
        if (type < dtInteger || type > dtInterval || m_aTypeText[type].IsEmpty()) {
            m_oReport.Error("type-not-mapped", place,
                            L"this target has no SQL type for the column's data type " + Number(type) +
                                L", so the column would be written without a type; choose another type");
            return;
        }
        if (type == dtAutoIncrement && m_bAutoIncrementIsPlain) {
            m_oReport.Warning("autoincrement-plain", place,
                              L"this target writes the auto-increment type as plain " + m_aTypeText[type] +
                                  L": the database will not number the rows; give the values yourself");
        }
        const VrlCheckPlace value{&table, L"fields", &field.GetNameRef(), -1, &field, "/default"};
        m_oValues.Check(m_oReport, field, field.GetDefaultValueRef(), L"default", value);
    }

    // Columns of a key or index that the table lacks.
    void Columns(const VrlTable& table, const std::vector<CString>& columns, const char* jsonKey,
                 const VrlCheckPlace& place) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!table.HasField(columns[i])) {
                m_oReport.Error(
                    "key-missing-column", At(place, jsonKey, static_cast<long>(i)),
                    L"column " + VrlCheckReport::Quoted(columns[i]) + L" is not a column of table " +
                        VrlCheckReport::Quoted(table.GetNameRef()) + L"; name one of its columns");
            }
        }
    }

    // `place` with its JSON path pointing at `jsonKey`[index] of the object.
    static VrlCheckPlace At(const VrlCheckPlace& place, const char* jsonKey, long index = -1) {
        VrlCheckPlace at = place;
        at.jsonKey = jsonKey;
        at.jsonIndex = index;
        return at;
    }

    void Constraint(const VrlTable& table, const VrlConstraint& constraint, const VrlCheckPlace& place) {
        const VrlConstraintType type = constraint.GetType();
        m_oNames.Check(m_oReport, IsIndex(type) ? Kind::Index : Kind::Constraint, constraint.GetNameRef(),
                       place);
        ConstraintName(constraint, place);
        Columns(table, constraint.GetFields(), "/fields", place);
        Columns(table, constraint.GetIncludedFields(), "/includedFields", place);
        if (IsForeignKey(type))
            ForeignKey(table, constraint, place);
    }

    // How many names ConstraintName takes at most, so that its map is made
    // once at its size.
    size_t NamesOfConstraints() const {
        size_t names = 0;
        for (LONG i = 0; i < m_oSchema.GetTableCount(); ++i) {
            const VrlTable& table = *m_oSchema.GetTable(i);
            for (LONG k = 0; k < table.GetConstraintCount(); ++k) {
                const VrlConstraintType type = table.GetConstraint(k)->GetType();
                names += !IsIndex(type);
                names += IndexesShareNames() && (IsIndex(type) || IsForeignKey(type));
            }
        }
        return names;
    }

    // PostgreSQL keeps indexes and the indexes behind keys in one name
    // space too, under their full names.
    bool IndexesShareNames() const { return m_bAnsi || m_oOptions.target == Dialect::Postgres; }

    // Constraint names are unique across the schema; Oracle and DB2 also
    // put the indexes, shortened to 18 characters, into the same name space,
    // among them the index each foreign key gets (its name + "Index").
    void ConstraintName(const VrlConstraint& constraint, const VrlCheckPlace& place) {
        const bool indexesShareNames = IndexesShareNames();
        const VrlConstraintType type = constraint.GetType();
        const CString& name = constraint.GetNameRef();
        if (!IsIndex(type))
            WrittenName(constraint, name, name, place);
        if (indexesShareNames && (IsIndex(type) || IsForeignKey(type))) {
            const CString& index = IsIndex(type) ? name : m_oWritten.emplace_back(name + L"Index");
            const CString& written =
                m_bAnsi ? m_oWritten.emplace_back(VrlConversions::AnsiConstraintLimit(index)) : index;
            WrittenName(constraint, index, written, place);
        }
    }

    // The first constraint to take a name is kept by its table's place,
    // which lives as long as the check.
    void WrittenName(const VrlConstraint& constraint, const CString& name, const CString& written,
                     const VrlCheckPlace& place) {
        const auto [it, added] =
            m_oConstraintNames.try_emplace(written.View(), ConstraintRef{place.parent, &constraint});
        if (added || it->constraint == &constraint)
            return;
        const VrlCheckPlace first = ConstraintPlace(*it->table, *it->constraint);
        const CString other = first.ObjectPath();
        if (first.name->CompareNoCase(*place.name) == 0 || written.CompareNoCase(name) == 0) {
            m_oReport.Error("duplicate-name", place,
                            L"constraint name " + VrlCheckReport::Quoted(name) + L" is also used by " +
                                other + L"; constraint names are unique across the schema on this target");
        } else {
            m_oReport.Error("name-shortened-collision", place,
                            L"index name " + VrlCheckReport::Quoted(name) + L" is shortened to " +
                                VrlCheckReport::Quoted(written) + L", the name of an index of " + other +
                                L"; make the first 13 characters of the names differ");
        }
    }

    void ForeignKey(const VrlTable& table, const VrlConstraint& constraint, const VrlCheckPlace& place) {
        const CString refName = constraint.GetRefTable();
        const VrlTable* target = m_oSchema.GetTableDontThrow(refName);
        if (target == nullptr || target->IsDropped()) {
            m_oReport.Error(
                "fk-missing-table", At(place, "/refTable"),
                L"the foreign key refers to table " + VrlCheckReport::Quoted(refName) +
                    L", which the schema does not have at its version; name a table of the schema");
            return;
        }
        if (target->IsFaked()) {
            m_oReport.Error("fk-empty-table", At(place, "/refTable"),
                            L"the foreign key refers to table " + VrlCheckReport::Quoted(refName) +
                                L", which has no columns and is not written; give that table its columns");
            return;
        }
        const std::vector<CString>& fields = constraint.GetFields();
        const std::vector<CString>& refFields = constraint.GetRefFields();
        if (fields.size() != refFields.size()) {
            m_oReport.Error("fk-column-count", At(place, "/refFields"),
                            L"the foreign key has " + Number(static_cast<long>(fields.size())) +
                                L" columns but refers to " + Number(static_cast<long>(refFields.size())) +
                                L"; give as many referenced columns as columns");
        }
        for (size_t i = 0; i < refFields.size(); ++i) {
            const VrlField* referenced = target->GetField(refFields[i]);
            if (referenced == nullptr || referenced->IsFake()) {
                m_oReport.Error("fk-missing-column", At(place, "/refFields", static_cast<long>(i)),
                                L"the foreign key refers to column " + VrlCheckReport::Quoted(refFields[i]) +
                                    L", which table " + VrlCheckReport::Quoted(refName) +
                                    L" does not have; name one of its columns");
                continue;
            }
            const VrlField* own = i < fields.size() ? table.GetField(fields[i]) : nullptr;
            if (own != nullptr && !SameWrittenType(*own, *referenced)) {
                m_oReport.Warning("fk-type-mismatch", At(place, "/fields", static_cast<long>(i)),
                                  L"column " + VrlCheckReport::Quoted(own->GetNameRef()) + L" is " +
                                      WrittenType(*own) + L" but the referenced column " +
                                      VrlCheckReport::Quoted(referenced->GetNameRef()) + L" is " +
                                      WrittenType(*referenced) + L"; give both the same type");
            }
        }
    }

    // An auto-increment key counts as the integer it holds.
    static VrlDataType StoredType(const VrlField& field) {
        return field.GetDataType() == dtAutoIncrement ? dtInteger : field.GetDataType();
    }

    bool SameWrittenType(const VrlField& a, const VrlField& b) const {
        if (StoredType(a) == StoredType(b) && a.GetLength() == b.GetLength())
            return true;
        return WrittenType(a) == WrittenType(b);
    }

    CString WrittenType(const VrlField& field) const {
        return m_pGenerator->ConverToSqlDataType(StoredType(field), field.GetLength());
    }

    void SeedData(const VrlTable& table, const VrlTableData& data, const VrlCheckPlace& place) {
        const LONG columns = data.GetColCount();
        std::vector<const VrlField*> fields(static_cast<size_t>(columns), nullptr);
        for (LONG c = 0; c < columns; ++c) {
            const CString name = data.GetColName(c);
            fields[c] = table.GetField(name);
            if (fields[c] == nullptr) {
                VrlCheckPlace column = At(place, "/columns", c);
                column.parent = &place;
                column.folder = L"columns";
                column.name = &name;
                m_oReport.Error("seed-unknown-column", column,
                                L"seed column " + VrlCheckReport::Quoted(name) +
                                    L" is not a column of table " +
                                    VrlCheckReport::Quoted(table.GetNameRef()) +
                                    L" and its values would be dropped; name one of its columns");
            } else if (fields[c]->IsFake()) {
                fields[c] = nullptr;
            }
        }
        for (LONG r = 0; r < data.GetRowCount(); ++r) {
            const VrlCheckPlace row{&place, L"rows", nullptr, r};
            for (LONG c = 0; c < columns; ++c) {
                if (fields[c] == nullptr)
                    continue;
                VrlCheckPlace cell = At(place, "/rows", r);
                cell.parent = &row;
                cell.folder = nullptr;
                cell.name = &fields[c]->GetNameRef();
                cell.jsonIndex2 = c;
                m_oValues.Check(m_oReport, *fields[c], data.GetValueRef(r, c), L"seed value", cell);
            }
        }
    }

    void View(const VrlView& view) {
        if (view.IsDropped())
            return;
        const VrlCheckPlace& place = TopPlace(L"views", view);
        m_oNames.Check(m_oReport, Kind::View, view.GetNameRef(), place);
        SchemaName(view, place);
        if (view.GetSQL().IsEmpty())
            LeftOut(place.ObjectPath(), m_oReport.JsonPath(place), L"view");
    }

    void Routine(const VrlProcedure& routine, Kind kind, const wchar_t* folder) {
        if (routine.IsDropped())
            return;
        const VrlCheckPlace& place = TopPlace(folder, routine);
        m_oNames.Check(m_oReport, kind, routine.GetNameRef(), place);
        SchemaName(routine, place);
        const bool empty =
            kind == Kind::Function
                ? m_pGenerator->GetFunction(static_cast<const VrlFunction*>(&routine)).IsEmpty()
                : m_pGenerator->GetProcedure(&routine).IsEmpty();
        if (empty || routine.GetBody().IsEmpty())
            LeftOut(place.ObjectPath(), m_oReport.JsonPath(place),
                    kind == Kind::Function ? L"function" : L"procedure");
        std::vector<CString> written;
        for (LONG i = 0; i < routine.GetParameterCount(); ++i) {
            const VrlParam& param = *routine.GetParameter(i);
            const VrlCheckPlace at{&place, L"parameters", &param.GetNameRef(), -1, &param};
            m_oNames.Check(m_oReport, Kind::Parameter, param.GetNameRef(), at);
            const CString as = m_pGenerator->FormatParameterName(param.GetNameRef());
            for (LONG j = 0; j < i && !param.GetNameRef().IsEmpty(); ++j) {
                if (written[j].CompareNoCase(as) == 0) {
                    m_oReport.Error("duplicate-name", at,
                                    L"parameter " + VrlCheckReport::Quoted(param.GetNameRef()) +
                                        L" is written as " + VrlCheckReport::Quoted(as) +
                                        L", like parameter " +
                                        VrlCheckReport::Quoted(routine.GetParameter(j)->GetNameRef()) +
                                        L"; give each parameter its own name");
                    break;
                }
            }
            written.push_back(as);
        }
    }

    void LeftOut(const CString& path, const std::string& jsonPath, const wchar_t* what) {
        m_oReport.Add(VrlCheckSeverity::Warning, "object-left-out", path, jsonPath,
                      CString(L"the ") + what +
                          L" has no text for this target and is left out of its script; give it one");
    }

    void Notes(const SchemaFileRecord& record) {
        for (const SchemaFileRecord::Note& note : record.GetNotes()) {
            switch (note.kind) {
            case SchemaFileRecord::NoteKind::Duplicate:
                m_oReport.Add(VrlCheckSeverity::Error, "duplicate-name", note.objectPath, note.jsonPath,
                              L"the name is given twice (also at " + CString(note.otherJsonPath.c_str()) +
                                  L", same version); the later one silently replaces the earlier: remove "
                                  L"one or rename it");
                break;
            case SchemaFileRecord::NoteKind::NoDialectText:
                LeftOut(note.objectPath, note.jsonPath,
                        note.objectPath.Find(L"views/") == 0
                            ? L"view"
                            : (note.objectPath.Find(L"functions/") == 0 ? L"function" : L"procedure"));
                break;
            }
        }
    }

    const VrlSchema& m_oSchema;
    const VrlCheckOptions& m_oOptions;
    std::unique_ptr<VrlDbms> m_pGenerator;
    VrlCheckReport m_oReport;
    VrlNameRules m_oNames;
    VrlValueRules m_oValues;
    const bool m_bAnsi;
    CString m_aTypeText[dtInterval + 1];
    bool m_bAutoIncrementIsPlain = false;
    // Deques: places and names keep their addresses as they are added.
    std::deque<VrlCheckPlace> m_oTopPlaces;
    std::deque<CString> m_oWritten;
    NameMap<const VrlCheckPlace*> m_oObjectNames;
    NameMap<ConstraintRef> m_oConstraintNames;
};

} // namespace

std::vector<VrlCheckFinding> VrlSchemaCheck::Run(const VrlSchema& schema, const VrlCheckOptions& options) {
    return Checker(schema, options).Run();
}

bool VrlSchemaCheck::HasErrors(const std::vector<VrlCheckFinding>& findings) {
    for (const VrlCheckFinding& finding : findings) {
        if (finding.IsError())
            return true;
    }
    return false;
}

} // namespace VrlSchemaLib
