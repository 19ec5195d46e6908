// Helpers of the schema tests: the keeper of the objects a test builds, with
// the schema tests' shorthands for the most common objects.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialects/DialectTestKit.h"
#include "platform/COleVariant.h"
#include "schema/VrlConstraint.h"
#include "schema/VrlField.h"
#include "schema/VrlSchema.h"
#include "schema/VrlTable.h"

namespace VrlSchemaTest {

using namespace VrlSchemaLib;

inline VrlSchemaVersion V(int32_t version, int32_t servicePack = 0) {
    return VrlSchemaVersion(version, servicePack);
}

// A version written "25" or "25.10001" in the case files, or "default" for
// the default one and "db35" for the one made of VrlDbVersion35.
inline VrlSchemaVersion Version(const std::wstring& text) {
    if (text == L"default" || text == L"db35")
        return text == L"db35" ? VrlSchemaVersion(VrlDbVersion35) : VrlSchemaVersion();
    const size_t dot = text.find(L'.');
    return V(std::stoi(text), dot == std::wstring::npos ? 0 : std::stoi(text.substr(dot + 1)));
}

class ObjectKeeper : public DialectTestKit {
public:
    VrlField* Field(const wchar_t* name, VrlSchemaVersion version = VrlSchemaVersion(),
                    VrlDataType type = dtInteger, int fake = 0, int convertFormat = 0) {
        return Make<VrlField>(name, VrlDataDefinition(type, 0), COleVariant(), ntNull, CString(L"d"), fake,
                              paNone, version, 0, convertFormat);
    }

    VrlField* MemoField(const wchar_t* name, const wchar_t* memoTable) {
        return Make<VrlField>(name, VrlDataDefinition(dtMemo, L"", L"", memoTable, L"Text"), COleVariant(),
                              ntNull, CString(L""), 0, paNone, VrlSchemaVersion(), 0, 0);
    }

    VrlConstraint* Key(const wchar_t* name, VrlConstraintType type, const wchar_t* field,
                       VrlSchemaVersion version = VrlSchemaVersion()) {
        return Make<VrlConstraint>(name, type, CString(field), version);
    }

    // A single-column reference of kind `type` (ctForeignKey or another).
    VrlConstraint* Ref(const wchar_t* name, VrlConstraintType type, const wchar_t* field,
                       const wchar_t* refTable, const wchar_t* refField) {
        return Make<VrlConstraint>(name, type, CString(field), refTable, CString(refField), odNoAction,
                                   ouNoAction, clDefault, VrlSchemaVersion());
    }

    VrlTable* Table(const wchar_t* name, const std::vector<VrlField*>& fields,
                    const std::vector<VrlConstraint*>& constraints = {},
                    VrlSchemaVersion version = VrlSchemaVersion(), LONG bufferSize = 0,
                    VrlTableRootType rootType = rtUndefined) {
        return Make<VrlTable>(name, fields, constraints, L"", bufferSize, 0u, rootType, version);
    }

    // A table with one real column, named after the table.
    VrlTable* PlainTable(const wchar_t* name, VrlSchemaVersion version = VrlSchemaVersion()) {
        return Table(name, {Field(L"ID")}, {}, version);
    }
};

// A fixture whose tests keep what they build in `keep`.
class KitTest : public ::testing::Test {
protected:
    ObjectKeeper keep;
};

inline VrlSchema MakeSchema(const std::vector<VrlTable*>& tables,
                            VrlSchemaVersion version = VrlSchemaVersion()) {
    return VrlSchema(version, tables, {}, {}, {});
}

} // namespace VrlSchemaTest
