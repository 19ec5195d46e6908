// Whole upgrade scripts of one change each, per target, against the texts of
// UpgradeScripts.txt, derived by hand from the templates and the guard forms.
#include <gtest/gtest.h>

#include "UpgradeKit.h"

namespace {

const std::map<std::string, Build> kChanges = {
    {"AddColumn",
     [](UpgradeKit& k) {
         return std::pair{
             k.Schema(30, {k.Table(L"Customer", {k.Field(L"ID")})}),
             k.Schema(35, {k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Phone", dtString, 20, ntNull)})})};
     }},
    {"WidenColumn",
     [](UpgradeKit& k) {
         return std::pair{
             k.Schema(30, {k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Name", dtString, 32)})}),
             k.Schema(35, {k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Name", dtString, 64)})})};
     }},
    {"DropColumnWithDefault",
     [](UpgradeKit& k) {
         VrlField* status =
             k.Field(L"Status", dtInteger, 0, ntNull, COleVariant(static_cast<long>(0), VT_I4));
         return std::pair{k.Schema(30, {k.Table(L"Customer", {k.Field(L"ID"), status})}),
                          k.Schema(35, {k.Table(L"Customer", {k.Field(L"ID")})})};
     }},
    {"NewTableWithForeignKey",
     [](UpgradeKit& k) {
         auto customer = [&] {
             return k.Table(L"Customer", {k.Field(L"ID")}, {k.Key(L"PK_Customer", ctPrimaryKey, {L"ID"})});
         };
         VrlTable* orders =
             k.Table(L"Orders", {k.Field(L"ID"), k.Field(L"CustomerID")},
                     {k.Key(L"PK_Orders", ctPrimaryKey, {L"ID"}),
                      k.Foreign(L"FK_Orders_Customer", {L"CustomerID"}, L"Customer", {L"ID"})});
         return std::pair{k.Schema(30, {customer()}), k.Schema(35, {customer(), orders})};
     }},
    {"ReplaceView",
     [](UpgradeKit& k) {
         auto table = [&] { return k.Table(L"Customer", {k.Field(L"ID"), k.Field(L"Name", dtString, 32)}); };
         return std::pair{
             k.Schema(30, {table()}, {k.View(L"qryCustomer", L"SELECT ID FROM Customer")}),
             k.Schema(35, {table()}, {k.View(L"qryCustomer", L"SELECT ID, Name FROM Customer")})};
     }},
};

TEST(UpgradeScripts, EachChangeKindWritesItsStatementsInTheGuardFormAndNoChangeNeedsNoStep) {
    const auto expected = ReadBlocks(VRLSCHEMA_TEST_DATA_DIR "/upgrade/UpgradeScripts.txt");
    EXPECT_EQ(19u, expected.size());
    for (const auto& [title, script] : expected) {
        const std::string change = title.substr(0, title.find(' '));
        const std::optional<Dialect> target = ParseDialect(title.substr(change.size() + 1));
        ASSERT_TRUE(kChanges.count(change) && target) << title;
        UpgradeKit kit;
        const auto [from, to] = kChanges.at(change)(kit);
        EXPECT_EQ(script, UpgradeKit::Plan(*target, from, to).WriteScript(CString()).ToUtf8()) << title;
    }

    for (Dialect target :
         {Dialect::SqlServer, Dialect::Oracle, Dialect::DB2, Dialect::Access, Dialect::Postgres}) {
        for (const auto& [name, build] : kChanges) {
            UpgradeKit kit;
            const VrlSchema* to = build(kit).second;
            EXPECT_TRUE(UpgradeKit::Plan(target, to, to).m_vSteps.empty()) << name;
        }
    }
}

} // namespace
