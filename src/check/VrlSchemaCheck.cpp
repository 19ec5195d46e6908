#include "VrlSchemaCheck.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "../dialects/VrlDbmsAccess.h"
#include "../dialects/VrlDbmsDB2.h"
#include "../dialects/VrlDbmsOracle.h"
#include "../dialects/VrlDbmsSqlServer.h"
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
    }
    return nullptr;
}

CString Lower(const CString& text) {
    CString lower = text;
    lower.MakeLower();
    return lower;
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

// The first schema object that took a name, for the clashes across kinds
// and across tables.
struct Owner {
    CString objectPath;
    std::string jsonPath;
    CString name;
};

class Checker {
public:
    Checker(const VrlSchema& schema, const VrlCheckOptions& options)
        : m_oSchema(schema), m_oOptions(options), m_pGenerator(MakeGenerator(&schema, options)),
          m_oReport(options.record), m_oNames(options.target, *m_pGenerator),
          m_oValues(options.target, *m_pGenerator, options.unicodeLiterals) {
        for (int type = dtInteger; type <= dtInterval; ++type)
            m_aTypeText[type] = m_pGenerator->ConverToSqlDataType(static_cast<VrlDataType>(type), 0);
        m_bAutoIncrementIsPlain = m_aTypeText[dtAutoIncrement] == m_aTypeText[dtInteger];
    }

    std::vector<VrlCheckFinding> Run() {
        for (LONG i = 0; i < m_oSchema.GetTableCount(); ++i)
            Table(*m_oSchema.GetTable(i));
        for (LONG i = 0; i < m_oSchema.GetViewCount(); ++i)
            View(*m_oSchema.GetView(i));
        for (LONG i = 0; i < m_oSchema.GetProcedureCount(); ++i)
            Routine(*m_oSchema.GetProcedure(i), Kind::Procedure, L"procedures/");
        for (LONG i = 0; i < m_oSchema.GetFunctionCount(); ++i)
            Routine(*m_oSchema.GetFunction(i), Kind::Function, L"functions/");
        if (m_oOptions.record != nullptr)
            Notes(*m_oOptions.record);
        return m_oReport.TakeFindings();
    }

private:
    // Tables, views and routines share one name space on every target.
    void SchemaName(const VrlSchemaObject& object, const CString& path, const std::string& jsonPath) {
        const auto [it, added] = m_oObjectNames.try_emplace(Lower(object.GetNameRef()).Str(),
                                                            Owner{path, jsonPath, object.GetNameRef()});
        if (!added) {
            m_oReport.Error("duplicate-name", path, jsonPath,
                            L"the name " + VrlCheckReport::Quoted(object.GetNameRef()) + L" is taken by " +
                                it->second.objectPath +
                                L"; tables, views and routines need names of their own");
        }
    }

    void Table(const VrlTable& table) {
        if (table.IsDropped())
            return;
        const CString path = L"tables/" + VrlCheckReport::Shown(table.GetNameRef());
        const std::string jsonPath = m_oReport.PathOf(&table);
        m_oNames.Check(m_oReport, Kind::Table, table.GetNameRef(), path, jsonPath);
        SchemaName(table, path, jsonPath);
        for (LONG i = 0; i < table.GetFieldCount(); ++i)
            Field(*table.GetField(i), path);
        const VrlConstraint* primaryKey = nullptr;
        for (LONG i = 0; i < table.GetConstraintCount(); ++i) {
            const VrlConstraint& constraint = *table.GetConstraint(i);
            if (constraint.IsDropped())
                continue;
            const CString constraintPath =
                path + L"/constraints/" + VrlCheckReport::Shown(constraint.GetNameRef());
            if (constraint.GetType() == ctPrimaryKey) {
                if (primaryKey != nullptr) {
                    m_oReport.Error("duplicate-primary-key", constraintPath, m_oReport.PathOf(&constraint),
                                    L"the table already has the primary key " +
                                        VrlCheckReport::Quoted(primaryKey->GetNameRef()) +
                                        L" and only the first is written; make this one a unique constraint");
                }
                primaryKey = primaryKey ? primaryKey : &constraint;
            }
            Constraint(table, constraint, constraintPath);
        }
        if (const VrlTableData* data = table.GetVrlTableData())
            SeedData(table, *data, path + L"/data");
        if (const VrlTableData* data = table.GetVrlTableDataEnglish())
            SeedData(table, *data, path + L"/englishData");
    }

    void Field(const VrlField& field, const CString& tablePath) {
        if (field.IsDropped() || field.IsFake())
            return;
        const CString path = tablePath + L"/fields/" + VrlCheckReport::Shown(field.GetNameRef());
        const std::string jsonPath = m_oReport.PathOf(&field);
        m_oNames.Check(m_oReport, Kind::Column, field.GetNameRef(), path, jsonPath);
        const VrlDataType type = field.GetDataType();
        if (type < dtInteger || type > dtInterval || m_aTypeText[type].IsEmpty()) {
            m_oReport.Error("type-not-mapped", path, jsonPath,
                            L"this target has no SQL type for the column's data type " + Number(type) +
                                L", so the column would be written without a type; choose another type");
            return;
        }
        if (type == dtAutoIncrement && m_bAutoIncrementIsPlain) {
            m_oReport.Warning("autoincrement-plain", path, jsonPath,
                              L"this target writes the auto-increment type as plain " + m_aTypeText[type] +
                                  L": the database will not number the rows; give the values yourself");
        }
        m_oValues.Check(m_oReport, field, field.GetDefaultValueRef(), L"default", path,
                        m_oReport.PathOf(&field, "/default"));
    }

    // Columns of a key or index that the table lacks.
    void Columns(const VrlTable& table, const VrlConstraint& constraint, const std::vector<CString>& columns,
                 const char* jsonKey, const CString& path) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!table.HasField(columns[i])) {
                m_oReport.Error(
                    "key-missing-column", path, m_oReport.PathOf(&constraint, jsonKey, i),
                    L"column " + VrlCheckReport::Quoted(columns[i]) + L" is not a column of table " +
                        VrlCheckReport::Quoted(table.GetNameRef()) + L"; name one of its columns");
            }
        }
    }

    void Constraint(const VrlTable& table, const VrlConstraint& constraint, const CString& path) {
        const std::string jsonPath = m_oReport.PathOf(&constraint);
        const VrlConstraintType type = constraint.GetType();
        m_oNames.Check(m_oReport, IsIndex(type) ? Kind::Index : Kind::Constraint, constraint.GetNameRef(),
                       path, jsonPath);
        ConstraintName(constraint, path, jsonPath);
        Columns(table, constraint, constraint.GetFields(), "/fields", path);
        Columns(table, constraint, constraint.GetIncludedFields(), "/includedFields", path);
        if (IsForeignKey(type))
            ForeignKey(table, constraint, path);
    }

    // Constraint names are unique across the schema; Oracle and DB2 also
    // put the indexes, shortened to 18 characters, into the same name space,
    // among them the index each foreign key gets (its name + "Index").
    void ConstraintName(const VrlConstraint& constraint, const CString& path, const std::string& jsonPath) {
        const bool ansi = m_oOptions.target == Dialect::Oracle || m_oOptions.target == Dialect::DB2;
        const VrlConstraintType type = constraint.GetType();
        const CString& name = constraint.GetNameRef();
        if (!IsIndex(type))
            WrittenName(name, name, path, jsonPath);
        if (ansi && (IsIndex(type) || IsForeignKey(type))) {
            const CString index = IsIndex(type) ? name : name + L"Index";
            WrittenName(index, CString(VrlConversions::AnsiConstraintLimit(index)), path, jsonPath);
        }
    }

    void WrittenName(const CString& name, const CString& written, const CString& path,
                     const std::string& jsonPath) {
        const auto [it, added] =
            m_oConstraintNames.try_emplace(Lower(written).Str(), Owner{path, jsonPath, name});
        if (added || it->second.objectPath == path)
            return;
        if (it->second.name.CompareNoCase(name) == 0) {
            m_oReport.Error("duplicate-name", path, jsonPath,
                            L"constraint name " + VrlCheckReport::Quoted(name) + L" is also used by " +
                                it->second.objectPath +
                                L"; constraint names are unique across the schema on this target");
        } else {
            m_oReport.Error("name-shortened-collision", path, jsonPath,
                            L"index name " + VrlCheckReport::Quoted(name) + L" is shortened to " +
                                VrlCheckReport::Quoted(written) + L", the name of " + it->second.objectPath +
                                L"; make the first 13 characters of the names differ");
        }
    }

    void ForeignKey(const VrlTable& table, const VrlConstraint& constraint, const CString& path) {
        const CString refName = constraint.GetRefTable();
        const VrlTable* target = m_oSchema.GetTableDontThrow(refName);
        if (target == nullptr || target->IsDropped()) {
            m_oReport.Error(
                "fk-missing-table", path, m_oReport.PathOf(&constraint, "/refTable"),
                L"the foreign key refers to table " + VrlCheckReport::Quoted(refName) +
                    L", which the schema does not have at its version; name a table of the schema");
            return;
        }
        if (target->IsFaked()) {
            m_oReport.Error("fk-empty-table", path, m_oReport.PathOf(&constraint, "/refTable"),
                            L"the foreign key refers to table " + VrlCheckReport::Quoted(refName) +
                                L", which has no columns and is not written; give that table its columns");
            return;
        }
        const std::vector<CString>& fields = constraint.GetFields();
        const std::vector<CString>& refFields = constraint.GetRefFields();
        if (fields.size() != refFields.size()) {
            m_oReport.Error("fk-column-count", path, m_oReport.PathOf(&constraint, "/refFields"),
                            L"the foreign key has " + Number(static_cast<long>(fields.size())) +
                                L" columns but refers to " + Number(static_cast<long>(refFields.size())) +
                                L"; give as many referenced columns as columns");
        }
        for (size_t i = 0; i < refFields.size(); ++i) {
            const VrlField* referenced = target->GetField(refFields[i]);
            if (referenced == nullptr || referenced->IsFake()) {
                m_oReport.Error("fk-missing-column", path, m_oReport.PathOf(&constraint, "/refFields", i),
                                L"the foreign key refers to column " + VrlCheckReport::Quoted(refFields[i]) +
                                    L", which table " + VrlCheckReport::Quoted(refName) +
                                    L" does not have; name one of its columns");
                continue;
            }
            const VrlField* own = i < fields.size() ? table.GetField(fields[i]) : nullptr;
            if (own != nullptr && WrittenType(*own) != WrittenType(*referenced)) {
                m_oReport.Warning("fk-type-mismatch", path, m_oReport.PathOf(&constraint, "/fields", i),
                                  L"column " + VrlCheckReport::Quoted(own->GetNameRef()) + L" is " +
                                      WrittenType(*own) + L" but the referenced column " +
                                      VrlCheckReport::Quoted(referenced->GetNameRef()) + L" is " +
                                      WrittenType(*referenced) + L"; give both the same type");
            }
        }
    }

    // The column type as written, an auto-increment key counted as the
    // integer it holds.
    CString WrittenType(const VrlField& field) const {
        const VrlDataType type = field.GetDataType() == dtAutoIncrement ? dtInteger : field.GetDataType();
        return m_pGenerator->ConverToSqlDataType(type, field.GetLength());
    }

    void SeedData(const VrlTable& table, const VrlTableData& data, const CString& path) {
        const LONG columns = data.GetColCount();
        std::vector<const VrlField*> fields(static_cast<size_t>(columns), nullptr);
        for (LONG c = 0; c < columns; ++c) {
            const CString name = data.GetColName(c);
            fields[c] = table.GetField(name);
            if (fields[c] == nullptr) {
                m_oReport.Error("seed-unknown-column", path + L"/columns/" + VrlCheckReport::Shown(name),
                                m_oReport.PathOf(&data, "/columns", c),
                                L"seed column " + VrlCheckReport::Quoted(name) +
                                    L" is not a column of table " +
                                    VrlCheckReport::Quoted(table.GetNameRef()) +
                                    L" and its values would be dropped; name one of its columns");
            } else if (fields[c]->IsFake()) {
                fields[c] = nullptr;
            }
        }
        for (LONG r = 0; r < data.GetRowCount(); ++r) {
            for (LONG c = 0; c < columns; ++c) {
                if (fields[c] == nullptr)
                    continue;
                const VARIANT& value = data.GetValueRef(r, c);
                if (value.vt == VT_EMPTY || value.vt == VT_NULL)
                    continue;
                std::string jsonPath = m_oReport.PathOf(&data, "/rows", r);
                if (!jsonPath.empty())
                    jsonPath += "/" + std::to_string(c);
                m_oValues.Check(m_oReport, *fields[c], value, L"seed value",
                                path + L"/rows/" + Number(r) + L"/" +
                                    VrlCheckReport::Shown(fields[c]->GetNameRef()),
                                jsonPath);
            }
        }
    }

    void View(const VrlView& view) {
        if (view.IsDropped())
            return;
        const CString path = L"views/" + VrlCheckReport::Shown(view.GetNameRef());
        const std::string jsonPath = m_oReport.PathOf(&view);
        m_oNames.Check(m_oReport, Kind::View, view.GetNameRef(), path, jsonPath);
        SchemaName(view, path, jsonPath);
        if (view.GetSQL().IsEmpty())
            LeftOut(path, jsonPath, L"view");
    }

    void Routine(const VrlProcedure& routine, Kind kind, const wchar_t* folder) {
        if (routine.IsDropped())
            return;
        const CString path = folder + VrlCheckReport::Shown(routine.GetNameRef());
        const std::string jsonPath = m_oReport.PathOf(&routine);
        m_oNames.Check(m_oReport, kind, routine.GetNameRef(), path, jsonPath);
        SchemaName(routine, path, jsonPath);
        const bool empty =
            kind == Kind::Function
                ? m_pGenerator->GetFunction(static_cast<const VrlFunction*>(&routine)).IsEmpty()
                : m_pGenerator->GetProcedure(&routine).IsEmpty();
        if (empty || routine.GetBody().IsEmpty())
            LeftOut(path, jsonPath, kind == Kind::Function ? L"function" : L"procedure");
        std::unordered_map<std::wstring, CString> written;
        for (LONG i = 0; i < routine.GetParameterCount(); ++i) {
            const VrlParam& param = *routine.GetParameter(i);
            const CString paramPath = path + L"/parameters/" + VrlCheckReport::Shown(param.GetNameRef());
            const std::string paramJson = m_oReport.PathOf(&param);
            m_oNames.Check(m_oReport, Kind::Parameter, param.GetNameRef(), paramPath, paramJson);
            const CString as = m_pGenerator->FormatParameterName(param.GetNameRef());
            const auto [it, added] = written.try_emplace(Lower(as).Str(), param.GetNameRef());
            if (!added && !param.GetNameRef().IsEmpty()) {
                m_oReport.Error("duplicate-name", paramPath, paramJson,
                                L"parameter " + VrlCheckReport::Quoted(param.GetNameRef()) +
                                    L" is written as " + VrlCheckReport::Quoted(as) + L", like parameter " +
                                    VrlCheckReport::Quoted(it->second) +
                                    L"; give each parameter its own name");
            }
        }
    }

    void LeftOut(const CString& path, const std::string& jsonPath, const wchar_t* what) {
        m_oReport.Warning("object-left-out", path, jsonPath,
                          CString(L"the ") + what +
                              L" has no text for this target and is left out of its script; give it one");
    }

    void Notes(const SchemaFileRecord& record) {
        for (const SchemaFileRecord::Note& note : record.GetNotes()) {
            switch (note.kind) {
            case SchemaFileRecord::NoteKind::Duplicate:
                m_oReport.Error("duplicate-name", note.objectPath, note.jsonPath,
                                L"the name is given twice (also at " + CString(note.otherJsonPath.c_str()) +
                                    L", same version); the later one silently replaces the earlier: remove "
                                    L"one or rename it");
                break;
            case SchemaFileRecord::NoteKind::NoDialectText:
                LeftOut(note.objectPath, note.jsonPath,
                        note.objectPath.Find(L"views/") == 0 ? L"view" : L"routine");
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
    CString m_aTypeText[dtInterval + 1];
    bool m_bAutoIncrementIsPlain = false;
    std::unordered_map<std::wstring, Owner> m_oObjectNames;
    std::unordered_map<std::wstring, Owner> m_oConstraintNames;
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
