#include "GenerateCommands.h"

#include "CommandContext.h"
#include "Generators.h"
#include "SqlTexts.h"
#include "ToolErrors.h"

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

template <class F> int Generate(CommandContext& context, F text) {
    auto file = context.LoadCheckedOnce();
    {
        const SqlTexts texts(*file, context.Settings().Target(), context.Settings(),
                             context.Source().GetName());
        context.Write(text(texts).text);
    }
    CommandContext::Retire(std::move(file));
    return 0;
}

} // namespace

int RunScript(const Invocation& invocation, ToolStreams& io) {
    CommandContext context(invocation, io);
    return Generate(context, [](const SqlTexts& t) { return t.Script(); });
}

int RunSeed(const Invocation& invocation, ToolStreams& io) {
    CommandContext context(invocation, io);
    return Generate(context, [](const SqlTexts& t) { return t.Seed(); });
}

int RunPublish(const Invocation& invocation, ToolStreams& io) {
    CommandContext context(invocation, io);
    const Dialect d = context.Settings().Target();
    if (d == Dialect::Access)
        throw UsageError{"Access has no publish procedure", "publish"};
    if (!HasPublishProcedure(d))
        throw UnsupportedError{"the publish procedure is not written for " + std::string(DialectName(d))};
    return Generate(context, [](const SqlTexts& t) {
        const std::string missing = t.MissingPublishTable();
        if (!missing.empty())
            throw InputError{"publish: the schema has no table " + missing +
                             ", which the publish procedure needs"};
        return t.Publish();
    });
}

} // namespace VrlSchemaTool
