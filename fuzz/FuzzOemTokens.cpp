// Fuzz target of COemMgr::ReplaceTokens, and of the error text that a
// DuxException builds from such a message into a caller's buffer.
//
// Input: the text, as UTF-8. The replacement is compared with a plain
// reading of the rules: nothing happens unless the text holds a "{" and its
// first "}" stands after position 0; then each placeholder, in a fixed order,
// is replaced everywhere, left to right. The error text is written into
// buffers of every small capacity, each followed by a guard region that must
// stay untouched.
#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "support/COemMgr.h"
#include "support/DuxException.h"

namespace {

using namespace VrlSchemaLib;

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    std::wstring out;
    size_t last = 0;
    for (size_t pos = text.find(from); pos != std::wstring::npos; pos = text.find(from, last)) {
        out.append(text, last, pos - last);
        out += to;
        last = pos + from.size();
    }
    out.append(text, last, std::wstring::npos);
    text.swap(out);
}

std::wstring Reference(const COemMgr& oem, std::wstring text) {
    const size_t close = text.find(L'}');
    if (text.find(L'{') == std::wstring::npos || close == std::wstring::npos || close == 0)
        return text;
    ReplaceAll(text, g_pszCompanyNameToken, oem.GetCompanyName().View());
    ReplaceAll(text, g_pszProductNameToken, oem.GetProductName().View());
    ReplaceAll(text, g_pszProductAbbrevToken, oem.GetProductAbbrev().View());
    ReplaceAll(text, g_pszProductShortToken, oem.GetProductShort().View());
    ReplaceAll(text, g_pszProductPrefixToken, oem.GetProductPrefix().View());
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VrlSchemaFuzz::StartLibrary();
    const COemMgr* oem = COemMgr::GetOemMgr();
    const CString text = VrlSchemaFuzz::WideText(data, size);
    const CString replaced = oem->ReplaceTokens(text);
    FUZZ_CHECK(replaced.View() == Reference(*oem, std::wstring(text.View())));

    DuxException* e = new DuxException(4, static_cast<LONG>(size), "Fuzz.cpp", 7, text.GetString());
    // The exception takes the message as a C string, up to a first zero.
    FUZZ_CHECK(e->GetMessageW() == oem->ReplaceTokens(CString(text.GetString())));
    // The full text first, then every capacity up to a little beyond it.
    constexpr UINT kGuard = 8;
    std::wstring full(replaced.View().size() + 256, L'\0');
    e->GetErrorMessage(full.data(), static_cast<UINT>(full.size()));
    const size_t fullLength = std::wcslen(full.c_str());
    const UINT step = fullLength > 64 ? static_cast<UINT>(fullLength / 16) : 1;
    for (UINT capacity = 0; capacity <= fullLength + 2; capacity += step) {
        std::wstring buffer(capacity + kGuard, L'#');
        e->GetErrorMessage(buffer.data(), capacity);
        for (UINT i = capacity; i < capacity + kGuard; ++i)
            FUZZ_CHECK(buffer[i] == L'#');
        if (capacity > 0) {
            const size_t length = std::wcslen(buffer.c_str());
            FUZZ_CHECK(length == std::min<size_t>(fullLength, capacity - 1));
            FUZZ_CHECK(full.compare(0, length, buffer, 0, length) == 0);
        }
    }
    e->Delete();
    return 0;
}
