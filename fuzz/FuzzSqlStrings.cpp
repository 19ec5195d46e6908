// Fuzz target of VrlSqlStrings::Get.
//
// Input: zero-separated pieces: the template, up to six text arguments and
// the number argument (decimal text). Every piece is UTF-8. The expansion is
// compared with a plain reading of the marker rules: "&1".."&6" the
// arguments verbatim, "&#" the number, "&" and any other character one "&",
// a final lone "&" itself. Arguments that hold markers must come out
// unexpanded, and an id that was never added gives the empty text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "sqlgen/VrlSqlStrings.h"

namespace {

std::wstring Reference(std::wstring_view text, int number, const CString* args[6]) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&') {
            out += text[i];
        } else if (i + 1 == text.size()) {
            out += L'&';
        } else {
            const wchar_t m = text[++i];
            if (m == L'#')
                out += std::to_wstring(number);
            else if (m >= L'1' && m <= L'6')
                out += args[m - L'1']->View();
            else
                out += L'&';
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using VrlSchemaLib::VrlSqlStrings;
    const std::vector<std::string_view> parts = VrlSchemaFuzz::SplitAtZero(data, size);
    auto piece = [&](size_t i) {
        return i < parts.size() ? CString(Utf8ToWide(parts[i])) : CString(VrlSqlStrings::cm_pszUnused);
    };
    const CString text = piece(0);
    const CString p1 = piece(1), p2 = piece(2), p3 = piece(3), p4 = piece(4), p5 = piece(5), p6 = piece(6);
    const int number = parts.size() > 7 ? std::atoi(std::string(parts[7]).c_str()) : static_cast<int>(size);
    const int id = static_cast<int>(size % 64);

    VrlSqlStrings strings;
    strings.Add(id, L"replaced &1");
    strings.Add(id, text);
    strings.Add(id + 1, p1);

    const CString* args[6] = {&p1, &p2, &p3, &p4, &p5, &p6};
    const CString got = strings.Get(id, number, p1, p2, p3, p4, p5, p6);
    FUZZ_CHECK(got.View() == Reference(text.View(), number, args));
    FUZZ_CHECK(strings.Get(id, p1, p2, p3, p4, p5, p6).View() == Reference(text.View(), 0, args));
    // A template made of an argument text: its markers expand only here.
    const CString* rotated[6] = {&p2, &p3, &p4, &p5, &p6, &p1};
    FUZZ_CHECK(strings.Get(id + 1, number, p2, p3, p4, p5, p6, p1).View() ==
               Reference(p1.View(), number, rotated));
    FUZZ_CHECK(strings.Get(-1 - id, number, p1, p2, p3, p4, p5, p6).IsEmpty());
    return 0;
}
