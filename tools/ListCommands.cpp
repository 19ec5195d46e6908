#include "ListCommands.h"

#include <algorithm>

#include "CommandContext.h"
#include "Invocation.h"
#include "SampleSchema.h"
#include "ScriptHeader.h"
#include "SqlTexts.h"
#include "Suggest.h"
#include "ToolErrors.h"
#include "schema/VrlFunction.h"
#include "schema/VrlProcedure.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"
#include "schema/VrlView.h"
#include "sqlgen/VrlDbms.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

struct Listed {
    const char* kind;
    std::string name;
    std::string version;
};

// Views and routines have no lookup that returns null for an unknown name;
// they are searched by position.
template <class At> const VrlSchemaObject* FindByName(long count, At at, const CString& name) {
    for (long i = 0; i < count; ++i) {
        if (at(i)->GetName().CompareNoCase(name) == 0)
            return at(i);
    }
    return nullptr;
}

const VrlSchemaObject* FindObject(const VrlSchema& schema, const CString& name) {
    if (const VrlSchemaObject* t = schema.GetTableDontThrow(name))
        return t;
    if (auto* v = FindByName(
            schema.GetViewCount(), [&](long i) { return schema.GetView(i); }, name))
        return v;
    if (auto* p = FindByName(
            schema.GetProcedureCount(), [&](long i) { return schema.GetProcedure(i); }, name))
        return p;
    return FindByName(
        schema.GetFunctionCount(), [&](long i) { return schema.GetFunction(i); }, name);
}

std::vector<Listed> Objects(const SchemaFile& file, const std::string& kind) {
    const VrlSchema& schema = file.GetSchema();
    std::vector<Listed> listed;
    auto add = [&](const char* k, long count, auto at) {
        if (!kind.empty() && kind != std::string(k) + "s")
            return;
        for (long i = 0; i < count; ++i) {
            const VrlSchemaObject* o = at(i);
            listed.push_back({k, o->GetName().ToUtf8(), FormatVersion(file.GetIntroducedVersion(o))});
        }
    };
    add("table", schema.GetTableCount(), [&](long i) { return schema.GetTable(i); });
    add("view", schema.GetViewCount(), [&](long i) { return schema.GetView(i); });
    add("procedure", schema.GetProcedureCount(), [&](long i) { return schema.GetProcedure(i); });
    add("function", schema.GetFunctionCount(), [&](long i) { return schema.GetFunction(i); });
    return listed;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Columns padded to the widest entry; the kind column only when every kind
// is listed.
std::string ObjectsText(const std::vector<Listed>& listed, bool withKind) {
    size_t kindWidth = 0;
    size_t nameWidth = 0;
    for (const Listed& l : listed) {
        kindWidth = std::max(kindWidth, std::string(l.kind).size());
        nameWidth = std::max(nameWidth, l.name.size());
    }
    std::string out;
    for (const Listed& l : listed) {
        if (withKind)
            out += l.kind + std::string(kindWidth - std::string(l.kind).size() + 2, ' ');
        out += l.name + std::string(nameWidth - l.name.size() + 2, ' ') + l.version + "\n";
    }
    return out;
}

std::string ObjectsJson(const std::vector<Listed>& listed) {
    std::string out = "[";
    for (size_t i = 0; i < listed.size(); ++i) {
        const Listed& l = listed[i];
        out += std::string(i ? ",\n " : "\n ") + "{\"kind\": " + JsonString(l.kind) +
               ", \"name\": " + JsonString(l.name) + ", \"version\": " + JsonString(l.version) + "}";
    }
    return out + (listed.empty() ? "]\n" : "\n]\n");
}

std::string VersionsText(const SchemaFile& file, bool json) {
    std::string out = json ? "[" : "";
    bool first = true;
    for (const VrlSchemaVersion v : file.GetVersionsNamed()) {
        out += json ? std::string(first ? "" : ", ") + JsonString(FormatVersion(v)) : FormatVersion(v) + "\n";
        first = false;
    }
    return json ? out + "]\n" : out;
}

const std::vector<std::string> kListKinds{"tables", "views", "procedures", "functions", "versions"};

} // namespace

int RunExists(const Invocation& invocation, ToolStreams& io) {
    const CommandContext context(invocation, io);
    const CommandSettings& s = context.Settings();
    const auto file = context.LoadChecked();
    const SqlTexts texts(*file, s.Target(), s, context.Source().GetName());
    const VrlSchema& schema = file->GetSchema();
    const std::string& nameUtf8 = invocation.GetOperands().front();
    const CString name(nameUtf8.c_str());
    const VrlSchemaObject* object = nullptr;
    if (!s.table.empty()) {
        const VrlTable* table = schema.GetTableDontThrow(CString(s.table.c_str()));
        if (!table)
            throw InputError{"exists: no table \"" + s.table + "\" in the schema"};
        object = table->GetField(name);
        if (!object)
            object = table->GetConstraint(name);
        if (!object)
            throw InputError{"exists: no column or constraint \"" + nameUtf8 + "\" in table " + s.table};
    } else {
        object = FindObject(schema, name);
        if (!object)
            throw InputError{"exists: no object \"" + nameUtf8 + "\" in the schema"};
    }
    context.Write(texts.Generator().FormatObjectExists(object).ToUtf8() + "\n");
    return 0;
}

int RunColumns(const Invocation& invocation, ToolStreams& io) {
    const CommandContext context(invocation, io);
    const CommandSettings& s = context.Settings();
    const auto file = context.LoadChecked();
    const SqlTexts texts(*file, s.Target(), s, context.Source().GetName());
    const VrlSchema& schema = file->GetSchema();
    const VrlServicePackNum servicePack = file->GetVersion().GetServicePackNumber();
    const std::vector<std::string>& operands = invocation.GetOperands();
    std::string out;
    for (long i = 0; i < schema.GetTableCount(); ++i) {
        const VrlTable* table = schema.GetTable(i);
        if (!operands.empty() && table->GetName().CompareNoCase(CString(operands[0].c_str())))
            continue;
        out += table->GetName().ToUtf8() + ": " +
               texts.Generator().GetTableColumnList(table, servicePack).ToUtf8() + "\n";
    }
    if (!operands.empty() && out.empty())
        throw InputError{"columns: no table \"" + operands[0] + "\" in the schema"};
    context.Write(out);
    return 0;
}

int RunList(const Invocation& invocation, ToolStreams& io) {
    const std::vector<std::string>& operands = invocation.GetOperands();
    const std::string kind = operands.empty() ? "" : operands[0];
    if (!kind.empty() && std::find(kListKinds.begin(), kListKinds.end(), kind) == kListKinds.end())
        throw UsageError{"list: unknown kind \"" + kind + "\"" + DidYouMean(kind, kListKinds), "list"};
    const CommandContext context(invocation, io);
    const bool json = context.Settings().format == "json";
    const auto file = context.Load();
    if (kind == "versions") {
        context.Write(VersionsText(*file, json));
        return 0;
    }
    const std::vector<Listed> listed = Objects(*file, kind);
    context.Write(json ? ObjectsJson(listed) : ObjectsText(listed, kind.empty()));
    return 0;
}

int RunSample(const Invocation& invocation, ToolStreams& io) {
    const CommandContext context(invocation, io, false);
    context.Write(GetSampleSchemaText());
    return 0;
}

} // namespace VrlSchemaTool
