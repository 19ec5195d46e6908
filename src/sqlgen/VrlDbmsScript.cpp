// VrlDbms: whole creation scripts and seed-data statements. All tables come
// first, then their keys and indexes, then every foreign key, so that no
// statement refers to an object that does not exist yet.
#include <cwchar>

#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlTableData.h"
#include "../schema/VrlView.h"
#include "VrlDbms.h"
#include "VrlStatementSink.h"

namespace VrlSchemaLib {

void VrlDbms::AddTo(std::vector<CString>& statements, CString statement) const {
    statement.Trim();
    if (statement.IsEmpty())
        return;
    if (IsStreaming(statements)) {
        m_pStreamSink->Take(statement);
        ++m_nStreamed;
        return;
    }
    statements.push_back(std::move(statement));
}

size_t VrlDbms::StreamSchema(VrlStatementSink& sink) {
    std::vector<CString> statements;
    struct Scope {
        VrlDbms& dbms;
        ~Scope() {
            dbms.m_pStreamTarget = nullptr;
            dbms.m_pStreamSink = nullptr;
        }
    } scope{*this};
    m_pStreamTarget = &statements;
    m_pStreamSink = &sink;
    m_nStreamed = 0;
    // Every step appends through AddTo, so `statements` stays empty.
    GenerateSchema(statements);
    return m_nStreamed;
}

bool VrlDbms::CreateViewsBeforeFunctions() const {
    return true;
}

void VrlDbms::GenerateSchema(std::vector<CString>& statements) {
    statements.clear();
    const VrlSchema* schema = GetSchema();
    GenerateTableDef(schema, statements);
    GenerateViewDef(schema, statements);
    GenerateFuncDef(schema, statements);
    GenerateProcDef(schema, statements);
    GenerateTriggerDefs(schema, statements);
    AddTo(statements, Sql(52));
}

void VrlDbms::GenerateTableDef(const VrlSchema* schema, std::vector<CString>& statements) const {
    if (schema == nullptr)
        return;
    AddTo(statements, Sql(1));
    AddTo(statements, Sql(2));
    AddTo(statements, Sql(3));

    const LONG count = schema->GetTableCount();
    if (!IsStreaming(statements))
        statements.reserve(statements.size() + static_cast<size_t>(count) * 3);
    for (LONG i = 0; i < count; ++i) {
        const VrlTable* table = schema->GetTable(i);
        AddTo(statements, GetTableFields(table));
        if (!table->IsFaked() && table->IsBuffered())
            AddTo(statements, GetBufferFunctionDefinition(table));
    }
    for (LONG i = 0; i < count; ++i)
        GenerateTablePrimaryUniqueConstraints(schema->GetTable(i), statements);
    for (LONG i = 0; i < count; ++i)
        GenerateTableForeignKeyConstraints(schema->GetTable(i), statements);

    AddTo(statements, Sql(11));
    AddTo(statements, Sql(8));
    AddTo(statements, Sql(9));
    AddTo(statements, Sql(10));
}

void VrlDbms::GenerateTablePrimaryUniqueConstraints(const VrlTable* table,
                                                    std::vector<CString>& statements) const {
    if (table->IsFaked())
        return;
    GeneratePrimaryKeyConstraint(table, statements);
    GenerateUniqueConstraint(table, statements);
    GenerateNonUniqueIndex(table, statements);
}

void VrlDbms::GenerateTableForeignKeyConstraints(const VrlTable* table,
                                                 std::vector<CString>& statements) const {
    if (table->IsFaked())
        return;
    GenerateForeignKeyConstraint(table, statements);
}

void VrlDbms::GeneratePrimaryKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const {
    const VrlConstraint* constraint = table->GetPrimaryKeyConstraint();
    if (constraint != nullptr)
        AddTo(statements, VrlDbms::FormatPrimaryKey(table, constraint));
}

void VrlDbms::GenerateUniqueConstraint(const VrlTable* table, std::vector<CString>& statements) const {
    const LONG count = table->GetConstraintCount();
    for (LONG i = 0; i < count; ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint != nullptr && constraint->GetType() == ctUnique)
            AddTo(statements, FormatUniqueConstraint(table, constraint));
    }
}

void VrlDbms::GenerateNonUniqueIndex(const VrlTable* table, std::vector<CString>& statements) const {
    const LONG count = table->GetConstraintCount();
    for (LONG i = 0; i < count; ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint != nullptr && constraint->GetType() == ctIndex)
            AddTo(statements, FormatNonUniqueIndex(table, constraint));
    }
}

