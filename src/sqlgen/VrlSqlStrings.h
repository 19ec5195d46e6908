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

#include "../platform/CMap.h"
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

private:
    CMap<int, int, CString, const wchar_t*> m_oStrings;
};

} // namespace VrlSchemaLib
