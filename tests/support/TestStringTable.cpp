// The library's string table: exactly the published identifiers, the fixed
// entries verbatim, and branding applied when descriptions are loaded.
#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <set>
#include <string>

#include "common/HostMessagesFixture.h"
#include "common/TestData.h"
#include "resources/VrlStringTable.h"
#include "support/COemMgr.h"
#include "support/DuxException.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::ReadCases;

namespace {

// The identifiers hosts address (support/texts/strings.txt).
std::set<UINT> PublishedIds() {
    std::set<UINT> ids;
    for (const auto& row : ReadCases("support/texts/strings.txt", "published")) {
        for (const std::wstring& field : row.fields) {
            const size_t dash = field.find(L'-');
            const UINT first = std::stoul(field);
            const UINT last = dash == std::wstring::npos ? first : std::stoul(field.substr(dash + 1));
            for (UINT id = first; id <= last; ++id)
                ids.insert(id);
        }
    }
    return ids;
}

std::map<UINT, std::wstring> LibraryEntries() {
    size_t count = 0;
    const StringResource* entries = GetVrlStringTable(&count);
    std::map<UINT, std::wstring> byId;
    for (size_t i = 0; i < count; ++i) {
        EXPECT_TRUE(byId.emplace(entries[i].id, entries[i].text).second) << "duplicate id " << entries[i].id;
    }
    EXPECT_EQ(count, byId.size());
    return byId;
}

bool HoldsPlaceholder(std::wstring_view text) {
    for (const wchar_t* token : {g_pszCompanyNameToken, g_pszProductAbbrevToken, g_pszProductNameToken,
                                 g_pszProductPrefixToken, g_pszProductShortToken}) {
        if (text.find(token) != std::wstring::npos)
            return true;
    }
    return false;
}

} // namespace

TEST(StringTable, HoldsExactlyThePublishedIdentifiersAndTheFixedEntries) {
    const std::set<UINT> expected = PublishedIds();
    ASSERT_EQ(979u, expected.size());
    const auto entries = LibraryEntries();
    std::set<UINT> actual;
    for (const auto& [id, text] : entries) {
        actual.insert(id);
        EXPECT_FALSE(text.empty()) << "id " << id;
    }
    EXPECT_EQ(expected, actual);

    // The fixed entries verbatim, and the shape of the descriptions.
    for (const auto& row : ReadCases("support/texts/strings.txt", "fixed"))
        EXPECT_EQ(row[1], entries.at(std::stoul(row[0]))) << row.where;
    EXPECT_NE(std::wstring::npos, entries.at(5065).find(L"; the default"));
    int tables = 0;
    int branded = 0;
    for (const auto& [id, text] : entries) {
        if (text.size() > 6 && text.compare(text.size() - 6, 6, L" Table") == 0)
            ++tables;
        if (HoldsPlaceholder(text))
            ++branded;
    }
    EXPECT_EQ(22, tables);
    EXPECT_EQ(26, branded);
}

TEST(StringTable, LoadedDescriptionsAreBranded) {
    COemMgr oem;
    EXPECT_EQ(CString(L"Pellam profile ID"), oem.LoadOemString(6110));
    EXPECT_TRUE(oem.LoadOemString(1).IsEmpty());
    EXPECT_EQ(CString(L"The source type 1-Index fields, 2-Batch fields, 3-Pellam Capture, 4-Text Constant"),
              DuxException::GetResourceOrUnknownError(6106));
    for (const auto& [id, text] : LibraryEntries()) {
        const CString loaded = oem.LoadOemString(id);
        EXPECT_FALSE(HoldsPlaceholder(loaded.View())) << "id " << id;
        EXPECT_EQ(HoldsPlaceholder(text), loaded.View() != text) << "id " << id;
    }
}
