#include "PgModelCheck.h"

#include <algorithm>
#include <cctype>

#include "schema/VrlProcedure.h"
#include "schema/VrlTableData.h"

using namespace VrlSchemaLib;

namespace VrlSchemaPgTest {

std::string Lower(const CString& text) {
    std::string lower = text.ToUtf8();
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower;
}

namespace {

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

bool IsCreatedTable(const VrlTable* table, const VrlDbms& dbms) {
    return !dbms.GetTableFields(table).IsEmpty();
}

bool IsCreatedField(const VrlField* field) {
    return !field->IsFake() && field->GetDataType() != dtBinary;
}

bool IsCreatedConstraint(const VrlConstraint* constraint) {
    switch (constraint->GetType()) {
    case ctPrimaryKey:
    case ctUnique:
    case ctForeignKey:
    case ctForeignKey7:
    case ctIndex:
        return !constraint->GetTable()->IsFaked();
    default:
        return false;
    }
}

bool IsTextType(VrlDataType type) {
    switch (type) {
    case dtString:
    case dtLongText:
    case dtString256:
    case dtMemo:
    case dtMemo22:
    case dtName:
    case dtAnsiString:
    case dtAnsiString26:
    case dtSysName:
        return true;
    default:
        return false;
    }
}

// information_schema's udt_name, character length and datetime precision.
struct CatalogueType {
    std::string udt;
    std::string length;
    std::string precision;
};

CatalogueType ExpectedType(const VrlField* field) {
    const std::string length = field->GetLength() > 0 ? std::to_string(field->GetLength()) : "";
    switch (field->GetDataType()) {
    case dtBoolean:
        return {"bool", "", ""};
    case dtGuid:
    case dtGuid23:
    case dtGuid28:
        return {"uuid", "", ""};
    case dtByte:
    case dtShort:
        return {"int2", "", ""};
    case dtBigInt:
        return {"int8", "", ""};
    case dtSingle:
        return {"float4", "", ""};
    case dtDouble:
        return {"float8", "", ""};
    case dtString:
    case dtName:
    case dtAnsiString:
    case dtAnsiString26:
        return {"varchar", length, ""};
    case dtString256:
        return {"varchar", "256", ""};
    case dtSysName:
        return {"varchar", "128", ""};
    case dtLongText:
    case dtMemo:
    case dtMemo22:
        return {"text", "", ""};
    case dtDateTime:
        return {"timestamp", "", "3"};
    case dtTimestamp:
        return {"timestamp", "", "6"};
    case dtInterval:
        return {"interval", "", "6"};
    default:
        return {"int4", "", ""};
    }
}

// How pg_get_indexdef writes one column of the index.
std::string IndexColumn(const VrlTable* table, const VrlConstraint* constraint, const CString& name) {
    const VrlField* field = table->GetField(name);
    const bool lowered = field && (field->GetDataType() == dtName ||
                                   (constraint->IsCaseInsensitive(name) && IsTextType(field->GetDataType())));
    return lowered ? "lower((" + Lower(name) + ")::text)" : Lower(name);
}

std::string Columns(const std::vector<CString>& names) {
    std::string list;
    for (const CString& name : names) {
        list += (list.empty() ? "" : ", ") + Lower(name);
    }
    return list;
}

std::string IndexDefinition(bool unique, const std::string& index, const VrlTable* table,
                            const std::string& columns) {
    return std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " + index + " ON public." +
           Lower(table->GetNameRef()) + " USING btree (" + columns + ")";
}

std::string IndexColumns(const VrlTable* table, const VrlConstraint* constraint) {
    std::string list;
    for (const CString& name : constraint->GetFields()) {
        list += (list.empty() ? "" : ", ") + IndexColumn(table, constraint, name);
    }
    return list;
}

bool HasLoweredColumn(const VrlTable* table, const VrlConstraint* constraint) {
    return IndexColumns(table, constraint).find("lower(") != std::string::npos;
}

class Checker {
public:
    Checker(PgDatabase& db, std::vector<std::string>& out) : m_db(db), m_out(out) {}

    void Expect(const std::string& what, const std::string& expected, const std::string& query) {
        const std::string actual = m_db.Value(query, &m_out);
        if (actual != expected) {
            m_out.push_back(what + ": expected \"" + expected + "\", the catalogue has \"" + actual + "\"");
        }
    }

    void Table(const VrlTable* table) {
        Expect("table " + Lower(table->GetNameRef()), "1",
               "SELECT COUNT(*) FROM pg_tables WHERE schemaname = current_schema() AND tablename = " +
                   Quoted(Lower(table->GetNameRef())));
    }

