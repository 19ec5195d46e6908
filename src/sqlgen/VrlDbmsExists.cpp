// VrlDbms: existence probes against the target's system catalogue, filled
// from the dialect's ObjectExistsFormats record.
#include "../schema/ObjectExistsFormats.h"
#include "../schema/VrlSchemaObject.h"
#include "VrlDbms.h"

namespace VrlSchemaLib {

namespace {

// Fills the first "%s" of a catalogue format with `name` and turns "%%" into
// "%". The formats are printf texts, but the names come from schemas; doing
// the one substitution by hand keeps a name that holds a '%' from being read
// as a conversion.
CString FillFormat(const wchar_t* format, const wchar_t* name) {
    CString result;
    if (format == nullptr)
        return result;
    bool filled = false;
    for (const wchar_t* p = format; *p; ++p) {
        if (p[0] == L'%' && p[1] == L'%') {
            result += L'%';
            ++p;
        } else if (!filled && p[0] == L'%' && p[1] == L's') {
            result += name;
            filled = true;
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

} // namespace

CString VrlDbms::FormatObjectExists(const VrlSchemaObject* object) const {
    // A target without a catalogue record has no query to offer.
    if (object == nullptr || m_pExistsFormats == nullptr)
        return CString();
    const CString format = object->GetExistsFormat(m_pExistsFormats);
    return FillFormat(format, object->GetNameRef());
}

CString VrlDbms::FormatTableExists(const wchar_t* name) const {
    if (m_pExistsFormats == nullptr)
        return CString();
    CString query = FillFormat(m_pExistsFormats->GetTableFormat(), name);
    query.MakeUpper();
    return query;
}

CString VrlDbms::FormatProcedureExists(const wchar_t* name) const {
    if (m_pExistsFormats == nullptr)
        return CString();
    CString query = FillFormat(m_pExistsFormats->GetProcedureFormat(), name);
    query.MakeUpper();
    return query;
}

CString VrlDbms::FormatSequenceExists(const wchar_t* name) const {
    if (m_pExistsFormats == nullptr)
        return CString();
    CString query = FillFormat(m_pExistsFormats->GetSequenceFormat(), name);
    query.MakeUpper();
    return query;
}

} // namespace VrlSchemaLib
