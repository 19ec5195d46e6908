#include "VrlUpgradePlanner.h"

#include <array>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "../schema/VrlConstraint.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlTableData.h"
#include "../schema/VrlView.h"
#include "../sqlgen/VrlDbms.h"
#include "../support/VrlConversions.h"
#include "VrlUpgradeDialect.h"
#include "VrlUpgradeRefusal.h"

namespace VrlSchemaLib {

namespace {

using Kind = VrlUpgradeStepKind;

// The groups of the plan, in the order they run.
enum Phase {
    kDropForeignKeys,
    kDropKeys,
    kDropRoutines,
    kCreateTables,
    kAddColumns,
    kAlterColumns,
    kDropColumns,
    kDropTables,
    kAddKeys,
    kAddForeignKeys,
    kCreateRoutines,
    kCreateTriggers,
    kSeedRows,
    kPhaseCount
};

CString Lower(const CString& text) {
    CString lower = text;
    lower.MakeLower();
    return lower;
}

// ---- what a column can hold, for the data-loss rule ----

enum class Family { Integer, Float, Text, Guid, Date, Other };

Family FamilyOf(VrlDataType type) {
    switch (type) {
    case dtInteger:
    case dtAutoIncrement:
    case dtBoolean:
    case dtByte:
    case dtShort:
    case dtLong:
    case dtBigInt:
    case dtInteger18:
    case dtInteger19:
    case dtInteger20:
    case dtInteger21:
        return Family::Integer;
    case dtSingle:
    case dtDouble:
        return Family::Float;
    case dtString:
    case dtLongText:
    case dtString256:
    case dtMemo:
    case dtMemo22:
    case dtName:
    case dtAnsiString:
    case dtAnsiString26:
    case dtSysName:
        return Family::Text;
    case dtGuid:
    case dtGuid23:
    case dtGuid28:
        return Family::Guid;
    case dtDateTime:
    case dtTimestamp:
        return Family::Date;
    default:
        return Family::Other;
    }
}

// Bytes of an integer type; a boolean counts as the narrowest.
int IntegerWidth(VrlDataType type) {
    switch (type) {
    case dtBoolean:
        return 0;
    case dtByte:
        return 1;
    case dtShort:
        return 2;
    case dtBigInt:
        return 8;
    default:
        return 4;
    }
}

// Characters a text column holds; a text type without a length holds any.
long TextCapacity(VrlDataType type, LONG length) {
    switch (type) {
    case dtLongText:
    case dtMemo:
    case dtMemo22:
        return LONG_MAX;
    case dtString256:
        return 256;
    case dtSysName:
        return 128;
    default:
        return length > 0 ? length : LONG_MAX;
    }
}

bool IsAnsiText(VrlDataType type) {
    return type == dtAnsiString || type == dtAnsiString26;
}

// Empty when every value of `from` fits `to`; else why not.
const wchar_t* LossOfType(const VrlField* from, const VrlField* to) {
    const VrlDataType a = from->GetDataType();
    const VrlDataType b = to->GetDataType();
    const Family fa = FamilyOf(a);
    const Family fb = FamilyOf(b);
    if (a == b && from->GetLength() == to->GetLength())
        return nullptr;
    if (fb == Family::Text) {
        // Numbers, GUIDs and dates are written in at most 40 characters.
        const long needed = fa == Family::Text ? TextCapacity(a, from->GetLength()) : 40;
        if (fa == Family::Other)
            return L"a type that does not hold every value";
        if (TextCapacity(b, to->GetLength()) < needed)
            return fa == Family::Text ? L"a shorter length" : L"a text too short for every value";
        if (IsAnsiText(b) && fa == Family::Text && !IsAnsiText(a))
            return L"a text type without Unicode";
        return nullptr;
    }
    if (fa == Family::Integer && fb == Family::Integer)
        return IntegerWidth(b) >= IntegerWidth(a) && (b != dtBoolean || a == dtBoolean)
                   ? nullptr
                   : L"a narrower integer type";
    if (fa == Family::Integer && fb == Family::Float)
        return IntegerWidth(a) <= (b == dtSingle ? 2 : 4) ? nullptr : L"a floating-point type that rounds";
    if (fa == Family::Float && fb == Family::Float)
        return b == dtDouble || a == dtSingle ? nullptr : L"a less precise floating-point type";
    if (fa == Family::Date && fb == Family::Date)
        return a == dtTimestamp && b != dtTimestamp ? L"a date type with less precision" : nullptr;
    if (fa == fb && fa == Family::Guid)
        return nullptr;
    return L"a type that does not hold every value";
}

// ---- the comparison of one table in both versions ----

struct ColumnChange {
    const VrlField* from;
    const VrlField* to;
    bool alter; // type, length or nullability
    bool loses; // allowed data loss
};

struct TablePair {
    const VrlTable* from = nullptr;
    const VrlTable* to = nullptr;
    std::vector<const VrlField*> added;
    std::vector<ColumnChange> changed; // altered, or only their default changed
    std::vector<const VrlField*> dropped;
    std::unordered_set<CString> reshaped; // lower-cased names of altered and dropped columns
    bool fromFaked = false;
    bool toFaked = false;