    void Column(const VrlTable* table, const VrlField* field, const VrlDbms& dbms) {
        const std::string name = Lower(table->GetNameRef()) + "." + Lower(field->GetNameRef());
        const CatalogueType type = ExpectedType(field);
        const std::string expected = type.udt + "|" + type.length + "|" + type.precision + "|" +
                                     (field->GetNullType() == ntNotNull ? "NO" : "YES") + "|" +
                                     (field->GetDataType() == dtAutoIncrement ? "YES" : "NO");
        const std::string where =
            " FROM information_schema.columns WHERE table_schema = current_schema() AND "
            "table_name = " +
            Quoted(Lower(table->GetNameRef())) + " AND column_name = " + Quoted(Lower(field->GetNameRef()));
        Expect("column " + name, expected,
               "SELECT udt_name || '|' || coalesce(character_maximum_length::text, '') || '|' || "
               "coalesce(datetime_precision::text, '') || '|' || is_nullable || '|' || is_identity" +
                   where);
        // The default is compared as a value, however the catalogue spells it.
        CString literal = dbms.GetDefaultValue(field);
        if (literal.IsEmpty()) {
            Expect("default of " + name, "<null>", "SELECT column_default" + where);
            return;
        }
        literal.Delete(0, 8); // "DEFAULT "
        const std::string expression = m_db.Value("SELECT column_default" + where, &m_out);
        Expect("default of " + name + " (" + expression + ")", "t",
               "SELECT (" + expression + ") IS NOT DISTINCT FROM (" + literal.ToUtf8() + ")");
    }

