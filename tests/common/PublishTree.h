// A small setup tree for the publish procedure tests: a root with BatchDef
// (children Queue, FolderCreationRule and BatchDef_DocDef with a document
// child), DocumentDef, RecogOpt (no children), Shared (a child sharing its
// key) and Deep (child, grandchild and memo table). Owns every object.
#pragma once

#include <memory>
#include <vector>

#include "platform/COleVariant.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlDataDefinition.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"

namespace VrlSchemaTest {

using namespace VrlSchemaLib;

class PublishTree {
public:
    PublishTree() {
        Table(L"MarlowCaptureSetup", {}, {});
        Table(L"BatchDef",
              {L"BatchDefID", L"Name", L"BatchDefGUID", L"RescanLocation", L"PublishedBatchDefID"},
              {Pk(L"BatchDefID")});
        Table(L"Queue", {L"QueueID", L"BatchDefID", L"Step"},
              {Pk(L"QueueID"), Fk(L"FK_Queue", ctForeignKey, L"BatchDefID", L"BatchDef", L"BatchDefID")});
        Table(L"FolderCreationRule", {L"RuleID", L"BatchDefID", L"Kind"}, {Pk(L"RuleID")});
        Table(L"BatchDef_DocDef", {L"BatchDefID", L"DocDefID", L"AdminID"},
              {Pk(L"BatchDefID"), Fk(L"FK_BDD", ctForeignKey7, L"DocDefID", L"DocumentDef", L"DocDefID")});
        Table(L"DocField", {L"DocFieldID", L"DocDefID", L"Label", L"adminid"}, {Pk(L"DocFieldID")});
        Table(L"DocumentDef", {L"DocDefID", L"Name", L"Referenced"}, {Pk(L"DocDefID")});
        Table(L"RecogOpt", {L"RecogOptID", L"Engine", L"REFERENCED", L"publishedBatchDefId"},
              {Pk(L"RecogOptID")});
        Table(L"Shared", {L"SharedID", L"Title"}, {Pk(L"SharedID")});
        Table(L"SharedExt", {L"SharedID", L"Extra"}, {Pk(L"SharedID")});
        Table(L"Deep", {L"DeepID", L"*Notes", L"TypeID"}, {Pk(L"DeepID")});
        Table(L"DeepChild", {L"DeepChildID", L"DeepID", L"Size"},
              {Pk(L"DeepChildID"), Fk(L"FK_DC", ctForeignKey, L"DeepID", L"Deep", L"DeepID")});
        Table(L"DeepGrand", {L"DeepGrandID", L"DeepChildID", L"Weight"},
              {Pk(L"DeepGrandID"), Fk(L"FK_DG", ctForeignKey, L"DeepChildID", L"DeepChild", L"DeepChildID")});
        Table(L"DeepMemo", {L"DeepMemoID", L"DeepID", L"Notes"}, {Pk(L"DeepMemoID")});
        FieldOf(L"Deep", L"TypeID")->SetTranslateTable(L"RecogOpt");

        std::vector<VrlTable*> tables;
        for (auto& t : m_tables)
            tables.push_back(t.get());
        m_schema = std::make_unique<VrlSchema>(VrlSchemaVersion(), tables, std::vector<VrlView*>{},
                                               std::vector<VrlProcedure*>{}, std::vector<VrlFunction*>{});
        Children(L"MarlowCaptureSetup", {L"BatchDef", L"DocumentDef", L"RecogOpt", L"Shared", L"Deep"});
        Children(L"BatchDef", {L"Queue", L"FolderCreationRule", L"BatchDef_DocDef"});
        Children(L"BatchDef_DocDef", {L"DocField"});
        Children(L"Shared", {L"SharedExt"});
        Children(L"Deep", {L"DeepChild"});
        Children(L"DeepChild", {L"DeepGrand"});
    }

    const VrlSchema* Schema() const { return m_schema.get(); }

private:
    VrlConstraint* Pk(const wchar_t* field) {
        std::vector<CString> fields{field};
        m_constraints.push_back(std::make_unique<VrlConstraint>(CString(L"PK_") + field, ctPrimaryKey, fields,
                                                                VrlSchemaVersion()));
        return m_constraints.back().get();
    }

    VrlConstraint* Fk(const wchar_t* name, VrlConstraintType type, const wchar_t* field,
                      const wchar_t* refTable, const wchar_t* refField) {
        m_constraints.push_back(std::make_unique<VrlConstraint>(
            name, type, field, refTable, refField, odNoAction, ouNoAction, clDefault, VrlSchemaVersion()));
        return m_constraints.back().get();
    }

    // A name starting with "*" is a memo column kept in the table "<table>Memo".
    void Table(const wchar_t* name, std::vector<const wchar_t*> fieldNames,
               std::vector<VrlConstraint*> constraints) {
        std::vector<VrlField*> fields;
        for (const wchar_t* f : fieldNames) {
            const bool memo = f[0] == L'*';
            const CString fieldName = memo ? f + 1 : f;
            const VrlDataDefinition def =
                memo ? VrlDataDefinition(dtMemo, L"", L"", CString(name) + L"Memo", fieldName)
                     : VrlDataDefinition(dtInteger, 0);
            m_fields.push_back(std::make_unique<VrlField>(fieldName, def, COleVariant(), ntNull, CString(), 0,
                                                          paNone, VrlSchemaVersion(), 0, 0));
            fields.push_back(m_fields.back().get());
        }
        m_tables.push_back(std::make_unique<VrlTable>(name, fields, constraints, L"", 0, 0u,
                                                      rtBatchSetupAndRuntime, VrlSchemaVersion()));
    }

    VrlField* FieldOf(const wchar_t* table, const wchar_t* field) const {
        for (const auto& t : m_tables) {
            if (t->GetName() == table)
                return t->GetField(field);
        }
        return nullptr;
    }

    void Children(const wchar_t* parent, std::vector<const wchar_t*> children) {
        for (const wchar_t* c : children)
            m_schema->SetChild(parent, c);
    }

    std::vector<std::unique_ptr<VrlField>> m_fields;
    std::vector<std::unique_ptr<VrlConstraint>> m_constraints;
    std::vector<std::unique_ptr<VrlTable>> m_tables;
    std::unique_ptr<VrlSchema> m_schema;
};

} // namespace VrlSchemaTest
