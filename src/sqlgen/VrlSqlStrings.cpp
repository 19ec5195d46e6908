#include "VrlSqlStrings.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace VrlSchemaLib {

VrlSqlStrings::VrlSqlStrings() : m_oDirect(kDirect) {}

// Marker rules: "&1".."&6" and "&#" are slots; "&x" for any other x is a
// literal "&" (x dropped); a lone "&" at the end stays "&".
VrlSqlStrings::Template VrlSqlStrings::Split(const CString& text) {
    Template result{text, {}, 0, false};
    const std::wstring_view view = result.text.View();
    const auto literal = [&](size_t from, size_t length) {
        if (length == 0)
            return;
        result.literalLength += static_cast<uint32_t>(length);
        // A run that continues the previous one (the "&" of "&&") joins it.
        if (!result.pieces.empty()) {
            Piece& last = result.pieces.back();
            if (last.slot == kLiteral && last.offset + last.length == from) {
                last.length += static_cast<uint32_t>(length);
                return;
            }
        }
        result.pieces.push_back(Piece{static_cast<uint32_t>(from), static_cast<uint32_t>(length), kLiteral});
    };
    size_t i = 0;
    while (i < view.size()) {
        const size_t amp = view.find(L'&', i);
        if (amp == std::wstring_view::npos) {
            literal(i, view.size() - i);
            break;
        }
        literal(i, amp - i);
        if (amp + 1 == view.size()) {
            literal(amp, 1);
            break;
        }
        const wchar_t marker = view[amp + 1];
        if (marker == L'#') {
            result.pieces.push_back(Piece{0, 0, kNumber});
            result.hasNumber = true;
        } else if (marker >= L'1' && marker <= L'6')
            result.pieces.push_back(Piece{0, 0, static_cast<int>(marker - L'1')});
        else
            literal(amp, 1);
        i = amp + 2;
    }
    return result;
}

void VrlSqlStrings::Add(int id, const CString& text) {
    if (id >= 0 && id < kDirect)
        m_oDirect[static_cast<size_t>(id)] = Split(text);
    else
        m_oOthers[id] = Split(text);
}

const VrlSqlStrings::Template* VrlSqlStrings::Find(int id) const {
    if (id >= 0 && id < kDirect)
        return m_oDirect[static_cast<size_t>(id)] ? &*m_oDirect[static_cast<size_t>(id)] : nullptr;
    const auto it = m_oOthers.find(id);
    return it == m_oOthers.end() ? nullptr : &it->second;
}

CString VrlSqlStrings::Get(int id, int number, const CString& p1, const CString& p2, const CString& p3,
                           const CString& p4, const CString& p5, const CString& p6) const {
    CString result;
    AppendTo(result, id, number, p1, p2, p3, p4, p5, p6);
    return result;
}

void VrlSqlStrings::AppendTo(CString& target, int id, int number, const CString& p1, const CString& p2,
                             const CString& p3, const CString& p4, const CString& p5,
                             const CString& p6) const {
    const std::wstring_view args[] = {p1.View(), p2.View(), p3.View(), p4.View(), p5.View(), p6.View()};
    AppendTo(target, id, number, args);
}

void VrlSqlStrings::AppendTo(CString& target, int id, int number, const std::wstring_view (&args)[6]) const {
    const Template* found = Find(id);
    if (found == nullptr)
        return;
    const std::wstring_view text = found->text.View();

    // The number's digits, when the template writes it.
    wchar_t digits[24];
    std::wstring_view decimal;
    if (found->hasNumber) {
        const bool negative = number < 0;
        unsigned long magnitude =
            negative ? 0UL - static_cast<unsigned long>(number) : static_cast<unsigned long>(number);
        wchar_t* at = std::end(digits);
        do {
            *--at = static_cast<wchar_t>(L'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative)
            *--at = L'-';
        decimal = std::wstring_view(at, static_cast<size_t>(std::end(digits) - at));
    }

    // The statement's exact length first, then its characters in one pass.
    size_t added = found->literalLength;
    for (const Piece& piece : found->pieces) {
        if (piece.slot != kLiteral)
            added += piece.slot == kNumber ? decimal.size() : args[piece.slot].size();
    }
    if (added == 0)
        return;
    const size_t length = static_cast<size_t>(target.GetLength());
    if (added > static_cast<size_t>(INT_MAX) - length)
        throw std::length_error("VrlSqlStrings: statement too long");
    // When the text must move its room doubles, so that appending statement
    // after statement stays linear.
    wchar_t* at = target.GetBufferSetLength(static_cast<int>(length + added)) + length;
    for (const Piece& piece : found->pieces) {
        const wchar_t* from;
        size_t count;
        if (piece.slot == kLiteral) {
            from = text.data() + piece.offset;
            count = piece.length;
        } else {
            const std::wstring_view arg = piece.slot == kNumber ? decimal : args[piece.slot];
            from = arg.data();
            count = arg.size();
        }
        // Most runs are a few characters: a call to memcpy would cost more
        // than their copy.
        if (count <= 8) {
            for (size_t k = 0; k < count; ++k)
                at[k] = from[k];
        } else {
            std::memcpy(at, from, count * sizeof(wchar_t));
        }
        at += count;
    }
}

CString VrlSqlStrings::Get(int id, const CString& p1, const CString& p2, const CString& p3, const CString& p4,
                           const CString& p5, const CString& p6) const {
    return Get(id, 0, p1, p2, p3, p4, p5, p6);
}

} // namespace VrlSchemaLib
