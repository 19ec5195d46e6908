// The typed settings of one invocation: the dialects, version and output
// named on the command line, checked against the targets they apply to.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CheckCommand.h"
#include "schema/VrlSchemaVersion.h"
#include "schemafile/SchemaDialect.h"

namespace VrlSchemaTool {

class Invocation;

struct CommandSettings {
    // One dialect for every command but all, which may name several.
    std::vector<VrlSchemaLib::Dialect> dialects;
    std::optional<VrlSchemaLib::VrlSchemaVersion> version;
    std::string schemaFile; // empty: the built-in sample; "-": standard input
    std::string outFile;    // empty or "-": standard output
    std::string outDir = "out";
    std::string queueSource = "SELECT * FROM Queue";
    std::string table;
    std::string format = "text";
    bool unicodeLiterals = false;
    bool split = false;
    bool publish = true;
    bool header = true;
    CheckSettings check;
    // upgrade
    std::optional<VrlSchemaLib::VrlSchemaVersion> from;
    std::optional<VrlSchemaLib::VrlSchemaVersion> to;
    std::string oldFile;
    std::string newFile;
    bool plan = false;
    bool allowDataLoss = false;

    VrlSchemaLib::Dialect Target() const { return dialects.front(); }
    bool Targets(VrlSchemaLib::Dialect dialect) const;

    // Raises UsageError for a value the option does not take, or an option
    // that applies to none of the dialects chosen.
    static CommandSettings From(const Invocation& invocation);
};

} // namespace VrlSchemaTool