    bool IsReshaped() const { return !reshaped.empty(); }
};

// ---- quick model comparisons: equal models give equal statements, so the
// generator is asked for texts only where the models differ ----

// False when unsure (the texts then decide).
bool SameValue(const COleVariant& a, const COleVariant& b) {
    if (a.vt != b.vt)
        return false;
    switch (a.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_I2:
    case VT_BOOL:
        return a.iVal == b.iVal;
    case VT_I4:
        return a.lVal == b.lVal;
    case VT_I8:
        return a.llVal == b.llVal;
    case VT_I1:
        return a.cVal == b.cVal;
    case VT_R4:
        return a.fltVal == b.fltVal;
    case VT_R8:
    case VT_DATE:
        return a.dblVal == b.dblVal;
    case VT_BSTR:
        return CString(a.bstrVal) == CString(b.bstrVal);
    default:
        return false;
    }
}

bool SameColumn(const VrlField* a, const VrlField* b) {
    return a->GetDataType() == b->GetDataType() && a->GetLength() == b->GetLength() &&
           (a->GetNullType() == ntNotNull) == (b->GetNullType() == ntNotNull) &&
           a->GetNameRef() == b->GetNameRef() && SameValue(a->GetDefaultValueRef(), b->GetDefaultValueRef());
}

bool SameConstraint(const VrlConstraint* a, const VrlConstraint* b) {
    return a->GetType() == b->GetType() && a->GetNameRef() == b->GetNameRef() &&
           a->GetFields() == b->GetFields() && a->GetRefTable() == b->GetRefTable() &&
           a->GetRefFields() == b->GetRefFields() && a->GetOnDeleteType() == b->GetOnDeleteType() &&
           a->GetOnUpdateType() == b->GetOnUpdateType() && a->IsClustered() == b->IsClustered() &&
           a->GetIncludedFields() == b->GetIncludedFields() &&
           a->GetCaseInsensitiveFields() == b->GetCaseInsensitiveFields() &&
           a->IsSupportNullableColumns() == b->IsSupportNullableColumns();
}

// Lookups by name, tried first at the position `hint`, where the object
// usually is when both versions list their objects alike.
const VrlField* FieldNamed(const VrlTable* table, LONG hint, const CString& name) {
    if (hint < table->GetFieldCount()) {
        const VrlField* field = table->GetField(hint);
        if (field != nullptr && field->GetNameRef() == name)
            return field;
    }
    return table->GetField(name);
}

const VrlConstraint* ConstraintNamed(const VrlTable* table, LONG hint, const CString& name) {
    if (hint < table->GetConstraintCount()) {
        const VrlConstraint* constraint = table->GetConstraint(hint);
        if (constraint != nullptr && constraint->GetNameRef() == name)
            return constraint;
    }
    return table->GetConstraint(name);
}

const VrlTable* TableNamed(const VrlSchema& schema, LONG hint, const CString& name) {
    if (hint < schema.GetTableCount()) {
        const VrlTable* table = schema.GetTable(hint);
        if (table->GetNameRef() == name)
            return table;
    }
    return schema.GetTableDontThrow(name);
}

bool IsWritten(const VrlField* field) {
    return field != nullptr && !field->IsFake() && field->GetDataType() != dtBinary;
}

bool IsForeignKey(VrlConstraintType type) {
    return type == ctForeignKey || type == ctForeignKey7;
}

Kind AddKind(VrlConstraintType type) {
    switch (type) {
    case ctPrimaryKey:
        return Kind::AddPrimaryKey;
    case ctUnique:
        return Kind::AddUniqueKey;
    case ctForeignKey:
    case ctForeignKey7:
        return Kind::AddForeignKey;
    default:
        return Kind::AddIndex;
    }
}

Kind DropKind(VrlConstraintType type) {
    switch (type) {
    case ctPrimaryKey:
        return Kind::DropPrimaryKey;
    case ctUnique:
        return Kind::DropUniqueKey;
    case ctForeignKey:
    case ctForeignKey7:
        return Kind::DropForeignKey;
    default:
        return Kind::DropIndex;
    }
}

// The pieces of a text that joins statements with semicolons.
std::vector<CString> SplitJoined(const CString& text) {
    std::vector<CString> pieces;
    int start = 0;
    while (start <= text.GetLength()) {
        int end = text.Find(L';', start);
        if (end < 0)
            end = text.GetLength();
        CString piece = text.Mid(start, end - start);
        piece.Trim();
        if (!piece.IsEmpty())
            pieces.push_back(piece);
        start = end + 1;
    }
    return pieces;
}

// The word after the first "INDEX " of a CREATE or DROP INDEX statement.
CString IndexNameOf(const CString& statement) {
    const int at = statement.Find(L"INDEX ");
    if (at < 0)
        return CString();
    const int start = at + 6;
    int end = start;
    while (end < statement.GetLength() && statement[end] != L' ' && statement[end] != L'(' &&
           statement[end] != L'\n')
        ++end;
    return statement.Mid(start, end - start);
}

CString NameAfter(const CString& text, const wchar_t* keyword);

// The name a constraint or index statement gives its object: the word after
// "CONSTRAINT " or, failing that, after "INDEX ".
CString WrittenName(const CString& statement) {
    return statement.Find(L"CONSTRAINT ") >= 0 ? NameAfter(statement, L"CONSTRAINT ")
                                               : IndexNameOf(statement);
}

// The word after the first occurrence of `keyword` (trigger and procedure
// names of creation texts).
CString NameAfter(const CString& text, const wchar_t* keyword) {
    const int at = text.Find(keyword);
    if (at < 0)
        return CString();
    int start = at + static_cast<int>(wcslen(keyword));
    while (start < text.GetLength() && text[start] == L' ')
        ++start;
    int end = start;
    while (end < text.GetLength() && text[end] != L' ' && text[end] != L'(' && text[end] != L'\n' &&
           text[end] != L'\t')
        ++end;
    return text.Mid(start, end - start);
}

// Whether `text` names one of `tables` (lower-cased) as a whole word.
bool MentionsAny(const CString& text, const std::unordered_set<CString>& tables) {
    if (tables.empty())
        return false;
    const std::wstring_view s = text.View();
    size_t i = 0;
    while (i < s.size()) {
        if (!iswalnum(s[i]) && s[i] != L'_') {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < s.size() && (iswalnum(s[j]) || s[j] == L'_'))
            ++j;
        CString word(s.substr(i, j - i));
        if (tables.count(word.MakeLower()) > 0)
            return true;
        i = j;
    }
    return false;
}

class Session {
public:
    Session(VrlDbms& generator, const VrlSchema& from, const VrlSchema& to, bool allowLoss)
        : m_rGen(generator), m_pDialect(VrlUpgradeDialect::For(generator)), m_rFrom(from), m_rTo(to),
          m_bAllowLoss(allowLoss) {}

