#include "GenerateCommands.h"

#include "CommandContext.h"
#include "Generators.h"
#include "SqlTexts.h"
#include "TextSpool.h"
#include "ToolErrors.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

// `write` generates the text and writes it through the context.
template <class F> int Generate(CommandContext& context, F write) {
    auto file = context.LoadCheckedOnce();
    {
        const SqlTexts texts(*file, context.Settings().Target(), context.Settings(),
                             context.Source().GetName());
        write(texts);
    }
    CommandContext::Retire(std::move(file));
    return 0;
}

} // namespace

int RunScript(const Invocation& invocation, ToolStreams& io) {
    CommandContext context(invocation, io);
    // The script is never held whole in memory: it goes to the file being
    // replaced as it is made, or else waits in a spool until it is whole.
    return Generate(context,
                    [&](const SqlTexts& t) { context.Write([&t](TextSpool& out) { t.Script(out); }); });
}

int RunSeed(const Invocation& invocation, ToolStreams& io) {
    CommandContext context(invocation, io);
    return Generate(context, [&](const SqlTexts& t) { context.Write(t.Seed().text); });
}

int RunPublish(const Invocation& invocation, ToolStreams& io) {
    CommandContext context(invocation, io);
    const Dialect d = context.Settings().Target();
    if (d == Dialect::Access)
        throw UsageError{"Access has no publish procedure", "publish"};
    if (!HasPublishProcedure(d))
        throw UnsupportedError{"the publish procedure is not written for " + std::string(DialectName(d))};
    return Generate(context, [&](const SqlTexts& t) {
        const std::string missing = t.MissingPublishTable();
        if (!missing.empty())
            throw InputError{"publish: the schema has no table " + missing +
                             ", which the publish procedure needs"};
        context.Write(t.Publish().text);
    });
}

} // namespace VrlSchemaTool
