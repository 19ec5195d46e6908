// A small setup tree for the publish procedure tests: a root with BatchDef
// (children Queue, FolderCreationRule and BatchDef_DocDef with a document
// child), DocumentDef, RecogOpt (no children), Shared (a child sharing its
// key) and Deep (child, grandchild and memo table). Owns every object. Read
// through the schema-file reader, without test framework or data files, so
// that the fuzz targets can use it too.
#pragma once

#include <nlohmann/json.hpp>

#include <memory>
#include <sstream>
#include <string>

#include "schema/VrlSchema.h"
#include "schemafile/SchemaFile.h"

namespace VrlSchemaTest {

class PublishTree {
public:
    PublishTree() {
        // A table and its integer columns, the first its primary key. "*Notes" is
        // a memo column kept in "<table>Memo", "TypeID=RecogOpt" a column with a
        // translate table, "FK:Kind:Column>Table" a reference to the table's
        // column of the same name.
        const char* const tables[] = {
            "MarlowCaptureSetup",
            "BatchDef BatchDefID Name BatchDefGUID RescanLocation PublishedBatchDefID",
            "Queue QueueID BatchDefID Step FK_Queue:ctForeignKey:BatchDefID>BatchDef",
            "FolderCreationRule RuleID BatchDefID Kind",
            "BatchDef_DocDef BatchDefID DocDefID AdminID FK_BDD:ctForeignKey7:DocDefID>DocumentDef",
            "DocField DocFieldID DocDefID Label adminid",
            "DocumentDef DocDefID Name Referenced",
            "RecogOpt RecogOptID Engine REFERENCED publishedBatchDefId",
            "Shared SharedID Title",
            "SharedExt SharedID Extra",
            "Deep DeepID *Notes TypeID=RecogOpt",
            "DeepChild DeepChildID DeepID Size FK_DC:ctForeignKey:DeepID>Deep",
            "DeepGrand DeepGrandID DeepChildID Weight FK_DG:ctForeignKey:DeepChildID>DeepChild",
            "DeepMemo DeepMemoID DeepID Notes"};
        nlohmann::json file = {{"version", 25}, {"tables", nlohmann::json::array()}};
        for (const char* row : tables) {
            std::istringstream words(row);
            std::string name, word;
            words >> name;
            nlohmann::json table = {{"name", name},
                                    {"rootType", "MarlowCaptureSetup"},
                                    {"fields", nlohmann::json::array()},
                                    {"constraints", nlohmann::json::array()}};
            while (words >> word) {
                const size_t colon = word.find(':'), arrow = word.find('>'), equals = word.find('=');
                if (arrow != std::string::npos) {
                    const std::string column = word.substr(word.rfind(':') + 1, arrow - word.rfind(':') - 1);
                    table["constraints"].push_back(
                        {{"name", word.substr(0, colon)},
                         {"type", word.substr(colon + 1, word.rfind(':') - colon - 1)},
                         {"fields", {column}},
                         {"refTable", word.substr(arrow + 1)},
                         {"refFields", {column}}});
                    continue;
                }
                const std::string column = word.substr(word[0] == '*' ? 1 : 0, equals);
                nlohmann::json field = {{"name", column}, {"type", word[0] == '*' ? "dtMemo" : "dtInteger"}};
                if (word[0] == '*')
                    field.update({{"extendedTable", name + "Memo"}, {"extendedField", column}});
                if (equals != std::string::npos)
                    field["rootTypes"] = {
                        {"MarlowCaptureSetup", {{"translateTable", word.substr(equals + 1)}}}};
                if (table["fields"].empty())
                    table["constraints"].push_back(
                        {{"name", "PK_" + column}, {"type", "ctPrimaryKey"}, {"fields", {column}}});
                table["fields"].push_back(field);
            }
            file["tables"].push_back(table);
        }
        file["trees"]["MarlowCaptureSetup"] = {
            {"MarlowCaptureSetup", {"BatchDef", "DocumentDef", "RecogOpt", "Shared", "Deep"}},
            {"BatchDef", {"Queue", "FolderCreationRule", "BatchDef_DocDef"}},
            {"BatchDef_DocDef", {"DocField"}},
            {"Shared", {"SharedExt"}},
            {"Deep", {"DeepChild"}},
            {"DeepChild", {"DeepGrand"}}};
        m_file = VrlSchemaLib::SchemaFile::Parse(file.dump(), "publish-tree.json",
                                                 VrlSchemaLib::Dialect::SqlServer);
    }

    const VrlSchemaLib::VrlSchema* Schema() const { return &m_file->GetSchema(); }

private:
    std::unique_ptr<VrlSchemaLib::SchemaFile> m_file;
};

} // namespace VrlSchemaTest
