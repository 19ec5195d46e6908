#include "VrlDbmsAnsi.h"

#include <string>

#include "../support/VrlConversions.h"

namespace VrlSchemaLib {

VrlDbmsAnsi::VrlDbmsAnsi(const VrlSchema* schema, const wchar_t* name, const ObjectExistsFormats* formats)
    : VrlDbms(schema, name, formats) {}

VrlDbmsAnsi::~VrlDbmsAnsi() = default;

CommandType VrlDbmsAnsi::TranslateCommandType(CommandType type) const {
    // Both catalogues list functions among the procedures, so callers that
    // probe a routine by its command type look for a procedure.
    return type == cmdFunction ? cmdProcedure : type;
}

VrlDataType VrlDbmsAnsi::CastToBoolEquivalent(COleVariant& value) const {
    VrlConversions::ForceCast(value, VT_I2);
    return dtShort;
}

bool VrlDbmsAnsi::CreateViewsBeforeFunctions() const {
    // Views of these targets call the schema's functions, which must exist
    // when the view is compiled.
    return false;
}

void VrlDbmsAnsi::GenerateSchemaFunctionsFirst(std::vector<CString>& statements) {
    statements.clear();
    const VrlSchema* schema = GetSchema();
    GenerateTableDef(schema, statements);
    GenerateFuncDef(schema, statements);
    GenerateViewDef(schema, statements);
    GenerateProcDef(schema, statements);
    GenerateTriggerDefs(schema, statements);
    AddTo(statements, Sql(52));
}

CString VrlDbmsAnsi::FormatBool(int value) const {
    return CString(value ? L"1" : L"0");
}

CString VrlDbmsAnsi::FillExistsFormat(const wchar_t* format, const wchar_t* name) {
    CString result;
    bool filled = false;
    for (const wchar_t* p = format ? format : L""; *p; ++p) {
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

CString VrlDbmsAnsi::LimitName(const CString& name) {
    return CString(VrlConversions::AnsiConstraintLimit(name));
}

void VrlDbmsAnsi::RemoveParentheticals(CString& text) {
    text.Trim();
    const std::wstring_view source = text.View();
    std::wstring result;
    result.reserve(source.size());
    for (size_t i = 0; i < source.size(); ++i) {
        if (source[i] != L'(') {
            result += source[i];
            continue;
        }
        size_t close = source.find(L')', i + 1);
        if (close == std::wstring_view::npos) {
            break;
        }
        i = close;
    }
    text = CString(std::move(result));
}

} // namespace VrlSchemaLib
