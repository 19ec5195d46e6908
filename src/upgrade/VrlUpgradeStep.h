// VrlUpgradeStep: one step of an upgrade plan -- what it does, to which
// object, and the statements that carry it out. Each statement keeps the
// generator's own text, the catalogue probe that decides whether it is still
// needed, and the finished text in the target's guard form, which is what a
// script runs.
#pragma once

#include <vector>

#include "../platform/CString.h"

namespace VrlSchemaLib {

enum class VrlUpgradeStepKind {
    CreateTable,
    DropTable,
    AddColumn,
    AlterColumn,
    DropColumn,
    AddPrimaryKey,
    DropPrimaryKey,
    AddUniqueKey,
    DropUniqueKey,
    AddIndex,
    DropIndex,
    AddForeignKey,
    DropForeignKey,
    DropDefault,
    SetDefault,
    Reorganize,
    CreateView,
    ReplaceView,
    DropView,
    CreateProcedure,
    ReplaceProcedure,
    DropProcedure,
    CreateFunction,
    ReplaceFunction,
    DropFunction,
    CreateTrigger,
    DropTrigger,
    SeedRows,
};

// The kind as the plan listing writes it ("add column", "drop foreign key").
const wchar_t* VrlUpgradeStepKindName(VrlUpgradeStepKind kind);

struct VrlUpgradeStatement {
    CString m_strText;         // as the generator wrote it
    CString m_strProbe;        // catalogue query of the object; empty: unguarded
    bool m_bWhenFound = false; // run when the probe finds the object (else when it does not)
    CString m_strGuarded;      // the text the script runs
};

struct VrlUpgradeStep {
    VrlUpgradeStepKind m_eKind;
    CString m_strObject; // "Table", "Table.Column" or a view or routine name
    bool m_bDestructive = false;
    std::vector<VrlUpgradeStatement> m_vStatements;
};

} // namespace VrlSchemaLib