void VrlDbms::GenerateForeignKeyConstraint(const VrlTable* table, std::vector<CString>& statements) const {
    const LONG count = table->GetConstraintCount();
    for (LONG i = 0; i < count; ++i) {
        const VrlConstraint* constraint = table->GetConstraint(i);
        if (constraint == nullptr ||
            (constraint->GetType() != ctForeignKey && constraint->GetType() != ctForeignKey7))
            continue;
        // The text may hold the key and its index joined by ';' (or on
        // separate lines); each becomes a statement of its own. Runs of
        // separators count as one, and a piece that is blank ends the text.
        const CString formatted = FormatForeignKeyConstraint(table, constraint);
        const std::wstring_view text = formatted.View();
        const auto isSeparator = [](wchar_t ch) { return ch == L';' || ch == L'\n'; };
        // The next separator from `from` on, or the end: found by the C
        // library's search, the texts being long and their separators few.
        const auto nextSeparator = [text](size_t from) {
            const wchar_t* start = text.data() + from;
            const size_t rest = text.size() - from;
            const wchar_t* semicolon = std::wmemchr(start, L';', rest);
            const size_t before = semicolon ? static_cast<size_t>(semicolon - start) : rest;
            const wchar_t* newline = std::wmemchr(start, L'\n', before);
            return from + (newline ? static_cast<size_t>(newline - start) : before);
        };
        size_t pos = 0;
        while (pos < text.size()) {
            while (pos < text.size() && isSeparator(text[pos]))
                ++pos;
            if (pos == text.size())
                break;
            const size_t end = nextSeparator(pos);
            CString piece(text.substr(pos, end - pos));
            piece.Trim();
            if (piece.IsEmpty())
                break;
            AddTo(statements, std::move(piece));
            pos = end;
        }
    }
}

void VrlDbms::GenerateCaseInsensitiveIndexes(const VrlTable*, std::vector<CString>&) const {}

void VrlDbms::GenerateViewDef(const VrlSchema* schema, std::vector<CString>& statements) const {
    if (schema == nullptr)
        return;
    const LONG count = schema->GetViewCount();
    for (LONG i = 0; i < count; ++i)
        AddTo(statements, GetView(schema->GetView(i)));
}

void VrlDbms::GenerateFuncDef(const VrlSchema* schema, std::vector<CString>& statements) const {
    if (schema == nullptr)
        return;
    const LONG count = schema->GetFunctionCount();
    for (LONG i = 0; i < count; ++i)
        AddTo(statements, GetFunction(schema->GetFunction(i)));
}

void VrlDbms::GenerateProcDef(const VrlSchema* schema, std::vector<CString>& statements) const {
    if (schema == nullptr)
        return;
    const LONG count = schema->GetProcedureCount();
    for (LONG i = 0; i < count; ++i)
        AddTo(statements, GetProcedure(schema->GetProcedure(i)));
}

void VrlDbms::GenerateTriggerDefs(const VrlSchema*, std::vector<CString>&) const {}

void VrlDbms::FormatDropTriggers(const VrlSchema*, std::vector<CString>&) const {}

// ---- seed data ----

void VrlDbms::GenerateDefaultValues(std::vector<CString>& statements) {
    statements.clear();
    const VrlSchema* schema = GetSchema();
    if (schema == nullptr)
        return;
    std::vector<CString> rows;
    const LONG count = schema->GetTableCount();
    for (LONG i = 0; i < count; ++i) {
        VrlTable* table = schema->GetTable(i);
        if (!table->HasDefaultValues())
            continue;
        GetTableDefaultValues(table, rows);
        for (CString& row : rows)
            AddTo(statements, std::move(row));
    }
}

// One INSERT per seed row. The columns are those of the seed data that are
// real columns of the table (a seed column naming a fake field or no field
// at all has nowhere to go and is left out); names go through FormatFieldName
// and values are written as literals of their column's field, so that every
// statement is valid SQL of the dialect. A row whose columns are all left out
// gives no statement.
void VrlDbms::GetTableDefaultValues(VrlTable* table, std::vector<CString>& statements) {
    statements.clear();
    if (table == nullptr || !table->HasDefaultValues())
        return;
    const VrlTableData* data = table->GetVrlTableData();
    const LONG columnCount = data->GetColCount();

    std::vector<LONG> columns;
    std::vector<const VrlField*> fields;
    CString columnList;
    for (LONG c = 0; c < columnCount; ++c) {
        const VrlField* field = table->GetField(data->GetColName(c).GetString());
        if (field == nullptr || field->IsFake())
            continue;
        if (!columns.empty())
            columnList += L", ";
        columnList += FormatFieldName(field->GetNameRef());
        columns.push_back(c);
        fields.push_back(field);
    }
    if (columns.empty())
        return;

    const CString prefix =
        CString::Concat(L"INSERT INTO ", table->GetNameRef(), L"(", columnList, L") VALUES (");
    const LONG rowCount = data->GetRowCount();
    statements.reserve(static_cast<size_t>(rowCount));
    // Each row is written into one reused buffer and then copied once at
    // its final length.
    std::wstring row;
    for (LONG r = 0; r < rowCount; ++r) {
        row.assign(prefix.View());
        for (size_t k = 0; k < columns.size(); ++k) {
            if (k > 0)
                row += L", ";
            const COleVariant value(data->GetValueRef(r, columns[k]));
            row += FormatValue(fields[k], value).View();
        }
        row += L')';
        statements.emplace_back(row);
    }
}

} // namespace VrlSchemaLib
