#include "TestDialect.h"

#include "platform/CException.h"

namespace VrlSchemaTest {

TestDialect::TestDialect(const VrlSchema* schema, const ObjectExistsFormats* formats)
    : VrlDbms(schema, L"TestDialect", formats) {
    m_nDbmsType = cm_nSqlServer;

    SetTypeText(dtInteger, L"int");
    SetTypeText(dtAutoIncrement, L"int IDENTITY");
    SetTypeText(dtBoolean, L"bit");
    SetTypeText(dtShort, L"smallint");
    SetTypeText(dtLong, L"int");
    SetTypeText(dtDouble, L"float");
    SetTypeText(dtString, L"nvarchar");
    SetTypeText(dtDateTime, L"datetime");
    SetTypeText(dtBinary, L"image");
    SetTypeText(dtName, L"nvarchar");

    for (int id = 0; id < 60; ++id)
        m_oSqlStrings.Add(id, L"");
    m_oSqlStrings.Add(0, L"TestDialect");
    m_oSqlStrings.Add(6, L"\r\nGO\r\n");
    m_oSqlStrings.Add(12, L"CREATE TABLE &1 (\r\n&2&3)");
    m_oSqlStrings.Add(13, L"CREATE PROCEDURE &1 &2 AS\r\n&3");
    m_oSqlStrings.Add(15,
                      L"CREATE PROCEDURE &1 @key &2 AS SELECT TOP &# * FROM &3 WHERE &4 > @key ORDER BY &4");
    m_oSqlStrings.Add(16, L"&1 &2 &3 &4");
    m_oSqlStrings.Add(18, L"AS RETURN(&1)");
    m_oSqlStrings.Add(19, L"CREATE FUNCTION &1(&2) RETURNS &3 &4");
    m_oSqlStrings.Add(20, L"INOUT");
    m_oSqlStrings.Add(21, L"&1 &3 &2");
    m_oSqlStrings.Add(53, L"ALTER TABLE &1 ALTER COLUMN &2 &3");
    m_oSqlStrings.Add(54, L"&1 &2");
    m_oSqlStrings.Add(55, L"DROP INDEX &1.&2");
}

CString TestDialect::FormatBool(int value) const {
    return CString(value ? L"1" : L"0");
}

CString TestDialect::FormatDateTime(COleDateTime value, int withMilliseconds) const {
    return value.Format(withMilliseconds ? L"'%Y-%m-%d %H:%M:%S.ms'" : L"'%Y-%m-%d %H:%M:%S'");
}

CString TestDialect::GetCurrentTimeFunction() const {
    return CString(L"CURRENT_TIMESTAMP");
}

CString TestDialect::GetTimeOffsetFunction() const {
    return CString(L"TZ_OFFSET()");
}

void TestDialect::ValidateString(CString text) const {
    m_vValidated.push_back(text);
    if (!m_strRefused.IsEmpty() && text.Find(m_strRefused) >= 0)
        AfxThrowNotSupportedException();
}

CString JoinStatements(const std::vector<CString>& statements) {
    CString joined;
    for (size_t i = 0; i < statements.size(); ++i) {
        if (i > 0)
            joined += L" | ";
        joined += statements[i];
    }
    return joined;
}

} // namespace VrlSchemaTest
