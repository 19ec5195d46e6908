// Small versioned schemas for the upgrade tests: the kit owns every object,
// Plan() runs the planner of one target over two of its schemas, and
// ReadBlocks() reads the reviewed expected scripts.
#pragma once

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dialects/DialectFactory.h"
#include "dialects/DialectTestKit.h"
#include "upgrade/VrlUpgradePlanner.h"

using namespace VrlSchemaLib;

// The dialect kit with versioned schemas and views, and foreign keys of type 7
// without referential action.
class UpgradeKit : public DialectTestKit {
public:
    VrlConstraint* Foreign(const wchar_t* name, std::vector<CString> columns, const wchar_t* refTable,
                           std::vector<CString> refColumns) {
        return Reference(name, ctForeignKey7, columns, refTable, refColumns, odNoAction);
    }
    VrlView* View(const wchar_t* name, const wchar_t* query) {
        return Make<VrlView>(name, query, L"", VrlSchemaVersion());
    }
    const VrlSchema* Schema(int version, const std::vector<VrlTable*>& tables,
                            const std::vector<VrlView*>& views = {}) {
        return Make<VrlSchema>(VrlSchemaVersion(version), tables, views, std::vector<VrlProcedure*>{},
                               std::vector<VrlFunction*>{});
    }
    static VrlUpgradePlan Plan(Dialect target, const VrlSchema* from, const VrlSchema* to,
                               bool allowLoss = false) {
        auto generator = MakeDbms(target, to);
        VrlUpgradePlanner planner(*generator);
        planner.SetAllowDataLoss(allowLoss);
        return planner.Plan(*from, *to);
    }
};

// Builds the older and the newer schema of a case.
using Build = std::function<std::pair<const VrlSchema*, const VrlSchema*>(UpgradeKit&)>;

// The texts of a file of blocks: a line "### <title>" starts the block of that
// title, which holds every byte up to the next such line.
inline std::map<std::string, std::string> ReadBlocks(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    std::map<std::string, std::string> blocks;
    std::string* text = nullptr;
    for (std::string line; std::getline(all, line);) {
        if (line.rfind("### ", 0) == 0)
            text = &blocks[line.substr(4)];
        else if (text)
            *text += line + "\n";
    }
    return blocks;
}
