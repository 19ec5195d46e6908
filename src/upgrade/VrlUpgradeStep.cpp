#include "VrlUpgradeStep.h"

namespace VrlSchemaLib {

const wchar_t* VrlUpgradeStepKindName(VrlUpgradeStepKind kind) {
    switch (kind) {
    case VrlUpgradeStepKind::CreateTable:
        return L"create table";
    case VrlUpgradeStepKind::DropTable:
        return L"drop table";
    case VrlUpgradeStepKind::AddColumn:
        return L"add column";
    case VrlUpgradeStepKind::AlterColumn:
        return L"alter column";
    case VrlUpgradeStepKind::DropColumn:
        return L"drop column";
    case VrlUpgradeStepKind::AddPrimaryKey:
        return L"add primary key";
    case VrlUpgradeStepKind::DropPrimaryKey:
        return L"drop primary key";
    case VrlUpgradeStepKind::AddUniqueKey:
        return L"add unique key";
    case VrlUpgradeStepKind::DropUniqueKey:
        return L"drop unique key";
    case VrlUpgradeStepKind::AddIndex:
        return L"add index";
    case VrlUpgradeStepKind::DropIndex:
        return L"drop index";
    case VrlUpgradeStepKind::AddForeignKey:
        return L"add foreign key";
    case VrlUpgradeStepKind::DropForeignKey:
        return L"drop foreign key";
    case VrlUpgradeStepKind::DropDefault:
        return L"drop default";
    case VrlUpgradeStepKind::SetDefault:
        return L"set default";
    case VrlUpgradeStepKind::Reorganize:
        return L"reorganize table";
    case VrlUpgradeStepKind::CreateView:
        return L"create view";
    case VrlUpgradeStepKind::ReplaceView:
        return L"replace view";
    case VrlUpgradeStepKind::DropView:
        return L"drop view";
    case VrlUpgradeStepKind::CreateProcedure:
        return L"create procedure";
    case VrlUpgradeStepKind::ReplaceProcedure:
        return L"replace procedure";
    case VrlUpgradeStepKind::DropProcedure:
        return L"drop procedure";
    case VrlUpgradeStepKind::CreateFunction:
        return L"create function";
    case VrlUpgradeStepKind::ReplaceFunction:
        return L"replace function";
    case VrlUpgradeStepKind::DropFunction:
        return L"drop function";
    case VrlUpgradeStepKind::CreateTrigger:
        return L"create trigger";
    case VrlUpgradeStepKind::DropTrigger:
        return L"drop trigger";
    case VrlUpgradeStepKind::SeedRows:
        return L"insert seed rows";
    }
    return L"step";
}

} // namespace VrlSchemaLib
