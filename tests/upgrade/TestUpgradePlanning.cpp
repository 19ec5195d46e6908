// The order of the steps, the refusal of data-losing changes, names
// shortened the same way in both versions, and the per-target steps around
// column changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "UpgradeKit.h"
#include "upgrade/VrlUpgradeRefusal.h"

namespace {

std::vector<std::string> Titles(const VrlUpgradePlan& plan) {
    std::vector<std::string> titles;
    for (const VrlUpgradeStep& step : plan.m_vSteps)
        titles.push_back((CString(VrlUpgradeStepKindName(step.m_eKind)) + L" " + step.m_strObject).ToUtf8());
    return titles;
}

struct OrderCase {
    const char* name;
    Build build;
    std::vector<std::string> inOrder; // each title present, in this order
};

// A table Parent and a table Child with a foreign key to it.
std::pair<VrlTable*, VrlTable*> ParentAndChild(UpgradeKit& k) {
    VrlTable* parent = k.Table(L"Parent", {k.Field(L"ID")}, {k.Key(L"PK_Parent", ctPrimaryKey, {L"ID"})});
    VrlTable* child = k.Table(L"Child", {k.Field(L"ID"), k.Field(L"ParentID")},
                              {k.Foreign(L"FK_Child_Parent", {L"ParentID"}, L"Parent", {L"ID"})});
    return {parent, child};
}

const OrderCase kOrderCases[] = {
    {"ForeignKeyToDroppedTableGoesFirst",
     [](UpgradeKit& k) {
         const auto [parent, child] = ParentAndChild(k);
         return std::pair{k.Schema(30, {parent, child}), k.Schema(35, {k.Table(L"Child", {k.Field(L"ID")})})};
     },
     {"drop foreign key Child.FK_Child_Parent", "drop column Child.ParentID", "drop table Parent"}},
    {"NewTableExistsBeforeForeignKeyToIt",
     [](UpgradeKit& k) {
         const auto [parent, child] = ParentAndChild(k);
         return std::pair{k.Schema(30, {k.Table(L"Child", {k.Field(L"ID")})}), k.Schema(35, {child, parent})};
     },
     {"create table Parent", "add column Child.ParentID", "add primary key Parent.PK_Parent",
      "add foreign key Child.FK_Child_Parent"}},
    {"IndexOverAlteredColumnIsDroppedAndRecreated",
     [](UpgradeKit& k) {
         auto table = [&](LONG length) {
             return k.Table(L"T", {k.Field(L"ID"), k.Field(L"Code", dtString, length)},
                            {k.Key(L"IX_Code", ctIndex, {L"Code"})});
         };
         return std::pair{k.Schema(30, {table(10)}), k.Schema(35, {table(20)})};
     },
     {"drop index T.IX_Code", "alter column T.Code", "add index T.IX_Code"}},
    {"ForeignKeyIntoRekeyedTableIsDroppedFirst",
     [](UpgradeKit& k) {
         auto schema = [&](int version, std::vector<CString> key) {
             VrlTable* parent = k.Table(L"Parent", {k.Field(L"ID"), k.Field(L"Site")},
                                        {k.Key(L"PK_Parent", ctPrimaryKey, key)});
             VrlTable* child = k.Table(L"Child", {k.Field(L"ID"), k.Field(L"ParentID")},
                                       {k.Foreign(L"FK_Child_Parent", {L"ParentID"}, L"Parent", {L"ID"})});
             return k.Schema(version, {parent, child});
         };
         return std::pair{schema(30, {L"ID"}), schema(35, {L"ID", L"Site"})};
     },
     {"drop foreign key Child.FK_Child_Parent", "drop primary key Parent.PK_Parent",
      "add primary key Parent.PK_Parent", "add foreign key Child.FK_Child_Parent"}},
    {"ViewOverReshapedTableIsRecreatedAfterIt",
     [](UpgradeKit& k) {
         auto view = [&] { return k.View(L"qryT", L"SELECT ID FROM T"); };
         return std::pair{k.Schema(30, {k.Table(L"T", {k.Field(L"ID"), k.Field(L"Old")})}, {view()}),
                          k.Schema(35, {k.Table(L"T", {k.Field(L"ID")})}, {view()})};
     },
     {"drop view qryT", "drop column T.Old", "replace view qryT"}},
};

TEST(UpgradePlanning, StepsRunInTheOrderADatabaseNeeds) {
    for (Dialect target : {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access}) {
        for (const OrderCase& c : kOrderCases) {
            UpgradeKit kit;
            const auto [from, to] = c.build(kit);
            const std::vector<std::string> titles = Titles(kit.Plan(target, from, to));
            auto at = titles.begin();
            for (const std::string& wanted : c.inOrder) {
                at = std::find(at, titles.end(), wanted);
                ASSERT_NE(titles.end(), at)
                    << c.name << ": \"" << wanted << "\" missing or out of order, " << DialectName(target);
                ++at;
            }
        }
    }
}

struct LossCase {
    const char* name;
    VrlSchemaLib::VrlDataType fromType, toType;
    LONG fromLength, toLength;
    VrlNullType fromNull, toNull;
    bool toHasDefault;
    bool loses;
};

const LossCase kLossCases[] = {
    {"ShorterText", dtString, dtString, 64, 32, ntNull, ntNull, false, true},
    {"LongerText", dtString, dtString, 32, 64, ntNull, ntNull, false, false},
    {"NarrowerInteger", dtLong, dtShort, 0, 0, ntNull, ntNull, false, true},
    {"WiderInteger", dtShort, dtBigInt, 0, 0, ntNull, ntNull, false, false},
    {"TextToInteger", dtString, dtLong, 10, 0, ntNull, ntNull, false, true},
    {"IntegerToLongEnoughText", dtLong, dtString, 0, 40, ntNull, ntNull, false, false},
    {"NotNullWithoutDefault", dtLong, dtLong, 0, 0, ntNull, ntNotNull, false, true},
    {"NotNullWithDefault", dtLong, dtLong, 0, 0, ntNull, ntNotNull, true, false},
    {"UnicodeToAnsiText", dtString, dtAnsiString, 20, 20, ntNull, ntNull, false, true},
};

std::pair<const VrlSchema*, const VrlSchema*> LossSchemas(UpgradeKit& k, const LossCase& c, int from,
                                                          int to) {
    COleVariant none;
    COleVariant zero(static_cast<long>(0), VT_I4);
    return {
        k.Schema(from, {k.Table(L"Invoice",
                                {k.Field(L"ID"), k.Field(L"Amount", c.fromType, c.fromLength, c.fromNull)})}),
        k.Schema(to, {k.Table(L"Invoice", {k.Field(L"ID"), k.Field(L"Amount", c.toType, c.toLength, c.toNull,
                                                                   c.toHasDefault ? zero : none)})})};
}

TEST(UpgradePlanning, DataLosingChangesAreRefusedUnlessAllowedAndThenMarkedDestructive) {
    for (const LossCase& c : kLossCases) {
        UpgradeKit kit;
        const auto [from, to] = LossSchemas(kit, c, 30, 35);
        bool refused = false;
        try {
            kit.Plan(Dialect::Oracle, from, to);
        } catch (const VrlUpgradeRefusal& refusal) {
            refused = true;
            ASSERT_EQ(1u, refusal.GetLosses().size()) << c.name;
            EXPECT_EQ(L"Invoice", refusal.GetLosses()[0].m_strTable) << c.name;
            EXPECT_EQ(L"Amount", refusal.GetLosses()[0].m_strColumn) << c.name;
        }
        EXPECT_EQ(c.loses, refused) << c.name;
        const VrlUpgradePlan allowed = kit.Plan(Dialect::Oracle, from, to, true);
        bool destructive = false;
        for (const VrlUpgradeStep& step : allowed.m_vSteps)
            destructive =
                destructive || (step.m_eKind == VrlUpgradeStepKind::AlterColumn && step.m_bDestructive);
        EXPECT_EQ(c.loses, destructive) << c.name;
    }
}

TEST(UpgradePlanning, RefusalNamesTableColumnBothDefinitionsAndBothVersionsAlsoForADowngrade) {
    UpgradeKit kit;
    const LossCase widen{"", dtString, dtString, 32, 64, ntNull, ntNotNull, true, false};
    const auto [older, newer] = LossSchemas(kit, widen, 30, 35);
    try {
        kit.Plan(Dialect::SqlServer, newer, older);
        ADD_FAILURE() << "the downgrade was not refused";
    } catch (const VrlUpgradeRefusal& refusal) {
        EXPECT_EQ("refused: the upgrade from version 35 to version 30 can lose data in 1 column\n"
                  "  table Invoice, column Amount: nvarchar(64) DEFAULT ('0') Not Null in version 35, "
                  "nvarchar(32) DEFAULT (NULL) in version 30 (a shorter length)",
                  std::string(refusal.what()));
    }
    EXPECT_TRUE(kit.Plan(Dialect::SqlServer, older, newer).DestructiveSteps().empty());
    const VrlUpgradePlan allowed = kit.Plan(Dialect::SqlServer, newer, older, true);
    EXPECT_EQ(std::vector<CString>{L"alter column Invoice.Amount"}, allowed.DestructiveSteps());
    EXPECT_NE(-1, allowed.WriteScript(CString()).Find(L"-- destructive: alter column Invoice.Amount\nIF ("));
}

TEST(UpgradePlanning, ShortenedNamesAreThoseTheOlderCreationScriptWrote) {
    for (Dialect target : {Dialect::Oracle, Dialect::DB2}) {
        UpgradeKit kit;
        auto schema = [&](int version, LONG length) {
            return kit.Schema(
                version, {kit.Table(L"Customer", {kit.Field(L"ID"), kit.Field(L"Phone", dtString, length)},
                                    {kit.Key(L"IX_CustomerPhoneNumberLookup", ctIndex, {L"Phone"})})});
        };
        const VrlSchema* from = schema(30, 20);
        const VrlSchema* to = schema(35, 30);
        std::vector<CString> creation;
        MakeDbms(target, from)->GenerateSchema(creation);
        CString created;
        for (const CString& statement : creation) {
            if (statement.Find(L"CREATE INDEX ") == 0)
                created = statement.Mid(13, statement.Find(L" ON ") - 13);
        }
        ASSERT_EQ(18, created.GetLength());
        const VrlUpgradePlan plan = kit.Plan(target, from, to);
        int uses = 0;
        for (const VrlUpgradeStep& step : plan.m_vSteps) {
            if (step.m_eKind != VrlUpgradeStepKind::DropIndex && step.m_eKind != VrlUpgradeStepKind::AddIndex)
                continue;
            CString text = step.m_vStatements[0].m_strGuarded;
            CString name = created;
            EXPECT_NE(-1, text.MakeUpper().Find(name.MakeUpper())) << text.ToUtf8();
            ++uses;
        }
        EXPECT_EQ(2, uses) << DialectName(target);
    }
}

// Constraint names are written in full; the guards look for them in full,
// although the targets' probes cut every constraint name.
TEST(UpgradePlanning, GuardsLookForConstraintsByTheNameTheStatementWrites) {
    const std::pair<Dialect, const char*> cases[] = {
        {Dialect::Oracle, "CONSTRAINT_NAME = N'FK_ORDERSTOCUSTOMERACCOUNT'"},
        {Dialect::DB2, "CONSTNAME = N'FK_ORDERSTOCUSTOMERACCOUNT'"},
    };
    for (const auto& [target, wanted] : cases) {
        UpgradeKit kit;
        auto customer = [&] {
            return kit.Table(L"Customer", {kit.Field(L"ID")},
                             {kit.Key(L"PK_Customer", ctPrimaryKey, {L"ID"})});
        };
        VrlTable* orders =
            kit.Table(L"Orders", {kit.Field(L"ID"), kit.Field(L"CustomerID")},
                      {kit.Foreign(L"FK_OrdersToCustomerAccount", {L"CustomerID"}, L"Customer", {L"ID"})});
        const VrlUpgradePlan plan =
            kit.Plan(target, kit.Schema(30, {customer()}), kit.Schema(35, {customer(), orders}));
        ASSERT_EQ(VrlUpgradeStepKind::AddForeignKey, plan.m_vSteps.back().m_eKind);
        EXPECT_NE(-1, plan.m_vSteps.back().m_vStatements[0].m_strGuarded.Find(CString(wanted)))
            << plan.m_vSteps.back().m_vStatements[0].m_strGuarded.ToUtf8();
    }
}

TEST(UpgradePlanning, DefaultConstraintsAndReorganisationOnlyWhereTheTargetNeedsThem) {
    struct Case {
        const char* change;
        Dialect target;
        int dropDefaults;
        int reorganizations;
    };
    const Case cases[] = {
        {"add", Dialect::SqlServer, 0, 0},  {"alter", Dialect::SqlServer, 1, 0},
        {"drop", Dialect::SqlServer, 1, 0}, {"add", Dialect::DB2, 0, 0},
        {"alter", Dialect::DB2, 0, 1},      {"drop", Dialect::DB2, 0, 1},
        {"alter", Dialect::Oracle, 0, 0},   {"drop", Dialect::Oracle, 0, 0},
        {"alter", Dialect::Access, 0, 0},
    };
    for (const Case& c : cases) {
        UpgradeKit kit;
        const std::string change = c.change;
        auto fields = [&](bool newer) {
            std::vector<VrlField*> list{kit.Field(L"ID")};
            if (change == "alter")
                list.push_back(kit.Field(L"Code", dtString, newer ? 20 : 10));
            if ((change == "add" && newer) || (change == "drop" && !newer))
                list.push_back(
                    kit.Field(L"Extra", dtLong, 0, ntNull, COleVariant(static_cast<long>(7), VT_I4)));
            return list;
        };
        const VrlUpgradePlan plan = kit.Plan(c.target, kit.Schema(30, {kit.Table(L"T", fields(false))}),
                                             kit.Schema(35, {kit.Table(L"T", fields(true))}));
        int dropDefaults = 0;
        int reorganizations = 0;
        for (const VrlUpgradeStep& step : plan.m_vSteps) {
            dropDefaults += step.m_eKind == VrlUpgradeStepKind::DropDefault;
            reorganizations += step.m_eKind == VrlUpgradeStepKind::Reorganize;
        }
        EXPECT_EQ(c.dropDefaults, dropDefaults) << c.change << " " << DialectName(c.target);
        EXPECT_EQ(c.reorganizations, reorganizations) << c.change << " " << DialectName(c.target);
    }
}

} // namespace
