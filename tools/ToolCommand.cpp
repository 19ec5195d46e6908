#include "ToolCommand.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>

#include "CheckCommand.h"
#include "Generators.h"
#include "SampleSchema.h"
#include "UpgradeCommand.h"
#include "platform/CString.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlFunction.h"
#include "schema/VrlProcedure.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schema/VrlView.h"
#include "schemafile/SchemaFile.h"
#include "sqlgen/VrlDbms.h"
#include "sqlgen/VrlSqlStrings.h"
#include "support/DuxException.h"
#include "support/VrlHostMessages.h"
#include "support/VrlSchemaModule.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

const char* const kUsage =
    "Usage: vrlschema COMMAND [options]\n"
    "\n"
    "Commands:\n"
    "  script            the creation script of the schema (statements joined by the\n"
    "                    dialect's batch separator)\n"
    "  seed              the INSERT statements of the tables' seed rows\n"
    "  publish           the procedure procPublishBatchDef (not for postgres)\n"
    "  exists NAME       the catalogue probe of a table, view, procedure or function;\n"
    "                    with --table T, of the column or constraint NAME of table T\n"
    "  columns [TABLE]   the version-cut column list of every table (or of one)\n"
    "  all               every dialect's script, seed and publish texts into --out-dir\n"
    "                    (postgres: no publish; and, for the sample, the upgrade\n"
    "                    from its oldest version)\n"
    "  upgrade           the script from one schema version to another:\n"
    "                    --from V --to V [--schema FILE], or --old FILE --new FILE;\n"
    "                    --plan lists the steps instead, --allow-data-loss permits\n"
    "                    steps that can lose data (refused otherwise)\n"
    "  check             the findings of the model check (for every --dialect given);\n"
    "                    exit code 2 when there is an error. Every command above runs\n"
    "                    the check first and writes nothing when it finds an error\n"
    "\n"
    "Options:\n"
    "  --schema FILE       schema file (default: the built-in sample schema)\n"
    "  --dialect NAME      sqlserver (default), oracle, db2, access or postgres\n"
    "                      (also written postgresql)\n"
    "  --db-version V[.SP] schema version to generate (default: the file's)\n"
    "  -o, --out FILE      write to FILE instead of standard output\n"
    "  --out-dir DIR       folder for `all` (default: out)\n"
    "  --unicode-literals  SQL Server: write string literals with the N prefix\n"
    "  --queue-source SQL  query that stands in for the Queue table when publishing\n"
    "                      (default: SELECT * FROM Queue)\n"
    "  --split             DB2 publish: write the sub-procedures as statements of\n"
    "                      their own, ahead of the main procedure\n"
    "  --quiet             no check warnings on standard error\n"
    "  --strict            check warnings stop generation as errors do\n"
    "  --format json       check: the findings as a JSON list\n"
    "  --help, --version, --list-dialects\n";

struct UsageError {
    std::string message;
};

// A request the tool understands but cannot carry out; exit status 1.
struct UnsupportedError {
    std::string message;
};

struct Options {
    std::string command;
    std::vector<std::string> operands;
    std::string schemaFile;
    Dialect dialect = Dialect::SqlServer;
    std::optional<VrlSchemaVersion> version;
    std::string outFile;
    std::string outDir = "out";
    bool unicodeLiterals = false;
    bool split = false;
    std::string queueSource = "SELECT * FROM Queue";
    std::string tableName;
    std::vector<Dialect> dialects; // every --dialect, for check
    CheckSettings check;
};

