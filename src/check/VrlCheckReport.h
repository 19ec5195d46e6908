// VrlCheckReport: the findings of one check as they are collected, with the
// schema-file record (if any) that turns model objects into JSON paths.
#pragma once

#include <string>
#include <vector>

#include "../platform/CString.h"
#include "VrlCheckFinding.h"

namespace VrlSchemaLib {

class SchemaFileRecord;

class VrlCheckReport {
public:
    explicit VrlCheckReport(const SchemaFileRecord* record) : m_pRecord(record) {}

    void Error(const char* code, const CString& objectPath, std::string jsonPath, const CString& message);
    void Warning(const char* code, const CString& objectPath, std::string jsonPath, const CString& message);

    // The JSON path of a model object followed by `suffix`; empty when the
    // model was not read from a file, or the object not built by the reader.
    std::string PathOf(const void* object, const char* suffix = "") const;
    std::string PathOf(const void* object, const char* suffix, size_t index) const;

    const std::vector<VrlCheckFinding>& Findings() const { return m_vFindings; }
    std::vector<VrlCheckFinding> TakeFindings() { return std::move(m_vFindings); }

    // A name as a message shows it: in quotes, control characters as \uXXXX.
    static CString Quoted(const CString& name);
    // A name as an object path shows it: control characters as \uXXXX.
    static CString Shown(const CString& name);

private:
    void Add(VrlCheckSeverity severity, const char* code, const CString& objectPath, std::string jsonPath,
             const CString& message);

    const SchemaFileRecord* m_pRecord;
    std::vector<VrlCheckFinding> m_vFindings;
};

} // namespace VrlSchemaLib