    void Constraint(const VrlTable* table, const VrlConstraint* c) {
        const std::string name = Lower(c->GetNameRef());
        const std::string onTable = " AND conrelid = to_regclass(" + Quoted(Lower(table->GetNameRef())) + ")";
        const std::string definition =
            "SELECT pg_get_constraintdef(oid) FROM pg_constraint WHERE conname = " + Quoted(name) + onTable;
        const std::string index = "SELECT indexdef FROM pg_indexes WHERE schemaname = current_schema() AND "
                                  "indexname = ";
        switch (c->GetType()) {
        case ctPrimaryKey:
            Expect("key " + name, "PRIMARY KEY (" + Columns(c->GetFields()) + ")", definition);
            if (HasLoweredColumn(table, c)) {
                Expect("index ci_" + name,
                       IndexDefinition(false, "ci_" + name, table, IndexColumns(table, c)),
                       index + Quoted("ci_" + name));
            }
            break;
        case ctUnique:
            if (HasLoweredColumn(table, c)) {
                Expect("unique index " + name, IndexDefinition(true, name, table, IndexColumns(table, c)),
                       index + Quoted(name));
            } else {
                Expect("unique " + name, "UNIQUE (" + Columns(c->GetFields()) + ")", definition);
            }
            break;
        case ctIndex:
            Expect("index " + name, IndexDefinition(false, name, table, IndexColumns(table, c)),
                   index + Quoted(name));
            break;
        case ctForeignKey:
        case ctForeignKey7: {
            const bool cascade = c->GetOnDeleteType() == odCascade || c->GetOnDeleteType() == odCascade4;
            Expect("foreign key " + name,
                   "FOREIGN KEY (" + Columns(c->GetFields()) + ") REFERENCES " + Lower(c->GetRefTable()) +
                       "(" + Columns(c->GetRefFields()) + ")" +
                       (c->GetOnUpdateType() == ouNoAction ? "" : " ON UPDATE CASCADE") +
                       (cascade ? " ON DELETE CASCADE" : ""),
                   definition);
            if (c->GetType() == ctForeignKey) {
                Expect("index " + name + "index",
                       IndexDefinition(false, name + "index", table, Columns(c->GetFields())),
                       index + Quoted(name + "index"));
            }
            break;
        }
        default:
            break;
        }
    }

private:
    PgDatabase& m_db;
    std::vector<std::string>& m_out;
};

} // namespace

ModelObjects::ModelObjects(const VrlSchema& schema, const VrlDbms& dbms) {
    for (LONG t = 0; t < schema.GetTableCount(); ++t) {
        const VrlTable* table = schema.GetTable(t);
        const bool tableCreated = IsCreatedTable(table, dbms);
        (tableCreated ? created : absent).push_back(table);
        for (LONG f = 0; f < table->GetFieldCount(); ++f) {
            const VrlField* field = table->GetField(f);
            (tableCreated && IsCreatedField(field) ? created : absent).push_back(field);
        }
        for (LONG k = 0; k < table->GetConstraintCount(); ++k) {
            const VrlConstraint* constraint = table->GetConstraint(k);
            (IsCreatedConstraint(constraint) ? created : absent).push_back(constraint);
        }
    }
    for (LONG i = 0; i < schema.GetViewCount(); ++i) {
        created.push_back(schema.GetView(i));
    }
    for (LONG i = 0; i < schema.GetProcedureCount(); ++i) {
        created.push_back(schema.GetProcedure(i));
    }
    for (LONG i = 0; i < schema.GetFunctionCount(); ++i) {
        created.push_back(schema.GetFunction(i));
    }

    // One made-up object of every kind, inside a table that exists.
    const VrlTable* host = nullptr;
    for (const VrlSchemaObject* object : created) {
        if ((host = dynamic_cast<const VrlTable*>(object))) {
            break;
        }
    }
    const VrlSchemaVersion v;
    auto keep = [&](auto* object) {
        m_madeUp.emplace_back(object);
        absent.push_back(object);
        return object;
    };
    keep(new VrlTable(L"NoSuchTable", std::vector<VrlField*>{}, L"", 0, 0u, rtUndefined, v));
    keep(new VrlView(L"vwNoSuchView", L"SELECT 1", L""));
    keep(new VrlProcedure(L"procNoSuch", std::vector<VrlParam*>{}, L"NULL", L"", 0, v, 0));
    keep(new VrlFunction(L"fnNoSuch", VrlDataDefinition(dtInteger, 0), std::vector<VrlParam*>{}, L"RETURN 1",
                         L"", v));
    if (host) {
        keep(new VrlField(L"NoSuchColumn", VrlDataDefinition(dtInteger, 0), COleVariant(), ntNull,
                          CString(L""), 0, paNone, v, 0, 0))
            ->SetTable(host);
        for (VrlConstraintType type : {ctUnique, ctForeignKey, ctIndex}) {
            keep(new VrlConstraint(L"NoSuchKey", type, std::vector<CString>{L"NoSuchColumn"}, v))
                ->SetTable(host);
        }
    }
}

std::vector<std::string> CheckModel(PgDatabase& db, const VrlDbms& dbms, const VrlSchema& schema,
                                    const ModelObjects& objects) {
    std::vector<std::string> out;
    Checker check(db, out);
    for (const VrlSchemaObject* object : objects.created) {
        if (auto* table = dynamic_cast<const VrlTable*>(object)) {
            check.Table(table);
        } else if (auto* field = dynamic_cast<const VrlField*>(object)) {
            check.Column(field->GetTable(), field, dbms);
        } else if (auto* constraint = dynamic_cast<const VrlConstraint*>(object)) {
            check.Constraint(constraint->GetTable(), constraint);
        } else if (auto* view = dynamic_cast<const VrlView*>(object)) {
            check.Expect("view " + Lower(view->GetNameRef()), "1",
                         "SELECT COUNT(*) FROM pg_views WHERE schemaname = current_schema() AND viewname = " +
                             Quoted(Lower(view->GetNameRef())));
        } else if (auto* routine = dynamic_cast<const VrlProcedure*>(object)) {
            const bool function = dynamic_cast<const VrlFunction*>(object) != nullptr;
            check.Expect("routine " + Lower(routine->GetNameRef()), function ? "f" : "p",
                         "SELECT string_agg(prokind::text, ',') FROM pg_proc WHERE pronamespace = "
                         "current_schema()::regnamespace AND proname = " +
                             Quoted(Lower(routine->GetNameRef())));
        }
    }
    (void)schema;
    return out;
}

std::vector<std::string> CheckProbes(PgDatabase& db, const VrlDbms& dbms,
                                     const std::vector<const VrlSchemaObject*>& objects, bool present) {
    std::vector<std::string> out;
    for (const VrlSchemaObject* object : objects) {
        const std::string probe = dbms.FormatObjectExists(object).ToUtf8();
        const auto* constraint = dynamic_cast<const VrlConstraint*>(object);
        const bool key = constraint && constraint->GetType() == ctPrimaryKey;
        const std::string expected =
            key ? (present ? Lower(object->GetNameRef()) : "<none>") : (present ? "1" : "0");
        const std::string answer = db.Value(probe, &out);
        if (answer != expected) {
            out.push_back("probe of " + object->GetName().ToUtf8() + " answered \"" + answer +
                          "\", expected \"" + expected + "\": " + probe);
        }
    }
    return out;
}

std::vector<std::string> CheckSeedRows(PgDatabase& db, const VrlSchema& schema) {
    std::vector<std::string> out;
    Checker check(db, out);
    for (LONG t = 0; t < schema.GetTableCount(); ++t) {
        const VrlTable* table = schema.GetTable(t);
        if (table->HasDefaultValues()) {
            check.Expect("seed rows of " + Lower(table->GetNameRef()),
                         std::to_string(table->GetVrlTableData()->GetRowCount()),
                         "SELECT COUNT(*) FROM " + Lower(table->GetNameRef()));
        }
    }
    return out;
}

} // namespace VrlSchemaPgTest
