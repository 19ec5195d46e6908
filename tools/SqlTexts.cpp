#include "SqlTexts.h"

#include <vector>

#include "CommandSettings.h"
#include "Generators.h"
#include "ScriptHeader.h"
#include "TextSpool.h"
#include "publish/PublishTableWalk.h"
#include "sqlgen/VrlDbms.h"
#include "sqlgen/VrlSqlStrings.h"
#include "sqlgen/VrlStatementSink.h"
#include "support/DuxException.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

std::string Separator(const VrlDbms& dbms) {
    const CString none(L'\x01');
    return dbms.GetSqlStrings()->Get(6, none, none, none, none, none, none).ToUtf8();
}

// The publish procedure, in a buffer that grows until the text fits.
CString PublishProcedure(const VrlDbms& dbms) {
    long capacity = 1L << 20;
    for (;;) {
        std::vector<wchar_t> buffer(static_cast<size_t>(capacity));
        long length = capacity;
        try {
            dbms.GeneratePublishStoredProcedure(buffer.data(), length);
            return CString(buffer.data(), static_cast<int>(length));
        } catch (DuxException* e) {
            if (e->GetError() != kPublishBufferTooSmall || capacity > (1L << 28))
                throw;
            e->Delete();
            capacity *= 4;
        }
    }
}

// Moves every "<SUBROUTINE>...</SUBROUTINE>" section out of the DB2 text
// into a statement of its own; returns the main procedure that is left.
CString SplitSubProcedures(const CString& text, std::vector<CString>& subs) {
    static const wchar_t open[] = L"<SUBROUTINE>";
    static const wchar_t close[] = L"</SUBROUTINE>";
    const int openLength = static_cast<int>(wcslen(open));
    const int closeLength = static_cast<int>(wcslen(close));
    CString main;
    int pos = 0;
    for (;;) {
        const int start = text.Find(open, pos);
        if (start < 0)
            break;
        const int end = text.Find(close, start + openLength);
        if (end < 0)
            break;
        main += text.Mid(pos, start - pos);
        CString sub = text.Mid(start + openLength, end - start - openLength);
        sub.Trim();
        if (!sub.IsEmpty())
            subs.push_back(sub);
        pos = end + closeLength;
    }
    main += text.Mid(pos);
    main.Trim();
    return main;
}

// Appends each statement in UTF-8, followed by the separator, as the
// generator makes it.
class Utf8Sink : public VrlStatementSink {
public:
    Utf8Sink(TextSpool& text, const std::string& separator) : m_text(text), m_separator(separator) {}
    void Take(CString& statement) override {
        m_text.AppendUtf8(statement.View());
        m_text.Append(m_separator);
    }

private:
    TextSpool& m_text;
    const std::string& m_separator;
};

} // namespace

SqlTexts::SqlTexts(const SchemaFile& file, Dialect dialect, const CommandSettings& settings,
                   std::string sourceName)
    : m_file(file), m_dialect(dialect), m_settings(settings), m_source(std::move(sourceName)),
      m_queueSource(settings.queueSource.c_str()),
      m_dbms(MakeGenerator(dialect, &file.GetSchema(), settings.unicodeLiterals, m_queueSource)),
      m_separator(Separator(*m_dbms)) {}

SqlTexts::~SqlTexts() = default;

// The header, then every statement in UTF-8 followed by the separator, in
// one buffer reserved for all of it; each wide statement is let go once
// written.
SqlText SqlTexts::Join(const std::string& command, std::vector<CString>& statements) const {
    SqlText out = Start(command);
    size_t length = out.text.size();
    for (const CString& s : statements)
        length += static_cast<size_t>(s.GetLength()) + m_separator.size();
    out.text.reserve(length);
    for (CString& s : statements) {
        AppendUtf8(out.text, s.View());
        out.text += m_separator;
        s = CString();
    }
    out.statements = statements.size();
    return out;
}

SqlText SqlTexts::Start(const std::string& command) const {
    SqlText out;
    if (m_settings.header)
        out.text = ScriptHeader({command, m_dialect, m_file.GetVersion(), m_source});
    return out;
}

// The creation script is the one text that grows with the schema: each
// statement goes into `out` as it is generated and is not held longer.
size_t SqlTexts::Script(TextSpool& out) const {
    out.Append(Start("script").text);
    Utf8Sink sink(out, m_separator);
    return m_dbms->StreamSchema(sink);
}

SqlText SqlTexts::Script() const {
    TextSpool spool(static_cast<size_t>(-1));
    SqlText out;
    out.statements = Script(spool);
    out.text = spool.Take();
    return out;
}

SqlText SqlTexts::Seed() const {
    std::vector<CString> statements;
    m_dbms->GenerateDefaultValues(statements);
    return Join("seed", statements);
}

SqlText SqlTexts::Publish() const {
    const CString text = PublishProcedure(*m_dbms);
    std::vector<CString> statements;
    if (m_dialect == Dialect::DB2 && m_settings.split) {
        const CString main = SplitSubProcedures(text, statements);
        statements.push_back(main);
    } else {
        statements.push_back(text);
    }
    return Join("publish", statements);
}

std::string SqlTexts::MissingPublishTable() const {
    return PublishTableWalk::FindMissingTable(&m_file.GetSchema()).ToUtf8();
}

} // namespace VrlSchemaTool
