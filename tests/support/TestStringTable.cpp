// The library's string table: exactly the published identifiers, the fixed
// entries verbatim, and branding applied when descriptions are loaded.
#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <set>
#include <string>

#include "common/HostMessagesFixture.h"
#include "resources/VrlStringTable.h"
#include "support/COemMgr.h"
#include "support/DuxException.h"

using namespace VrlSchemaLib;

namespace {

// The identifiers hosts address: single ids and inclusive ranges.
const wchar_t kIdList[] =
    L"4086,5001-5059,5061-5086,5088-5093,5101,5103,5105,5118,5128,5158,5175,5177,5179,5193,5195-5200,"
    L"5204,5206,5209-5212,5214-5218,5220-5221,5224-5227,5229-5238,5242,5244-5247,5251,5255-5304,"
    L"5307-5318,5322-5323,5325-5327,5329-5331,5333-5345,5347-5368,5370-5375,5398,5400-5408,5410-5453,"
    L"5455-5456,5459,5461-5464,5466-5467,5470,5474-5483,5487,5492-5494,5497-5499,5502-5562,5566,"
    L"5568-5573,5579,5585,5589,5596,5601-5605,5607-5608,5610,5613,5618,5623-5626,5628-5635,5639-5640,"
    L"5642-5653,5659,5662-5666,5668,5673-5676,5678-5684,5686,5688,5690-5694,5696,5699,5702-5705,"
    L"5707-5708,5711,5716-5718,5722,5724-5729,5731-5736,5741,5744-5749,5751-5754,5757,5762,5764,5766,"
    L"5769,5772,5775,5777-5786,5791-5793,5795,5797-5802,5804-5815,5820,5827,5831-5844,5846,5848,"
    L"5852-5854,5857-5868,5870-5879,5882,5885-5894,5898,5902-5904,5909,5916-5917,5921-5923,5926-5928,"
    L"5930-5932,5938,5943-5945,6067,6069,6073-6127,6129-6136,6138-6139,6160-6182,6186-6188,6190-6192,"
    L"6311-6322,6324-6417,6420-6422,6426-6429,6481-6482,6484-6488,6491-6499,6521,6549-6553,6662,"
    L"6677-6684,6693-6696,6700-6709,6716-6722,6724-6726,6738-6761,6763-6767,6770-6775,6777-6803,"
    L"6805-6807,6809-6813,6815-6844";

std::set<UINT> PublishedIds() {
    std::set<UINT> ids;
    const wchar_t* p = kIdList;
    while (*p != L'\0') {
        wchar_t* end = nullptr;
        const UINT first = static_cast<UINT>(std::wcstoul(p, &end, 10));
        UINT last = first;
        if (*end == L'-')
            last = static_cast<UINT>(std::wcstoul(end + 1, &end, 10));
        for (UINT id = first; id <= last; ++id)
            ids.insert(id);
        p = *end == L',' ? end + 1 : end;
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

bool HoldsPlaceholder(const std::wstring& text) {
    for (const wchar_t* token : {g_pszCompanyNameToken, g_pszProductAbbrevToken, g_pszProductNameToken,
                                 g_pszProductPrefixToken, g_pszProductShortToken}) {
        if (text.find(token) != std::wstring::npos)
            return true;
    }
    return false;
}

} // namespace

TEST(StringTable, HoldsExactlyThePublishedIdentifiers) {
    const std::set<UINT> expected = PublishedIds();
    ASSERT_EQ(979u, expected.size());
    std::set<UINT> actual;
    for (const auto& [id, text] : LibraryEntries()) {
        actual.insert(id);
        EXPECT_FALSE(text.empty()) << "id " << id;
    }
    EXPECT_EQ(expected, actual);
}

TEST(StringTable, FixedEntriesAndTheShapeOfTheDescriptions) {
    const auto entries = LibraryEntries();
    EXPECT_EQ(L"Unknown Error.", entries.at(4086));
    EXPECT_EQ(L"MarlowCaptureAdministrativeCatalog Table", entries.at(5001));
    EXPECT_EQ(L"Function Table", entries.at(5016));
    EXPECT_EQ(L"Rights Table", entries.at(5028));
    EXPECT_EQ(L"The domain name.", entries.at(5035));
    EXPECT_EQ(L"The source type 1-Index fields, 2-Batch fields, 3-{ProductName}, 4-Text Constant",
              entries.at(6106));
    EXPECT_EQ(L"{ProductShort} profile ID", entries.at(6110));

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

TEST(StringTable, CharactersThatTheBuildStepMustCarryThrough) {
    const auto entries = LibraryEntries();
    EXPECT_NE(std::wstring::npos, entries.at(5065).find(L"; the default"));
    EXPECT_EQ(L"The validation range of the value [minimum, maximum].", entries.at(5269));
    EXPECT_EQ(L"The rotation of sample pages in degrees (0\u00b0, 90\u00b0, 180\u00b0 or 270\u00b0).",
              entries.at(5212));
}

TEST(StringTable, LoadedDescriptionsAreBranded) {
    COemMgr oem;
    EXPECT_EQ(CString(L"Pellam profile ID"), oem.LoadOemString(6110));
    EXPECT_TRUE(oem.LoadOemString(1).IsEmpty());
    EXPECT_EQ(CString(L"The source type 1-Index fields, 2-Batch fields, 3-Pellam Capture, 4-Text Constant"),
              DuxException::GetResourceOrUnknownError(6106));
    for (const auto& [id, text] : LibraryEntries()) {
        const CString loaded = oem.LoadOemString(id);
        EXPECT_FALSE(HoldsPlaceholder(loaded.Str())) << "id " << id;
        EXPECT_EQ(HoldsPlaceholder(text), loaded.Str() != text) << "id " << id;
    }
}
