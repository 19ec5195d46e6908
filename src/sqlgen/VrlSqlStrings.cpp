#include "sqlgen/VrlSqlStrings.h"

#include <string>

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
    CString stored;
    if (!m_oStrings.Lookup(id, stored)) {
        return result;
    }
    const std::wstring& text = stored.Str();
    const CString* const args[] = {&p1, &p2, &p3, &p4, &p5, &p6};

    std::wstring& out = result.Str();
    out.reserve(text.size() + p1.Str().size() + p2.Str().size() + p3.Str().size() + 64);
    const size_t length = text.size();
    for (size_t i = 0; i < length; ++i) {
        const wchar_t ch = text[i];
        if (ch != L'&') {
            out += ch;
            continue;
        }
        if (++i == length) {
            out += L'&';
            break;
        }
        const wchar_t marker = text[i];
        if (marker == L'#') {
            out += std::to_wstring(number);
        } else if (marker >= L'1' && marker <= L'6') {
            out += args[marker - L'1']->Str();
        } else {
            // An unknown marker stands for a literal ampersand; the character
            // after it is dropped, which is how "&&" and "&!" spell "&".
            out += L'&';
        }
    }
    return result;
}

CString VrlSqlStrings::Get(int id, const CString& p1, const CString& p2, const CString& p3, const CString& p4,
                           const CString& p5, const CString& p6) const {
    return Get(id, 0, p1, p2, p3, p4, p5, p6);
}

} // namespace VrlSchemaLib