Options ParseArgs(const std::vector<std::string>& args) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{"option " + a + " needs a value"};
            return args[++i];
        };
        if (a == "--schema") {
            o.schemaFile = value();
        } else if (a == "--dialect") {
            const std::string& name = value();
            const auto d = ParseDialect(name);
            if (!d)
                throw UsageError{"unknown dialect \"" + name + "\" (try --list-dialects)"};
            o.dialect = *d;
            o.dialects.push_back(*d);
        } else if (a == "--quiet") {
            o.check.quiet = true;
        } else if (a == "--strict") {
            o.check.strict = true;
        } else if (a == "--format") {
            if (value() != "json")
                throw UsageError{"--format takes json"};
            o.check.json = true;
        } else if (a == "--db-version") {
            const std::string& text = value();
            o.version = ParseVersion(text);
            if (!o.version)
                throw UsageError{"\"" + text + "\" is not a version (V or V.SP)"};
        } else if (a == "-o" || a == "--out") {
            o.outFile = value();
        } else if (a == "--out-dir") {
            o.outDir = value();
        } else if (a == "--unicode-literals") {
            o.unicodeLiterals = true;
            o.check.unicodeLiterals = true;
        } else if (a == "--split") {
            o.split = true;
        } else if (a == "--queue-source") {
            o.queueSource = value();
        } else if (a == "--table") {
            o.tableName = value();
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError{"unknown option " + a};
        } else if (o.command.empty()) {
            o.command = a;
        } else {
            o.operands.push_back(a);
        }
    }
    return o;
}

std::string Utf8(const CString& text) {
    return text.ToUtf8();
}

// Diagnostic line of a library error; the exception is ended here.
std::string Diagnostic(DuxException* e) {
    wchar_t buffer[2048];
    e->GetErrorMessage(buffer, 2048);
    e->Delete();
    return WideToUtf8(buffer);
}

struct Output {
    std::string text;
    size_t statements = 0;
};

std::string Separator(const VrlDbms& dbms) {
    const CString none(L'\x01');
    return Utf8(dbms.GetSqlStrings()->Get(6, none, none, none, none, none, none));
}

Output Join(const std::vector<CString>& statements, const std::string& separator) {
    Output out;
    for (const CString& s : statements) {
        out.text += Utf8(s);
        out.text += separator;
    }
    out.statements = statements.size();
    return out;
}

class Session {
public:
    Session(const Options& o, std::ostream& err)
        : m_options(o), m_err(err), m_queueSource(o.queueSource.c_str()) {}

    // The schema for `dialect`, checked before anything is generated from it.
    // `all` loads a dialect's schema three times; its warnings are told once.
    std::unique_ptr<SchemaFile> Load(Dialect dialect) const {
        std::unique_ptr<SchemaFile> file = LoadUnchecked(dialect);
        if (m_checked.insert(dialect).second)
            CheckBeforeGenerating(*file, dialect, m_options.check, m_err);
        return file;
    }

    std::unique_ptr<SchemaFile> LoadUnchecked(Dialect dialect) const {
        if (m_options.schemaFile.empty())
            return SchemaFile::Parse(GetSampleSchemaText(), kSampleSchemaName, dialect, m_options.version);
        return SchemaFile::Load(m_options.schemaFile, dialect, m_options.version);
    }

    std::unique_ptr<VrlDbms> Generator(Dialect dialect, const SchemaFile& file) const {
        return MakeGenerator(dialect, &file.GetSchema(), m_options.unicodeLiterals, m_queueSource);
    }

    Output Script(Dialect dialect) const {
        auto file = Load(dialect);
        auto dbms = Generator(dialect, *file);
        std::vector<CString> statements;
        dbms->GenerateSchema(statements);
        return Join(statements, Separator(*dbms));
    }

    Output Seed(Dialect dialect) const {
        auto file = Load(dialect);
        auto dbms = Generator(dialect, *file);
        std::vector<CString> statements;
        dbms->GenerateDefaultValues(statements);
        return Join(statements, Separator(*dbms));
    }

    Output Publish(Dialect dialect) const {
        if (!HasPublishProcedure(dialect))
            throw UnsupportedError{"the publish procedure is not written for " +
                                   std::string(DialectName(dialect))};
        auto file = Load(dialect);
        auto dbms = Generator(dialect, *file);
        const CString text = PublishText(*dbms);
        Output out;
        if (text.IsEmpty())
            return out;
        const std::string separator = Separator(*dbms);
        if (dialect == Dialect::DB2 && m_options.split) {
            std::vector<CString> statements;
            const CString main = SplitSubProcedures(text, statements);
            statements.push_back(main);
            return Join(statements, separator);
        }
        out.text = Utf8(text) + separator;
        out.statements = 1;
        return out;
    }

