// VrlCheckReport: the findings of one check as they are collected, with the
// schema-file record (if any) that turns model objects into JSON paths.
//
// The check visits every object of a model that is almost always right, so
// where an object is (VrlCheckPlace) is kept as a chain of pointers and made
// into text only when a finding is reported.
#pragma once

#include <string>
#include <vector>

#include "../platform/CString.h"
#include "VrlCheckFinding.h"

namespace VrlSchemaLib {

class SchemaFileRecord;

// One step of an object path ("fields/Title", "rows/2", "Title", "data"):
// a folder, a name or an index, below a parent place. The JSON path is the
// one the reader recorded for `object`, followed by `jsonKey` and up to two
// indexes ("/rows/2/5").
struct VrlCheckPlace {
    const VrlCheckPlace* parent = nullptr;
    const wchar_t* folder = nullptr;
    const CString* name = nullptr;
    long index = -1;
    const void* object = nullptr;
    const char* jsonKey = "";
    long jsonIndex = -1;
    long jsonIndex2 = -1;

    CString ObjectPath() const;
};

class VrlCheckReport {
public:
    explicit VrlCheckReport(const SchemaFileRecord* record) : m_pRecord(record) {}

    void Error(const char* code, const VrlCheckPlace& place, const CString& message);
    void Warning(const char* code, const VrlCheckPlace& place, const CString& message);
    // For what the reader noted: the paths are text already.
    void Add(VrlCheckSeverity severity, const char* code, const CString& objectPath, std::string jsonPath,
             const CString& message);

    std::string JsonPath(const VrlCheckPlace& place) const;

    std::vector<VrlCheckFinding> TakeFindings() { return std::move(m_vFindings); }
    // Findings so far.
    size_t Count() const { return m_vFindings.size(); }

    // A name as a message shows it: in quotes, control characters as \uXXXX.
    static CString Quoted(const CString& name);

private:
    const SchemaFileRecord* m_pRecord;
    std::vector<VrlCheckFinding> m_vFindings;
};

} // namespace VrlSchemaLib
