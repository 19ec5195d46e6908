// VrlDbms: single DDL statements (tables, columns, keys, indexes, routines,
// views, sequences) and the pieces they are built from.
#include <cwchar>
#include <string>
#include <string_view>

#include "../platform/CException.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlView.h"
#include "../support/VrlConversions.h"
#include "VrlDbms.h"

namespace VrlSchemaLib {

using namespace std::string_view_literals;

namespace {

// The publishing columns go with every table that refers to a published
// batch definition, except the batch-definition table itself.
bool NeedsPublishingColumns(const VrlTable* table, const VrlField* field) {
    // Only "P" and "p" fold to "p": most names are told apart by their first
    // character without the whole comparison.
    const std::wstring_view name = field->GetNameRef().View();
    if (name.empty() || (name[0] != L'P' && name[0] != L'p'))
        return false;
    return field->GetNameRef().CompareNoCase(L"PublishedBatchDefID") == 0 &&
           table->GetNameRef().CompareNoCase(L"BatchDefID") != 0;
}

CString Join(const std::vector<CString>& names, const wchar_t* separator) {
    CString result;
    if (names.empty())
        return result;
    // Measured first, so that the text is allocated once.
    size_t length = std::char_traits<wchar_t>::length(separator) * (names.size() - 1);
    for (const CString& name : names)
        length += static_cast<size_t>(name.GetLength());
    result.PreallocateMore(length);
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            result += separator;
        result += names[i];
    }
    return result;
}

// Removes every trailing character that is one of `chars`.
void StripTrailing(CString& text, const wchar_t* chars) {
    const size_t keep = text.View().find_last_not_of(chars);
    text.Truncate(keep == std::wstring_view::npos ? 0 : static_cast<int>(keep + 1));
}

// `format` with each "%s" replaced by the next of `args` and "%%" by "%",
// as CString::Format writes them; false (and `out` unusable) for a format
// with any other conversion, or with more "%s" than `args`.
template <size_t N>
bool SubstituteTexts(const CString& format, const std::wstring_view (&args)[N], CString& out) {
    const std::wstring_view text = format.View();
    size_t length = text.size();
    for (std::wstring_view arg : args)
        length += arg.size();
    out.Preallocate(static_cast<int>(length));
    size_t next = 0;
    size_t i = 0;
    while (i < text.size()) {
        const size_t percent = text.find(L'%', i);
        if (percent == std::wstring_view::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, percent - i);
        if (percent + 1 == text.size())
            return false;
        const wchar_t conversion = text[percent + 1];
        if (conversion == L'%') {
            out += L'%';
        } else if (conversion == L's' && next < N) {
            out += args[next++];
        } else {
            return false;
        }
        i = percent + 2;
    }
    return true;
}

} // namespace

// ---- whole objects ----

CString VrlDbms::FormatCreateTable(const VrlTable* table) const {
    return GetTableFields(table);
}

CString VrlDbms::FormatDropTable(const wchar_t* name) const {
    return L"DROP TABLE " + CString(name);
}

CString VrlDbms::FormatDropTable(const VrlTable* table) const {
    // The extra-columns buffer follows the name directly; it is empty for
    // every dialect without computed twin columns.
    return FormatDropTable(table->GetNameRef()) + sm_strExtraColumns;
}

CString VrlDbms::FormatCreateProcedure(const VrlProcedure* procedure) const {
    return GetProcedure(procedure);
}

CString VrlDbms::FormatAlterProcedure(const VrlProcedure* procedure) const {
    CString text = GetProcedure(procedure);
    if (m_nDbmsType != cm_nOracle)
        text.Replace(L"CREATE", L"ALTER");
    return text;
}

CString VrlDbms::FormatDropProcedure(const wchar_t* name) const {
    return L"DROP PROCEDURE " + CString(name);
}

CString VrlDbms::FormatDropProcedure(const VrlProcedure* procedure) const {
    return FormatDropProcedure(procedure->GetNameRef());
}

CString VrlDbms::FormatCreateFunction(const VrlFunction* function) const {
    return GetFunction(function);
}

CString VrlDbms::FormatAlterFunction(const VrlFunction* function) const {
    CString text = GetFunction(function);
    if (m_nDbmsType != cm_nOracle)
        text.Replace(L"CREATE", L"ALTER");
    return text;
}