    VrlUpgradePlan Run();

private:
    // ---- probes and steps ----
    CString Probe(const VrlSchemaObject* object) const {
        return m_pDialect->HasCatalogue() ? m_pDialect->CatalogueCase(m_rGen.FormatObjectExists(object))
                                          : CString();
    }
    // The probe of a constraint, naming it as `statement` writes it: the
    // probes cut every constraint name to the ANSI identifier limit, the
    // statements only index names, and the catalogue holds what the
    // statement wrote.
    CString ConstraintProbe(const VrlConstraint* constraint, const CString& statement) const {
        if (!m_pDialect->HasCatalogue())
            return CString();
        CString probe = m_rGen.FormatObjectExists(constraint);
        const CString written = WrittenName(statement);
        const CString limited = VrlConversions::AnsiConstraintLimit(constraint->GetNameRef());
        if (!written.IsEmpty() && written != limited)
            probe.Replace(CString::Concat(L"N'", limited, L"'"), CString::Concat(L"N'", written, L"'"));
        return m_pDialect->CatalogueCase(probe);
    }
    CString IndexProbe(const VrlTable* table, const CString& name) const {
        VrlConstraint index(name, ctIndex, std::vector<CString>{}, table->GetVersion());
        index.SetTable(table);
        return Probe(&index);
    }
    static VrlUpgradeStatement Statement(const CString& text, const CString& probe, bool whenFound) {
        VrlUpgradeStatement statement;
        statement.m_strText = text;
        statement.m_strProbe = probe;
        statement.m_bWhenFound = whenFound;
        return statement;
    }
    void Add(Phase phase, Kind kind, const CString& object, std::vector<VrlUpgradeStatement> statements,
             bool destructive = false) {
        if (statements.empty())
            return;
        VrlUpgradeStep step{kind, object, destructive, std::move(statements)};
        m_aPhases[phase].push_back(std::move(step));
    }
    void Add(Phase phase, Kind kind, const CString& object, const CString& text, const CString& probe,
             bool whenFound, bool destructive = false) {
        CString trimmed = text;
        trimmed.Trim();
        if (trimmed.IsEmpty())
            return;
        Add(phase, kind, object, {Statement(trimmed, probe, whenFound)}, destructive);
    }

    // ---- comparison ----
    void PairTables();
    void CompareColumns(TablePair& pair);
    bool IsGenerated(const VrlConstraint* constraint) const {
        if (constraint == nullptr)
            return false;
        switch (constraint->GetType()) {
        case ctPrimaryKey:
        case ctUnique:
        case ctForeignKey:
        case ctForeignKey7:
        case ctIndex:
            return true;
        case ctIndex6:
            return m_pDialect->WritesIndexType6();
        default:
            return false;
        }
    }
    bool Touches(const VrlConstraint* constraint, const TablePair& pair) const;
    // The constraint is written differently in the two versions. Equal
    // models over unchanged columns are written alike.
    bool Changed(const TablePair& pair, const VrlConstraint* from, const VrlConstraint* to) const {
        return !SameConstraint(from, to) &&
               m_rGen.FormatAddConstraint(pair.from, from) != m_rGen.FormatAddConstraint(pair.to, to);
    }
    bool ReferencesReshaped(const VrlConstraint* key) const {
        const auto found = m_oPairsByName.find(Lower(key->GetRefTable()));
        if (found == m_oPairsByName.end())
            return false;
        for (const CString& field : key->GetRefFields()) {
            if (found->second->reshaped.count(Lower(field)) > 0)
                return true;
        }
        return false;
    }
    CString Definition(const VrlField* field) const;

    // ---- steps ----
    void PlanTables();
    void PlanConstraints(const TablePair& pair);
    void PlanForeignKeys();
    void PlanColumns(const TablePair& pair);
    void FillNulls(const TablePair& pair, const ColumnChange& change);
    void AddConstraint(const VrlTable* table, const VrlConstraint* constraint);
    void DropConstraint(const VrlTable* table, const VrlConstraint* constraint);
    void AddShadowColumns(const VrlTable* table, int extraBefore);
    void PlanRoutines();
    template <class T, class Count, class At, class Create, class Drop>
    void PlanObjects(Kind create, Kind replace, Kind drop, Count count, At at, Create createText,
                     Drop dropText);
    void PlanBufferProcedures(const VrlTable* from, const VrlTable* to);
    void PlanTriggers();
    void PlanSeedRows(const VrlTable* from, const VrlTable* to);