    Output Exists(Dialect dialect) const {
        if (m_options.operands.size() != 1)
            throw UsageError{"exists needs one object name"};
        auto file = Load(dialect);
        auto dbms = Generator(dialect, *file);
        const VrlSchema& schema = file->GetSchema();
        const CString name(m_options.operands[0].c_str());
        const VrlSchemaObject* object = nullptr;
        if (!m_options.tableName.empty()) {
            const VrlTable* table = schema.GetTableDontThrow(CString(m_options.tableName.c_str()));
            if (!table)
                throw UsageError{"no table \"" + m_options.tableName + "\" in the schema"};
            object = table->GetField(name);
            if (!object)
                object = table->GetConstraint(name);
        } else {
            // Views and routines have no lookup that returns null for an
            // unknown name; search them by position.
            auto find = [&](long count, auto at) -> const VrlSchemaObject* {
                for (long i = 0; i < count; ++i) {
                    if (at(i)->GetName().CompareNoCase(name) == 0)
                        return at(i);
                }
                return nullptr;
            };
            object = schema.GetTableDontThrow(name);
            if (!object)
                object = find(schema.GetViewCount(), [&](long i) { return schema.GetView(i); });
            if (!object)
                object = find(schema.GetProcedureCount(), [&](long i) { return schema.GetProcedure(i); });
            if (!object)
                object = find(schema.GetFunctionCount(), [&](long i) { return schema.GetFunction(i); });
        }
        if (!object)
            throw UsageError{"no object \"" + m_options.operands[0] + "\" in the schema"};
        Output out;
        out.text = Utf8(dbms->FormatObjectExists(object)) + "\n";
        out.statements = 1;
        return out;
    }