CString VrlDbms::FormatDropFunction(const VrlFunction* function) const {
    return L"DROP FUNCTION " + function->GetNameRef();
}

CString VrlDbms::FormatCreateView(const VrlView* view) const {
    return GetView(view);
}

CString VrlDbms::FormatAlterView(const VrlView* view) const {
    CString text = GetView(view);
    text.Replace(L"CREATE", L"ALTER");
    return text;
}

CString VrlDbms::FormatDropView(const VrlView* view) const {
    return L"DROP VIEW " + view->GetNameRef();
}

CString VrlDbms::FormatDropSequence(const wchar_t* name) const {
    return L"DROP SEQUENCE " + CString(name);
}

// ---- columns ----

CString VrlDbms::FormatAddColumn(const VrlTable* table, const VrlField* field) const {
    return L"ALTER TABLE " + table->GetNameRef() + L" ADD " + GetFieldInfo(field);
}

CString VrlDbms::FormatAlterColumn(const VrlTable* table, const VrlField* field) const {
    const CString definition = Sql(54, ConverToSqlDataType(field->GetDataType(), field->GetLength()),
                                   ConverToSqlDataType(field->GetNullType()));
    return Sql(53, table->GetNameRef(), field->GetNameRef(), definition);
}

CString VrlDbms::FormatDropColumn(const VrlTable* table, const VrlField* field) const {
    return L"ALTER TABLE " + table->GetNameRef() + L" DROP COLUMN " + field->GetNameRef();
}

CString VrlDbms::FormatAddConstraintsOnField(const VrlTable*, const VrlField*) const {
    return CString();
}

CString VrlDbms::FormatDropConstraintsOnField(const VrlTable*, const VrlField*) const {
    return CString();
}

// ---- constraints and indexes ----

CString VrlDbms::FormatAddConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    switch (constraint->GetType()) {
    case ctPrimaryKey:
        return FormatPrimaryKey(table, constraint);
    case ctUnique:
        return FormatUniqueConstraint(table, constraint);
    case ctForeignKey:
    case ctForeignKey7:
        return FormatForeignKeyConstraint(table, constraint);
    case ctIndex:
    case ctIndex6:
        return FormatNonUniqueIndex(table, constraint);
    default:
        AfxThrowNotSupportedException();
    }
}

CString VrlDbms::FormatPrimaryKey(const VrlConstraint*) const {
    return CString(L"PRIMARY KEY");
}

CString VrlDbms::GetPrimaryKeyConstraintFormat() const {
    return CString(L"ALTER TABLE %s ADD CONSTRAINT %s PRIMARY KEY(%s)");
}

CString VrlDbms::FormatPrimaryKey(const VrlTable* table, const VrlConstraint* constraint) const {
    const CString format = GetPrimaryKeyConstraintFormat();
    const CString fields = GetFields(constraint->GetFields());
    const std::wstring_view args[] = {table->GetNameRef().CView(), constraint->GetNameRef().CView(),
                                      fields.CView()};
    CString text;
    if (!SubstituteTexts(format, args, text))
        text.Format(format, table->GetNameRef().GetString(), constraint->GetNameRef().GetString(),
                    fields.GetString());
    const CString key = FormatPrimaryKey(constraint);
    if (key != L"PRIMARY KEY")
        text.Replace(L"PRIMARY KEY", key);
    return text;
}

CString VrlDbms::FormatUniqueConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    const CString text =
        CString::Concat(L"ALTER TABLE "sv, table->GetNameRef(), L" ADD CONSTRAINT "sv,
                        constraint->GetNameRef(), L" UNIQUE("sv, GetFields(constraint->GetFields()), L")"sv);
    ValidateString(text);
    return text;
}

CString VrlDbms::FormatNonUniqueIndex(const VrlTable* table, const VrlConstraint* constraint) const {
    const CString text =
        FormatCreateIndex(constraint->GetNameRef(), table->GetNameRef(), GetIndexFields(table, constraint));
    ValidateString(text);
    return text;
}