    VrlDbms& m_rGen;
    std::unique_ptr<VrlUpgradeDialect> m_pDialect;
    const VrlSchema& m_rFrom;
    const VrlSchema& m_rTo;
    bool m_bAllowLoss;

    std::vector<TablePair> m_vPairs; // schema order of `to`, then the dropped tables
    std::unordered_map<CString, const TablePair*> m_oPairsByName; // lower-cased name in `to`
    std::unordered_set<CString> m_oDroppedTables;                 // lower-cased
    std::unordered_set<CString>
        m_oReshapedTables; // lower-cased: columns altered or dropped, or the table dropped
    std::unordered_set<CString> m_oRekeyedTables; // lower-cased: a key or unique constraint is dropped
    std::vector<VrlDataLoss> m_vLosses;
    std::array<std::vector<VrlUpgradeStep>, kPhaseCount> m_aPhases;
};

CString Session::Definition(const VrlField* field) const {
    CString text = m_rGen.ConverToSqlDataType(field->GetDataType(), field->GetLength());
    const CString defaultClause = m_rGen.GetDefaultValue(field);
    if (!defaultClause.IsEmpty())
        text += L" " + defaultClause;
    const CString nullClause = m_rGen.ConverToSqlDataType(field->GetNullType());
    if (!nullClause.IsEmpty())
        text += L" " + nullClause;
    return text;
}

void Session::PairTables() {
    m_vPairs.reserve(static_cast<size_t>(m_rTo.GetTableCount() + m_rFrom.GetTableCount()));
    for (LONG i = 0; i < m_rTo.GetTableCount(); ++i) {
        TablePair pair;
        pair.to = m_rTo.GetTable(i);
        pair.from = TableNamed(m_rFrom, i, pair.to->GetNameRef());
        pair.toFaked = pair.to->IsFaked();
        if (pair.from != nullptr) {
            pair.fromFaked = pair.from->IsFaked();
            CompareColumns(pair);
        }
        m_vPairs.push_back(std::move(pair));
    }
    for (LONG i = 0; i < m_rFrom.GetTableCount(); ++i) {
        const VrlTable* table = m_rFrom.GetTable(i);
        if (TableNamed(m_rTo, i, table->GetNameRef()) != nullptr)
            continue;
        TablePair pair;
        pair.from = table;
        pair.fromFaked = table->IsFaked();
        m_oDroppedTables.insert(Lower(table->GetNameRef()));
        m_oReshapedTables.insert(Lower(table->GetNameRef()));
        m_vPairs.push_back(std::move(pair));
    }
}

void Session::CompareColumns(TablePair& pair) {
    for (LONG i = 0; i < pair.to->GetFieldCount(); ++i) {
        const VrlField* to = pair.to->GetField(i);
        if (!IsWritten(to))
            continue;
        const VrlField* from = FieldNamed(pair.from, i, to->GetNameRef());
        if (!IsWritten(from)) {
            pair.added.push_back(to);
            continue;
        }
        if (SameColumn(from, to))
            continue;
        const bool alter =
            m_rGen.ConverToSqlDataType(from->GetDataType(), from->GetLength()) !=
                m_rGen.ConverToSqlDataType(to->GetDataType(), to->GetLength()) ||
            m_rGen.ConverToSqlDataType(from->GetNullType()) != m_rGen.ConverToSqlDataType(to->GetNullType());
        const bool defaultChanged = m_rGen.GetDefaultValue(from) != m_rGen.GetDefaultValue(to);
        if (!alter && !defaultChanged)
            continue;
        ColumnChange change{from, to, alter, false};
        if (alter) {
            const wchar_t* reason = LossOfType(from, to);
            if (reason == nullptr && from->GetNullType() != ntNotNull && to->GetNullType() == ntNotNull &&
                m_rGen.GetDefaultValue(to).IsEmpty())
                reason = L"NOT NULL without a default";
            if (reason != nullptr) {
                m_vLosses.push_back(
                    {pair.to->GetNameRef(), to->GetNameRef(), Definition(from), Definition(to), reason});
                change.loses = true;
            }
            pair.reshaped.insert(Lower(to->GetNameRef()));
        }
        pair.changed.push_back(change);
    }
    for (LONG i = 0; i < pair.from->GetFieldCount(); ++i) {
        const VrlField* from = pair.from->GetField(i);
        if (IsWritten(from) && !IsWritten(FieldNamed(pair.to, i, from->GetNameRef()))) {
            pair.dropped.push_back(from);
            pair.reshaped.insert(Lower(from->GetNameRef()));
        }
    }
    if (pair.IsReshaped())
        m_oReshapedTables.insert(Lower(pair.to->GetNameRef()));
}

bool Session::Touches(const VrlConstraint* constraint, const TablePair& pair) const {
    for (const CString& field : constraint->GetFields()) {
        if (pair.reshaped.count(Lower(field)) > 0)
            return true;
    }
    return false;
}

// ---- tables and columns ----

void Session::PlanTables() {
    for (const TablePair& pair : m_vPairs) {
        if (pair.from == nullptr) {
            const VrlTable* table = pair.to;
            Add(kCreateTables, Kind::CreateTable, table->GetNameRef(), m_rGen.FormatCreateTable(table),
                Probe(table), false);
            PlanBufferProcedures(nullptr, table);
            if (!table->IsFaked()) {
                for (LONG i = 0; i < table->GetConstraintCount(); ++i) {
                    const VrlConstraint* constraint = table->GetConstraint(i);
                    if (IsGenerated(constraint) && !IsForeignKey(constraint->GetType()))
                        AddConstraint(table, constraint);
                }
            }
            PlanSeedRows(nullptr, table);
        } else if (pair.to == nullptr) {
            Add(kDropTables, Kind::DropTable, pair.from->GetNameRef(), m_rGen.FormatDropTable(pair.from),
                Probe(pair.from), true, true);
        } else {
            PlanColumns(pair);
            PlanConstraints(pair);
            PlanBufferProcedures(pair.from, pair.to);
            PlanSeedRows(pair.from, pair.to);
        }
    }
    PlanForeignKeys();
}

void Session::AddShadowColumns(const VrlTable* table, int extraBefore) {
    // Column definitions may add computed twins to the generator's
    // extra-columns buffer (DB2's upper-case shadow of a name column); a
    // column added later needs its twin added with it.
    const CString added = VrlDbms::GetExtraColumns().Mid(extraBefore);
    for (CString twin : SplitJoined(added)) {
        twin.Trim(L",\r\n\t ");
        if (twin.IsEmpty())
            continue;
        const CString name = twin.Left(twin.Find(L' '));
        VrlField shadow(name, table->GetVersion());
        shadow.SetTable(table);
        Add(kAddColumns, Kind::AddColumn, table->GetNameRef() + L"." + name,
            CString::Concat(L"ALTER TABLE ", table->GetNameRef(), L" ADD ", twin), Probe(&shadow), false);
    }
}

// A column that becomes NOT NULL takes its default where it holds NULL, so
// that the change does not fail on the rows it already has.
void Session::FillNulls(const TablePair& pair, const ColumnChange& change) {
    if (change.from->GetNullType() == ntNotNull || change.to->GetNullType() != ntNotNull ||
        m_rGen.GetDefaultValue(change.to).IsEmpty())
        return;
    const CString column = m_rGen.FormatFieldName(change.to->GetNameRef());
    const CString literal = m_rGen.FormatValue(change.to, change.to->GetDefaultValueRef());
    Add(kAlterColumns, Kind::AlterColumn, pair.to->GetNameRef() + L"." + change.to->GetNameRef(),
        CString::Concat(L"UPDATE ", pair.to->GetNameRef(), L" SET ", column, L" = ", literal, L" WHERE ",
                        column, L" IS NULL"),
        Probe(change.from), true);
}

void Session::PlanColumns(const TablePair& pair) {
    const VrlTable* table = pair.to;
    const CString& name = table->GetNameRef();
    for (const VrlField* field : pair.added) {
        const int extraBefore = VrlDbms::GetExtraColumns().GetLength();
        Add(kAddColumns, Kind::AddColumn, name + L"." + field->GetNameRef(),
            m_rGen.FormatAddColumn(table, field), Probe(field), false);
        AddShadowColumns(table, extraBefore);
    }
    bool altered = false;
    for (const ColumnChange& change : pair.changed) {
        const CString object = name + L"." + change.to->GetNameRef();
        std::vector<VrlUpgradeStatement> release;
        m_pDialect->ReleaseColumn(pair.from, change.from, release);
        Add(kAlterColumns, Kind::DropDefault, object, std::move(release));
        if (change.alter) {
            FillNulls(pair, change);
            Add(kAlterColumns, Kind::AlterColumn, object, m_rGen.FormatAlterColumn(table, change.to),
                Probe(change.from), true, change.loses);
            altered = true;
        }
        std::vector<VrlUpgradeStatement> nullability;
        if (change.alter)
            m_pDialect->ApplyNullability(table, change.from, change.to, nullability);
        Add(kAlterColumns, Kind::AlterColumn, object, std::move(nullability), change.loses);
        std::vector<VrlUpgradeStatement> restore;
        m_pDialect->ApplyDefault(table, change.from, change.to, restore);
        Add(kAlterColumns, Kind::SetDefault, object, std::move(restore));
    }
    if (altered)
        Add(kAlterColumns, Kind::Reorganize, name, m_pDialect->Reorganize(table), Probe(table), true);
    for (const VrlField* field : pair.dropped) {
        const CString object = name + L"." + field->GetNameRef();
        std::vector<VrlUpgradeStatement> release;
        m_pDialect->ReleaseColumn(pair.from, field, release);
        Add(kDropColumns, Kind::DropDefault, object, std::move(release));
        Add(kDropColumns, Kind::DropColumn, object, m_rGen.FormatDropColumn(pair.from, field), Probe(field),
            true, true);
    }
    if (!pair.dropped.empty())
        Add(kDropColumns, Kind::Reorganize, name, m_pDialect->Reorganize(table), Probe(table), true);
}

// ---- keys and indexes ----

void Session::AddConstraint(const VrlTable* table, const VrlConstraint* constraint) {
    const Phase phase = IsForeignKey(constraint->GetType()) ? kAddForeignKeys : kAddKeys;
    std::vector<VrlUpgradeStatement> statements;
    // The first piece is the constraint (or the unique index standing in
    // for it); the others are companion indexes named in their text.
    const std::vector<CString> pieces = SplitJoined(m_rGen.FormatAddConstraint(table, constraint));
    for (size_t i = 0; i < pieces.size(); ++i) {
        const CString probe =
            i == 0 ? ConstraintProbe(constraint, pieces[i]) : IndexProbe(table, IndexNameOf(pieces[i]));
        statements.push_back(Statement(pieces[i], probe, false));
    }
    Add(phase, AddKind(constraint->GetType()), table->GetNameRef() + L"." + constraint->GetNameRef(),
        std::move(statements));
}

void Session::DropConstraint(const VrlTable* table, const VrlConstraint* constraint) {
    const Phase phase = IsForeignKey(constraint->GetType()) ? kDropForeignKeys : kDropKeys;
    const CString text = m_rGen.FormatDropConstraint(table, constraint);
    std::vector<VrlUpgradeStatement> statements;
    if (m_pDialect->GuardsItself(text)) {
        // A constraint and its companion index come as two blocks in one
        // text; each runs as a statement of its own.
        int start = 0;
        while (start < text.GetLength()) {
            const int end = text.Find(L"END;", start);
            const int stop = end < 0 ? text.GetLength() : end + 4;
            CString block = text.Mid(start, stop - start);
            block.Trim();
            if (!block.IsEmpty())
                statements.push_back(Statement(block, CString(), true));
            start = stop;
        }
    } else {
        const std::vector<CString> pieces = SplitJoined(text);
        for (size_t i = 0; i < pieces.size(); ++i) {
            const CString probe =
                i == 0 ? ConstraintProbe(constraint, pieces[i]) : IndexProbe(table, IndexNameOf(pieces[i]));
            statements.push_back(Statement(pieces[i], probe, true));
        }
    }
    Add(phase, DropKind(constraint->GetType()), table->GetNameRef() + L"." + constraint->GetNameRef(),
        std::move(statements));
}

void Session::PlanConstraints(const TablePair& pair) {
    if (pair.toFaked)
        return;
    for (LONG i = 0; i < pair.from->GetConstraintCount(); ++i) {
        const VrlConstraint* from = pair.from->GetConstraint(i);
        if (!IsGenerated(from) || IsForeignKey(from->GetType()))
            continue;
        const VrlConstraint* to = ConstraintNamed(pair.to, i, from->GetNameRef());
        if (!IsGenerated(to) || Touches(from, pair) || Changed(pair, from, to)) {
            DropConstraint(pair.from, from);
            m_oRekeyedTables.insert(Lower(pair.to->GetNameRef()));
            if (IsGenerated(to) && !IsForeignKey(to->GetType()))
                AddConstraint(pair.to, to);
        }
    }
    for (LONG i = 0; i < pair.to->GetConstraintCount(); ++i) {
        const VrlConstraint* to = pair.to->GetConstraint(i);
        if (IsGenerated(to) && !IsForeignKey(to->GetType()) &&
            !IsGenerated(ConstraintNamed(pair.from, i, to->GetNameRef())))
            AddConstraint(pair.to, to);
    }
}

void Session::PlanForeignKeys() {
    for (const TablePair& pair : m_vPairs) {
        const VrlTable* from = pair.from;
        const VrlTable* to = pair.to;
        if (from != nullptr && !pair.fromFaked) {
            for (LONG i = 0; i < from->GetConstraintCount(); ++i) {
                const VrlConstraint* key = from->GetConstraint(i);
                if (!IsGenerated(key) || !IsForeignKey(key->GetType()))
                    continue;
                const VrlConstraint* next =
                    to != nullptr && !pair.toFaked ? ConstraintNamed(to, i, key->GetNameRef()) : nullptr;
                const CString refTable = Lower(key->GetRefTable());
                // The keys of a dropped table go too, before any table is
                // dropped or re-keyed. A key goes first when it changed or
                // went, when its own columns change, and when what it points
                // at changes: its table dropped or re-keyed, or the columns
                // it refers to altered or dropped.
                const bool drop = to == nullptr || !IsGenerated(next) || !IsForeignKey(next->GetType()) ||
                                  Touches(key, pair) || m_oDroppedTables.count(refTable) > 0 ||
                                  ReferencesReshaped(key) || m_oRekeyedTables.count(refTable) > 0 ||
                                  Changed(pair, key, next);
                if (!drop)
                    continue;
                DropConstraint(from, key);
                if (IsGenerated(next) && IsForeignKey(next->GetType()))
                    AddConstraint(to, next);
            }
        }
        if (to == nullptr || pair.toFaked)
            continue;
        for (LONG i = 0; i < to->GetConstraintCount(); ++i) {
            const VrlConstraint* key = to->GetConstraint(i);
            if (!IsGenerated(key) || !IsForeignKey(key->GetType()))
                continue;
            const VrlConstraint* before =
                from != nullptr && !pair.fromFaked ? ConstraintNamed(from, i, key->GetNameRef()) : nullptr;
            if (!IsGenerated(before) || !IsForeignKey(before->GetType()))
                AddConstraint(to, key);
        }
    }
}

// ---- views, routines, per-table objects ----

template <class T, class Count, class At, class Create, class Drop>
void Session::PlanObjects(Kind create, Kind replace, Kind drop, Count count, At at, Create createText,
                          Drop dropText) {
    for (LONG i = 0; i < count(m_rFrom); ++i) {
        const T* from = at(m_rFrom, i);
        const T* to = nullptr;
        for (LONG j = 0; j < count(m_rTo) && to == nullptr; ++j) {
            if (at(m_rTo, j)->GetNameRef().CompareNoCase(from->GetNameRef()) == 0)
                to = at(m_rTo, j);
        }
        m_rGen.SetSchema(&m_rFrom);
        const CString before = createText(from);
        m_rGen.SetSchema(&m_rTo);
        if (to != nullptr && before == createText(to) && !MentionsAny(before, m_oReshapedTables))
            continue;
        Add(kDropRoutines, drop, from->GetNameRef(), dropText(from), Probe(from), true);
        if (to != nullptr)
            Add(kCreateRoutines, replace, to->GetNameRef(), createText(to), Probe(to), false);
    }
    for (LONG j = 0; j < count(m_rTo); ++j) {
        const T* to = at(m_rTo, j);
        bool existed = false;
        for (LONG i = 0; i < count(m_rFrom) && !existed; ++i)
            existed = at(m_rFrom, i)->GetNameRef().CompareNoCase(to->GetNameRef()) == 0;
        if (!existed)
            Add(kCreateRoutines, create, to->GetNameRef(), createText(to), Probe(to), false);
    }
}

void Session::PlanRoutines() {
    // Each kind is planned into its own list, and the lists are put in the
    // creation script's order.
    auto planned = [&](auto plan) {
        auto saved = std::move(m_aPhases);
        m_aPhases = {};
        plan();
        auto result = std::move(m_aPhases);
        m_aPhases = std::move(saved);
        return result;
    };
    auto views = planned([&] {
        PlanObjects<VrlView>(
            Kind::CreateView, Kind::ReplaceView, Kind::DropView,
            [](const VrlSchema& s) { return s.GetViewCount(); },
            [](const VrlSchema& s, LONG i) { return s.GetView(i); },
            [&](const VrlView* v) { return m_rGen.FormatCreateView(v); },
            [&](const VrlView* v) { return m_rGen.FormatDropView(v); });
    });
    auto functions = planned([&] {
        PlanObjects<VrlFunction>(
            Kind::CreateFunction, Kind::ReplaceFunction, Kind::DropFunction,
            [](const VrlSchema& s) { return s.GetFunctionCount(); },
            [](const VrlSchema& s, LONG i) { return s.GetFunction(i); },
            [&](const VrlFunction* f) { return m_rGen.FormatCreateFunction(f); },
            [&](const VrlFunction* f) { return m_rGen.FormatDropFunction(f); });
    });
    auto procedures = planned([&] {
        PlanObjects<VrlProcedure>(
            Kind::CreateProcedure, Kind::ReplaceProcedure, Kind::DropProcedure,
            [](const VrlSchema& s) { return s.GetProcedureCount(); },
            [](const VrlSchema& s, LONG i) { return s.GetProcedure(i); },
            [&](const VrlProcedure* p) { return m_rGen.FormatCreateProcedure(p); },
            [&](const VrlProcedure* p) { return m_rGen.FormatDropProcedure(p); });
    });
    // Dependants go before what they depend on when dropping: procedures,
    // then views and functions in the reverse of the creation order.
    const bool viewsFirst = m_rGen.CreateViewsBeforeFunctions();
    auto& first = viewsFirst ? views : functions;
    auto& second = viewsFirst ? functions : views;
    for (auto* group : {&procedures, &second, &first}) {
        for (VrlUpgradeStep& step : (*group)[kDropRoutines])
            m_aPhases[kDropRoutines].push_back(std::move(step));
    }
    for (auto* group : {&first, &second, &procedures}) {
        for (VrlUpgradeStep& step : (*group)[kCreateRoutines])
            m_aPhases[kCreateRoutines].push_back(std::move(step));
    }
}

void Session::PlanBufferProcedures(const VrlTable* from, const VrlTable* to) {
    if (!to->IsBuffered() || to->IsFaked())
        return;
    const CString text = m_rGen.GetBufferFunctionDefinition(to);
    const CString name = NameAfter(text, L"PROCEDURE");
    if (text.IsEmpty() || name.IsEmpty())
        return;
    const CString probe = m_pDialect->HasCatalogue() ? m_rGen.FormatProcedureExists(name) : CString();
    if (from != nullptr && from->IsBuffered() && !from->IsFaked()) {
        if (m_rGen.GetBufferFunctionDefinition(from) == text)
            return;
        Add(kDropRoutines, Kind::DropProcedure, name, m_rGen.FormatDropProcedure(name.GetString()), probe,
            true);
        Add(kCreateRoutines, Kind::ReplaceProcedure, name, text, probe, false);
        return;
    }
    Add(kCreateTables, Kind::CreateProcedure, name, text, probe, false);
}

void Session::PlanTriggers() {
    std::vector<CString> before;
    std::vector<CString> after;
    m_rGen.SetSchema(&m_rFrom);
    m_rGen.GenerateTriggerDefs(&m_rFrom, before);
    m_rGen.SetSchema(&m_rTo);
    m_rGen.GenerateTriggerDefs(&m_rTo, after);
    std::unordered_map<CString, const CString*> afterByName;
    for (const CString& text : after)
        afterByName[NameAfter(text, L"TRIGGER")] = &text;
    std::unordered_set<CString> kept;
    std::vector<CString> gone;
    for (const CString& text : before) {
        const CString name = NameAfter(text, L"TRIGGER");
        const auto found = afterByName.find(name);
        if (found != afterByName.end() && *found->second == text &&
            !MentionsAny(NameAfter(text, L" ON"), m_oReshapedTables))
            kept.insert(name);
        else
            gone.push_back(name);
    }
    if (!gone.empty()) {
        // The generator's drop of a trigger tests for it itself.
        std::vector<CString> drops;
        m_rGen.FormatDropTriggers(&m_rFrom, drops);
        for (const CString& name : gone) {
            for (const CString& drop : drops) {
                if (drop.Right(name.GetLength() + 1) == L" " + name)
                    Add(kDropRoutines, Kind::DropTrigger, name, drop, CString(), true);
            }
        }
    }
    for (const CString& text : after) {
        const CString name = NameAfter(text, L"TRIGGER");
        if (kept.count(name) > 0)
            continue;
        const CString probe = m_pDialect->HasCatalogue() ? m_pDialect->TriggerProbe(name) : CString();
        Add(kCreateTriggers, Kind::CreateTrigger, name, text, probe, false);
    }
}

void Session::PlanSeedRows(const VrlTable* from, const VrlTable* to) {
    if (!to->HasDefaultValues())
        return;
    std::vector<CString> rows;
    m_rGen.GetTableDefaultValues(const_cast<VrlTable*>(to), rows);
    std::unordered_set<CString> existing;
    if (from != nullptr) {
        std::vector<CString> old;
        m_rGen.GetTableDefaultValues(const_cast<VrlTable*>(from), old);
        existing.insert(old.begin(), old.end());
    }
    // A row is looked for by its key columns, or by all of its columns
    // when the key is not among them.
    const VrlTableData* data = to->GetVrlTableData();
    const VrlConstraint* key = to->GetPrimaryKeyConstraint();
    std::vector<LONG> columns;
    std::vector<const VrlField*> fields;
    std::vector<LONG> keyColumns;
    for (LONG c = 0; c < data->GetColCount(); ++c) {
        const VrlField* field = to->GetField(data->GetColName(c).GetString());
        if (field == nullptr || field->IsFake())
            continue;
        if (key != nullptr && m_rGen.IsPrimaryKey(field->GetNameRef(), key))
            keyColumns.push_back(static_cast<LONG>(columns.size()));
        columns.push_back(c);
        fields.push_back(field);
    }
    if (keyColumns.empty()) {
        for (size_t k = 0; k < columns.size(); ++k)
            keyColumns.push_back(static_cast<LONG>(k));
    }
    std::vector<VrlUpgradeStatement> statements;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (existing.count(rows[r]) > 0)
            continue;
        CString probe;
        if (m_pDialect->HasCatalogue()) {
            probe = CString::Concat(L"SELECT COUNT(*) FROM ", to->GetNameRef(), L" WHERE ");
            for (size_t k = 0; k < keyColumns.size(); ++k) {
                const size_t at = static_cast<size_t>(keyColumns[k]);
                const COleVariant value(data->GetValueRef(static_cast<LONG>(r), columns[at]));
                if (k > 0)
                    probe += L" AND ";
                probe += m_rGen.CreateWhereComparison(to->GetNameRef(),
                                                      m_rGen.FormatFieldName(fields[at]->GetNameRef()),
                                                      m_rGen.FormatValue(fields[at], value));
            }
        }
        statements.push_back(Statement(rows[r], probe, false));
    }
    Add(kSeedRows, Kind::SeedRows, to->GetNameRef(), std::move(statements));
}

VrlUpgradePlan Session::Run() {
    const VrlSchema* saved = m_rGen.GetSchema();
    m_rGen.SetSchema(&m_rTo);
    PairTables();
    if (!m_vLosses.empty() && !m_bAllowLoss) {
        m_rGen.SetSchema(saved);
        throw VrlUpgradeRefusal(m_rFrom.GetSchemaVersion(), m_rTo.GetSchemaVersion(), m_vLosses);
    }
    for (const TablePair& pair : m_vPairs) {
        if (pair.to != nullptr)
            m_oPairsByName[Lower(pair.to->GetNameRef())] = &pair;
    }
    PlanTables();
    PlanRoutines();
    PlanTriggers();
    m_rGen.SetSchema(saved);

    VrlUpgradePlan plan;
    plan.m_oFrom = m_rFrom.GetSchemaVersion();
    plan.m_oTo = m_rTo.GetSchemaVersion();
    plan.m_strSeparator =
        m_rGen.GetSqlStrings()->Get(6, CString(), CString(), CString(), CString(), CString(), CString());
    plan.m_strHeaderNote = m_pDialect->HeaderNote();
    size_t steps = 0;
    for (const auto& phase : m_aPhases)
        steps += phase.size();
    plan.m_vSteps.reserve(steps);
    for (auto& phase : m_aPhases) {
        for (VrlUpgradeStep& step : phase) {
            for (VrlUpgradeStatement& statement : step.m_vStatements) {
                statement.m_strGuarded =
                    statement.m_strProbe.IsEmpty() || m_pDialect->GuardsItself(statement.m_strText)
                        ? statement.m_strText
                        : m_pDialect->Guard(statement.m_strProbe, statement.m_bWhenFound,
                                            statement.m_strText);
            }
            plan.m_vSteps.push_back(std::move(step));
        }
    }
    return plan;
}

} // namespace

VrlUpgradePlan VrlUpgradePlanner::Plan(const VrlSchema& from, const VrlSchema& to) const {
    Session session(m_rGenerator, from, to, m_bAllowDataLoss);
    return session.Run();
}

} // namespace VrlSchemaLib
