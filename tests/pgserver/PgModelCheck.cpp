#include "PgModelCheck.h"

#include <algorithm>
#include <cctype>

#include "PgCatalog.h"
#include "schema/VrlFunction.h"
#include "schema/VrlTableData.h"
#include "schema/VrlView.h"

using namespace VrlSchemaLib;

namespace VrlSchemaPgTest {

namespace {

// information_schema's udt_name, character length (-1: the field's) and
// datetime precision of the data types; every other one is an int4.
struct CatalogueType {
    VrlDataType type;
    const char* udt;
    int length;
    const char* precision;
};
const CatalogueType kTypes[] = {{dtBoolean, "bool", 0, ""},
                                {dtGuid, "uuid", 0, ""},
                                {dtGuid23, "uuid", 0, ""},
                                {dtGuid28, "uuid", 0, ""},
                                {dtByte, "int2", 0, ""},
                                {dtShort, "int2", 0, ""},
                                {dtBigInt, "int8", 0, ""},
                                {dtSingle, "float4", 0, ""},
                                {dtDouble, "float8", 0, ""},
                                {dtString, "varchar", -1, ""},
                                {dtName, "varchar", -1, ""},
                                {dtAnsiString, "varchar", -1, ""},
                                {dtAnsiString26, "varchar", -1, ""},
                                {dtString256, "varchar", 256, ""},
                                {dtSysName, "varchar", 128, ""},
                                {dtLongText, "text", 0, ""},
                                {dtMemo, "text", 0, ""},
                                {dtMemo22, "text", 0, ""},
                                {dtDateTime, "timestamp", 0, "3"},
                                {dtTimestamp, "timestamp", 0, "6"},
                                {dtInterval, "interval", 0, "6"}};

const CatalogueType& TypeOf(VrlDataType type) {
    static const CatalogueType integer{dtInteger, "int4", 0, ""};
    const auto* it = std::find_if(std::begin(kTypes), std::end(kTypes),
                                  [&](const CatalogueType& t) { return t.type == type; });
    return it == std::end(kTypes) ? integer : *it;
}

bool IsText(VrlDataType type) {
    return UdtName(type) == "varchar" || UdtName(type) == "text";
}

std::string Columns(const std::vector<CString>& names, const VrlTable* table = nullptr,
                    const VrlConstraint* constraint = nullptr) {
    std::string list;
    for (const CString& name : names) {
        // How pg_get_indexdef writes a column of a case-insensitive index.
        const VrlField* field = table ? table->GetField(name) : nullptr;
        const bool lowered = field && (field->GetDataType() == dtName ||
                                       (constraint->IsCaseInsensitive(name) && IsText(field->GetDataType())));
        list += (list.empty() ? "" : ", ") + (lowered ? "lower((" + Lower(name) + ")::text)" : Lower(name));
    }
    return list;
}

std::string IndexDefinition(bool unique, const std::string& index, const std::string& table,
                            const std::string& columns) {
    return std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " + index + " ON public." + table +
           " USING btree (" + columns + ")";
}

} // namespace

std::string Lower(const CString& text) {
    std::string lower = text.ToUtf8();
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower;
}

std::string UdtName(VrlDataType type) {
    return TypeOf(type).udt;
}

ModelObjects::ModelObjects(const VrlSchema& schema, const VrlDbms& dbms) {
    for (LONG t = 0; t < schema.GetTableCount(); ++t) {
        const VrlTable* table = schema.GetTable(t);
        const bool tableCreated = !dbms.GetTableFields(table).IsEmpty();
        (tableCreated ? created : absent).push_back(table);
        for (LONG f = 0; f < table->GetFieldCount(); ++f) {
            const VrlField* field = table->GetField(f);
            const bool made = tableCreated && !field->IsFake() && field->GetDataType() != dtBinary;
            (made ? created : absent).push_back(field);
        }
        for (LONG k = 0; k < table->GetConstraintCount(); ++k) {
            const VrlConstraint* constraint = table->GetConstraint(k);
            const VrlConstraintType type = constraint->GetType();
            const bool made = type == ctPrimaryKey || type == ctUnique || type == ctForeignKey ||
                              type == ctForeignKey7 || type == ctIndex;
            (made && !table->IsFaked() ? created : absent).push_back(constraint);
        }
    }
    for (LONG i = 0; i < schema.GetViewCount(); ++i)
        created.push_back(schema.GetView(i));
    for (LONG i = 0; i < schema.GetProcedureCount(); ++i)
        created.push_back(schema.GetProcedure(i));
    for (LONG i = 0; i < schema.GetFunctionCount(); ++i)
        created.push_back(schema.GetFunction(i));

    // One made-up object of every kind, inside a table that exists.
    const VrlTable* host = nullptr;
    for (const VrlSchemaObject* object : created) {
        if ((host = dynamic_cast<const VrlTable*>(object)))
            break;
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

std::vector<std::string> CheckModel(PgDatabase& db, const VrlDbms& dbms, const ModelObjects& objects) {
    std::vector<std::string> out;
    const PgCatalog catalogue(db, out);
    // "*": any text, as long as the object is there.
    auto expect = [&](const std::string& kind, const std::string& key, const std::string& expected) {
        const std::string actual = catalogue.Get(kind, key);
        if (actual != expected && (expected != "*" || actual == "<none>"))
            out.push_back(kind + " " + key + ": expected \"" + expected + "\", the catalogue has \"" +
                          actual + "\"");
    };
    for (const VrlSchemaObject* object : objects.created) {
        if (auto* table = dynamic_cast<const VrlTable*>(object)) {
            expect("table", Lower(table->GetNameRef()), "");
        } else if (auto* field = dynamic_cast<const VrlField*>(object)) {
            const std::string key = Lower(field->GetTable()->GetNameRef()) + "." + Lower(field->GetNameRef());
            const CatalogueType& type = TypeOf(field->GetDataType());
            const LONG length = type.length < 0 ? field->GetLength() : type.length;
            expect("column", key,
                   std::string(type.udt) + "|" + (length > 0 ? std::to_string(length) : "") + "|" +
                       type.precision + "|" + (field->GetNullType() == ntNotNull ? "NO" : "YES") + "|" +
                       (field->GetDataType() == dtAutoIncrement ? "YES" : "NO"));
            // The default is compared as a value, however the catalogue spells it.
            CString literal = dbms.GetDefaultValue(field);
            if (literal.IsEmpty()) {
                expect("default", key, "<null>");
                continue;
            }
            literal.Delete(0, 8); // "DEFAULT "
            const std::string expression = catalogue.Get("default", key);
            if (db.Value("SELECT (" + expression + ") IS NOT DISTINCT FROM (" + literal.ToUtf8() + ")",
                         &out) != "t")
                out.push_back("default of " + key + ": the catalogue has " + expression + ", the model " +
                              literal.ToUtf8());
        } else if (auto* c = dynamic_cast<const VrlConstraint*>(object)) {
            const std::string table = Lower(c->GetTable()->GetNameRef());
            const std::string name = Lower(c->GetNameRef());
            const std::string columns = Columns(c->GetFields());
            const std::string indexColumns = Columns(c->GetFields(), c->GetTable(), c);
            const bool lowered = indexColumns != columns;
            switch (c->GetType()) {
            case ctPrimaryKey:
                expect("constraint", table + "." + name, "p|PRIMARY KEY (" + columns + ")");
                if (lowered)
                    expect("index", "ci_" + name, IndexDefinition(false, "ci_" + name, table, indexColumns));
                break;
            case ctUnique:
                if (lowered)
                    expect("index", name, IndexDefinition(true, name, table, indexColumns));
                else
                    expect("constraint", table + "." + name, "u|UNIQUE (" + columns + ")");
                break;
            case ctIndex:
                expect("index", name, IndexDefinition(false, name, table, indexColumns));
                break;
            default: { // the foreign keys
                const bool cascade = c->GetOnDeleteType() == odCascade || c->GetOnDeleteType() == odCascade4;
                expect("constraint", table + "." + name,
                       "f|FOREIGN KEY (" + columns + ") REFERENCES " + Lower(c->GetRefTable()) + "(" +
                           Columns(c->GetRefFields()) + ")" +
                           (c->GetOnUpdateType() == ouNoAction ? "" : " ON UPDATE CASCADE") +
                           (cascade ? " ON DELETE CASCADE" : ""));
                if (c->GetType() == ctForeignKey)
                    expect("index", name + "index", IndexDefinition(false, name + "index", table, columns));
            }
            }
        } else if (auto* view = dynamic_cast<const VrlView*>(object)) {
            expect("view", Lower(view->GetNameRef()), "*");
        } else if (auto* routine = dynamic_cast<const VrlProcedure*>(object)) {
            expect("routine", Lower(routine->GetNameRef()),
                   dynamic_cast<const VrlFunction*>(object) ? "f" : "p");
        }
    }
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
        if (answer != expected)
            out.push_back("probe of " + object->GetName().ToUtf8() + " answered \"" + answer +
                          "\", expected \"" + expected + "\": " + probe);
    }
    return out;
}

std::vector<std::string> CheckSeedRows(PgDatabase& db, const VrlSchema& schema) {
    std::vector<std::string> out;
    for (LONG t = 0; t < schema.GetTableCount(); ++t) {
        const VrlTable* table = schema.GetTable(t);
        if (!table->HasDefaultValues())
            continue;
        const std::string expected = std::to_string(table->GetVrlTableData()->GetRowCount());
        const std::string rows = db.Value("SELECT COUNT(*) FROM " + Lower(table->GetNameRef()), &out);
        if (rows != expected)
            out.push_back("seed rows of " + Lower(table->GetNameRef()) + ": " + rows + ", expected " +
                          expected);
    }
    return out;
}

} // namespace VrlSchemaPgTest