CString VrlDbms::FormatCreateIndex(const wchar_t* index, const wchar_t* table, const wchar_t* columns) const {
    CString limited;
    const bool limit = m_nDbmsType == cm_nOracle || m_nDbmsType == cm_nDB2;
    if (limit)
        limited = VrlConversions::AnsiConstraintLimit(CString(index)); // copied at once: the buffer is shared
    const CString text = CString::Concat(
        L"CREATE INDEX "sv, limit ? limited.View() : (index ? std::wstring_view(index) : std::wstring_view()),
        L" ON "sv, table, L"("sv, columns, L")"sv);
    ValidateString(text);
    return text;
}

CString VrlDbms::FormatDropIndex(const VrlTable* table, const wchar_t* index) const {
    CString name(index);
    if (m_nDbmsType == cm_nOracle || m_nDbmsType == cm_nDB2)
        name = VrlConversions::AnsiConstraintLimit(name);
    return Sql(55, table->GetNameRef(), name);
}

CString VrlDbms::FormatForeignKeyConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    const CString columns = GetFieldsWithSurroundBrackets(constraint->GetFields());
    const CString referenced = GetFieldsWithSurroundBrackets(constraint->GetRefFields());
    const CString onDelete = ConverToSqlDataType(constraint->GetOnDeleteType());
    const CString onUpdate = ConverToSqlDataType(constraint->GetOnUpdateType());

    // C texts, as "%s" would take them (up to a first NUL).
    const CString refTable = constraint->GetRefTable();
    const CString statement = CString::Concat(
        L"ALTER TABLE "sv, table->GetNameRef().CView(), L" ADD CONSTRAINT "sv,
        constraint->GetNameRef().CView(), L" FOREIGN KEY("sv, columns.CView(), L") REFERENCES "sv,
        refTable.CView(), L"("sv, referenced.CView(), L") "sv, onDelete.IsEmpty() ? L""sv : L"ON DELETE "sv,
        onDelete.CView(), L" "sv, onUpdate.IsEmpty() ? L""sv : L"ON UPDATE "sv, onUpdate.CView());
    ValidateString(statement);
    if (constraint->GetType() == ctForeignKey7)
        return statement;

    // Every other foreign key gets an index on its referencing columns.
    const CString index =
        FormatCreateIndex(constraint->GetNameRef() + L"Index", table->GetNameRef(), columns);
    ValidateString(index);
    return CString::Concat(statement, L';', index);
}

CString VrlDbms::FormatDropConstraint(const VrlTable* table, const wchar_t* name) const {
    return L"ALTER TABLE " + table->GetNameRef() + L" DROP CONSTRAINT " + CString(name);
}

CString VrlDbms::FormatDropPrimaryKey(const VrlTable* table, const wchar_t* name) const {
    return FormatDropConstraint(table, name);
}

CString VrlDbms::FormatDropConstraint(const VrlTable* table, const VrlConstraint* constraint) const {
    const VrlConstraintType type = constraint->GetType();
    if (type == ctIndex || type == ctIndex6)
        return FormatDropIndex(table, constraint->GetNameRef());
    CString text = FormatDropConstraint(table, constraint->GetNameRef().GetString());
    if (type == ctForeignKey || type == ctForeignKeyNotGenerated)
        text += L"; " + FormatDropIndex(table, constraint->GetNameRef() + L"Index");
    return text;
}

// ---- pieces ----

namespace {

// The characters CString::TrimRight() takes off.
bool IsTrimmedSpace(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n' || ch == L'\v' || ch == L'\f';
}

} // namespace

CString VrlDbms::GetFieldInfo(const VrlField* field) const {
    CString text;
    VrlDbms::AppendFieldInfo(text, field);
    return text;
}

void VrlDbms::AppendFieldInfo(CString& out, const VrlField* field) const {
    const CString name = FormatFieldName(field->GetNameRef());
    const CString type = ConverToSqlDataType(field->GetDataType(), field->GetLength());
    const CString defaultClause = GetDefaultValue(field);
    const CString nullClause = ConverToSqlDataType(field->GetNullType());
    if (field->GetDataType() == dtName) {
        const LONG length = field->GetLength();
        sm_strExtraColumns +=
            Sql(17, static_cast<int>(length), name, length > 127 ? L"VAR" : L"", nullClause);
    }
    m_oSqlStrings.AppendTo(out, 16, 0, name, type, defaultClause, nullClause, Unused(), Unused());
}

