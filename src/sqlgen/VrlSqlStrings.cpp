#include "VrlSqlStrings.h"

#include <string>
#include <string_view>

namespace VrlSchemaLib {

VrlSqlStrings::VrlSqlStrings() : m_oStrings(10) {
    // A dialect registers sixty templates; room for them up front.
    m_oStrings.InitHashTable(64);
}

void VrlSqlStrings::Add(int id, const CString& text) {
    m_oStrings[id] = text;
}

CString VrlSqlStrings::Get(int id, int number, const CString& p1, const CString& p2, const CString& p3,
                           const CString& p4, const CString& p5, const CString& p6) const {
    CString result;
    const CString* stored = m_oStrings.PLookupValue(id);
    if (stored == nullptr)
        return result;
    const std::wstring_view text = stored->View();
    const CString* const args[] = {&p1, &p2, &p3, &p4, &p5, &p6};

    std::wstring& out = result.Str();
    // Enough for a template whose markers each appear once; a repeated
    // marker only makes the string grow once more.
    size_t estimate = text.size() + 12;
    for (const CString* arg : args)
        estimate += arg->Str().size();
    out.reserve(estimate);

    // The text between markers is copied a run at a time.
    size_t i = 0;
    while (i < text.size()) {
        const size_t amp = text.find(L'&', i);
        if (amp == std::wstring_view::npos) {
            out.append(text, i);
            break;
        }
        out.append(text, i, amp - i);
        if (amp + 1 == text.size()) {
            out += L'&';
            break;
        }
        const wchar_t marker = text[amp + 1];
        if (marker == L'#') {
            AppendDecimal(out, number);
        } else if (marker >= L'1' && marker <= L'6') {
            out += args[marker - L'1']->Str();
        } else {
            // An unknown marker stands for a literal ampersand; the character
            // after it is dropped, which is how "&&" and "&!" spell "&".
            out += L'&';
        }
        i = amp + 2;
    }
    return result;
}

CString VrlSqlStrings::Get(int id, const CString& p1, const CString& p2, const CString& p3, const CString& p4,
                           const CString& p5, const CString& p6) const {
    return Get(id, 0, p1, p2, p3, p4, p5, p6);
}

} // namespace VrlSchemaLib
