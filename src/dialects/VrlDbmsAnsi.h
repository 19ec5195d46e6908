// VrlDbmsAnsi: what the Oracle and DB2 generators have in common and where
// both part from SQL Server and Access. Neither target has a bit type, so
// booleans travel as small integers written 1 and 0; functions are created
// before the views that call them; and the catalogues do not tell functions
// from procedures when a caller asks for a routine's command type.
//
// The class fills neither the type map nor the template table: each
// concrete dialect does that in its own constructor.
#pragma once

#include "../sqlgen/VrlDbms.h"

namespace VrlSchemaLib {

class VrlDbmsAnsi : public VrlDbms {
public:
    VrlDbmsAnsi(const VrlSchema* schema, const wchar_t* name, const ObjectExistsFormats* formats);
    ~VrlDbmsAnsi() override;

    // A function is reported as a procedure (6 becomes 5).
    CommandType TranslateCommandType(CommandType type) const override;
    // The value becomes a 2-byte integer; its column type is the small
    // integer (dtShort), not the bit type.
    VrlDataType CastToBoolEquivalent(COleVariant& value) const override;
    // False: functions first, then views.
    bool CreateViewsBeforeFunctions() const override;

    using VrlDbms::FormatBool;
    // "1" for true, "0" for false.
    CString FormatBool(int value) const override;

protected:
    // Fills the first "%s" of a catalogue format with `name` and turns "%%"
    // into "%", without reading the name as a format.
    static CString FillExistsFormat(const wchar_t* format, const wchar_t* name);
    // `name` cut to the 18-character identifier limit of both targets,
    // copied out of the shared buffer of VrlConversions.
    static CString LimitName(const CString& name);
    // Trims the text and removes every "(...)" group; a "(" without a
    // closing ")" drops the rest. Groups do not nest: X(Y(Z)W)V gives XW)V.
    static void RemoveParentheticals(CString& text);
};

} // namespace VrlSchemaLib