CString VrlDbms::GetDefaultValue(const VrlField* field) const {
    const CString literal = FormatValue(field, field->GetDefaultValueRef());
    if (literal.IsEmpty() || literal.CompareNoCase(L"NULL") == 0)
        return CString();
    return L"DEFAULT " + literal;
}

CString VrlDbms::GetTableFields(const VrlTable* table) const {
    sm_strExtraColumns.Empty();
    CString columns;
    bool written = false;
    bool publishing = false;

    const LONG count = table->GetFieldCount();
    // About what a column definition takes, so that the list seldom grows.
    columns.Preallocate(48 * (count + 2));
    // Each definition is written in place, then trimmed at its end as a text
    // of its own would be.
    const auto addColumn = [&](const VrlField* field) {
        const int start = columns.GetLength();
        AppendFieldInfo(columns, field);
        int end = columns.GetLength();
        while (end > start && IsTrimmedSpace(columns.GetString()[end - 1]))
            --end;
        if (end < columns.GetLength())
            columns.Truncate(end);
        columns += L",\r\n"sv;
    };

    for (LONG i = 0; i < count; ++i) {
        const VrlField* field = table->GetField(i);
        if (field == nullptr || field->IsFake() || field->GetDataType() == dtBinary)
            continue;
        addColumn(field);
        written = true;
        if (!publishing && NeedsPublishingColumns(table, field))
            publishing = true;
    }

    if (publishing) {
        // Built as real fields so that the dialect spells them like any
        // other column; they belong to the table being written.
        VrlField adminID(L"AdminID", VrlDataDefinition(dtLong, 0), COleVariant(static_cast<long>(0), VT_I4),
                         ntNull, CString(), 0, paNone, VrlSchemaVersion(), 0, 0);
        VrlField referenced(L"Referenced", VrlDataDefinition(dtBoolean, 0),
                            COleVariant(static_cast<short>(0), VT_I2), ntNotNull, CString(), 0, paNone,
                            VrlSchemaVersion(), 0, 0);
        adminID.SetTable(table);
        referenced.SetTable(table);
        addColumn(&adminID);
        addColumn(&referenced);
    }

    StripTrailing(columns, L",\r\n");
    if (!written)
        return CString();
    return Sql(12, table->GetNameRef(), columns, sm_strExtraColumns);
}

CString VrlDbms::GetFields(const std::vector<CString>& names) const {
    // One name is handed out as a shared copy of itself.
    if (names.size() == 1)
        return names[0];
    return Join(names, L", ");
}

CString VrlDbms::GetFieldsWithSurroundBrackets(const std::vector<CString>& names) const {
    if (names.size() == 1)
        return FormatFieldName(names[0]);
    CString result;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            result += L", ";
        result += FormatFieldName(names[i]);
    }
    return result;
}

CString VrlDbms::FormatIndexField(const VrlTable*, const wchar_t* column, const VrlConstraint*) const {
    return CString(column);
}

CString VrlDbms::GetIndexFields(const VrlTable* table, const VrlConstraint* constraint) const {
    CString result;
    const std::vector<CString>& names = constraint->GetFields();
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            result += L',';
        result += FormatIndexField(table, names[i], constraint);
    }
    // A constant column makes the index hold rows whose real columns are all
    // NULL, which an index of nullable columns would otherwise leave out.
    if (m_nDbmsType == cm_nOracle && constraint->IsSupportNullableColumns()) {
        if (!names.empty())
            result += L',';
        result += L"'1'";
    }
    return result;
}

int VrlDbms::IsPrimaryKey(CString column, const VrlConstraint* constraint) const {
    if (column.IsEmpty() || constraint == nullptr || constraint->GetType() != ctPrimaryKey)
        return 0;
    const std::vector<CString>& fields = constraint->GetFields();
    return fields.size() == 1 && fields[0].CompareNoCase(column) == 0 ? 1 : 0;
}

CString VrlDbms::CreateWhereComparison(const wchar_t*, const wchar_t* column, const wchar_t* value) const {
    return CString(column) + L"=" + CString(value);
}

} // namespace VrlSchemaLib
