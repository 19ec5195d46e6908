// VrlSqlStrings: the numbered SQL templates of one generator. Each dialect
// registers its own texts under ids 0 to 59; the generator code asks for a
// template by id and the dialect's text decides the statement's shape.
//
// Markers inside a template:
//   &1 .. &6  the text arguments p1 .. p6, copied verbatim (never rescanned)
//   &#        the number argument, in decimal
//   &x        for any other character x: a single "&" (x is swallowed), so
//             "&&" and "&!" both give "&"
//   a lone "&" at the end of a template stays "&".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "../platform/CString.h"

namespace VrlSchemaLib {

class VrlSqlStrings {
public:
    // Filler for argument slots that a template does not use; its value is
    // never looked at.
    static constexpr const wchar_t* cm_pszUnused = L"\x01";

    VrlSqlStrings();
    VrlSqlStrings(const VrlSqlStrings&) = delete;
    VrlSqlStrings& operator=(const VrlSqlStrings&) = delete;

    // Stores `text` under `id`, replacing any earlier text.
    void Add(int id, const CString& text);

    // The expanded template `id`; the empty text for an id never added.
    CString Get(int id, int number, const CString& p1, const CString& p2, const CString& p3,
                const CString& p4, const CString& p5, const CString& p6) const;
    // The same with number 0.
    CString Get(int id, const CString& p1, const CString& p2, const CString& p3, const CString& p4,
                const CString& p5, const CString& p6) const;
    // Get's text appended to `out`, with no text of its own in between.
    void AppendTo(CString& out, int id, int number, const CString& p1, const CString& p2, const CString& p3,
                  const CString& p4, const CString& p5, const CString& p6) const;
    // The same with the arguments p1 to p6 as views.
    void AppendTo(CString& out, int id, int number, const std::wstring_view (&args)[6]) const;

private:
    // A template split once into literal runs of its text and argument slots.
    struct Piece {
        uint32_t offset; // literal: where the run starts in the text
        uint32_t length; // literal: its length
        int slot;        // kLiteral, 0 to 5 for p1 to p6, or kNumber
    };
    struct Template {
        CString text;
        std::vector<Piece> pieces;
        uint32_t literalLength; // of all the literal runs
        bool hasNumber;         // holds a "&#"
    };
    static constexpr int kLiteral = -1;
    static constexpr int kNumber = 6;
    // Ids below this are kept in a table, the rest in a map.
    static constexpr int kDirect = 64;

    static Template Split(const CString& text);
    const Template* Find(int id) const;

    std::vector<std::optional<Template>> m_oDirect; // kDirect entries, empty where none was added
    std::unordered_map<int, Template> m_oOthers;
};

} // namespace VrlSchemaLib