    Output Columns(Dialect dialect) const {
        if (m_options.operands.size() > 1)
            throw UsageError{"columns takes at most one table name"};
        auto file = Load(dialect);
        auto dbms = Generator(dialect, *file);
        const VrlSchema& schema = file->GetSchema();
        const VrlServicePackNum servicePack = file->GetVersion().GetServicePackNumber();
        Output out;
        for (long i = 0; i < schema.GetTableCount(); ++i) {
            const VrlTable* table = schema.GetTable(i);
            if (!m_options.operands.empty() &&
                table->GetName().CompareNoCase(CString(m_options.operands[0].c_str())))
                continue;
            out.text +=
                Utf8(table->GetName()) + ": " + Utf8(dbms->GetTableColumnList(table, servicePack)) + "\n";
            ++out.statements;
        }
        if (!m_options.operands.empty() && out.statements == 0)
            throw UsageError{"no table \"" + m_options.operands[0] + "\" in the schema"};
        return out;
    }

private:
    // The publish procedure, in a buffer that grows until the text fits.
    static CString PublishText(const VrlDbms& dbms) {
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
    static CString SplitSubProcedures(const CString& text, std::vector<CString>& subs) {
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

    const Options& m_options;
    std::ostream& m_err;
    mutable std::set<Dialect> m_checked;
    // Generators keep a pointer to their construction text: it lives here.
    const CString m_queueSource;
};

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        throw UsageError{"cannot write " + path.string()};
    f << text;
    f.close();
    if (!f)
        throw UsageError{"cannot write " + path.string()};
}

int RunAll(const Session& session, const Options& o, std::ostream& out) {
    struct Result {
        std::filesystem::path path;
        Output output;
    };
    // Everything is generated before anything is written, so that a failure
    // leaves no half-written folder behind.
    std::vector<Result> results;
    std::vector<std::string> notices;
    for (Dialect d : AllDialects()) {
        const std::string base = DialectName(d);
        results.push_back({base + "-script.sql", session.Script(d)});
        results.push_back({base + "-seed.sql", session.Seed(d)});
        // Access has no publish procedure: its file is written empty, so that
        // every dialect has one file of each kind. PostgreSQL has no publish
        // text at all, and no file.
        if (HasPublishProcedure(d)) {
            results.push_back({base + "-publish.sql", session.Publish(d)});
        } else {
            notices.push_back(base + ": no publish procedure for this dialect, " + base +
                              "-publish.sql skipped");
        }
        if (o.schemaFile.empty()) {
            Output upgrade;
            upgrade.text = SampleUpgradeScript(d, upgrade.statements);
            results.push_back({base + "-upgrade.sql", upgrade});
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(o.outDir, ec);
    if (ec)
        throw UsageError{"cannot create " + o.outDir + ": " + ec.message()};
    for (const Result& r : results) {
        const std::filesystem::path path = std::filesystem::path(o.outDir) / r.path;
        WriteFile(path, r.output.text);
        out << path.string() << ": " << r.output.statements << " statements, " << r.output.text.size()
            << " bytes\n";
    }
    for (const std::string& notice : notices)
        out << notice << "\n";
    return 0;
}

int Run(const Options& o, std::ostream& out, std::ostream& err) {
    const Session session(o, err);
    Output result;
    if (o.command == "check") {
        if (!o.operands.empty())
            throw UsageError{"check takes no operands"};
        const std::vector<Dialect> dialects =
            o.dialects.empty() ? std::vector<Dialect>{o.dialect} : o.dialects;
        return RunCheck([&](Dialect d) { return session.LoadUnchecked(d); }, dialects, o.check, out);
    }
    if (o.command == "all") {
        if (!o.outFile.empty())
            throw UsageError{"all writes into --out-dir, not -o"};
        return RunAll(session, o, out);
    }
    if (o.command == "script") {
        result = session.Script(o.dialect);
    } else if (o.command == "seed") {
        result = session.Seed(o.dialect);
    } else if (o.command == "publish") {
        result = session.Publish(o.dialect);
    } else if (o.command == "exists") {
        result = session.Exists(o.dialect);
    } else if (o.command == "columns") {
        result = session.Columns(o.dialect);
    } else {
        throw UsageError{"unknown command \"" + o.command + "\""};
    }
    if (o.command != "exists" && o.command != "columns" && !o.operands.empty())
        throw UsageError{o.command + " takes no operands"};
    if (o.outFile.empty()) {
        out << result.text;
    } else {
        WriteFile(o.outFile, result.text);
    }
    return 0;
}

} // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The host's part of start-up: its message texts first, then the
    // library's own string table.
    RegisterVrlHostMessages();
    InitVrlSchemaDll();
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
        if (a == "--version") {
            out << "vrlschema " << VRLSCHEMA_VERSION << "\n";
            return 0;
        }
        if (a == "--list-dialects") {
            for (Dialect d : AllDialects())
                out << DialectName(d) << "\n";
            return 0;
        }
    }
    if (args[0] == "upgrade")
        return RunUpgradeCommand(args, out, err);
    try {
        const Options o = ParseArgs(args);
        if (o.command.empty())
            throw UsageError{"no command given"};
        return Run(o, out, err);
    } catch (const UsageError& e) {
        err << "vrlschema: " << e.message << "\n"
            << "Try vrlschema --help.\n";
        return 2;
    } catch (const UnsupportedError& e) {
        err << "vrlschema: " << e.message << "\n";
        return 1;
    } catch (const SchemaFileError& e) {
        err << e.what() << "\n";
        return 2;
    } catch (const CheckFailed&) {
        return 2;
    } catch (DuxException* e) {
        err << Diagnostic(e) << "\n";
        return 1;
    } catch (CException* e) {
        err << WideToUtf8(DuxException::GetErrorMessage(e).View()) << "\n";
        e->Delete();
        return 1;
    }
}

} // namespace VrlSchemaTool
