#include "VrlCheckReport.h"

#include <utility>

#include "../schemafile/SchemaFileRecord.h"

namespace VrlSchemaLib {

void VrlCheckReport::Error(const char* code, const CString& objectPath, std::string jsonPath,
                           const CString& message) {
    Add(VrlCheckSeverity::Error, code, objectPath, std::move(jsonPath), message);
}

void VrlCheckReport::Warning(const char* code, const CString& objectPath, std::string jsonPath,
                             const CString& message) {
    Add(VrlCheckSeverity::Warning, code, objectPath, std::move(jsonPath), message);
}

void VrlCheckReport::Add(VrlCheckSeverity severity, const char* code, const CString& objectPath,
                         std::string jsonPath, const CString& message) {
    VrlCheckFinding& finding = m_vFindings.emplace_back();
    finding.severity = severity;
    finding.code = code;
    finding.objectPath = objectPath;
    finding.jsonPath = std::move(jsonPath);
    finding.message = message;
}

std::string VrlCheckReport::PathOf(const void* object, const char* suffix) const {
    if (m_pRecord == nullptr)
        return std::string();
    const std::string& path = m_pRecord->GetPath(object);
    return path.empty() ? path : path + suffix;
}

std::string VrlCheckReport::PathOf(const void* object, const char* suffix, size_t index) const {
    std::string path = PathOf(object, suffix);
    if (!path.empty())
        path += "/" + std::to_string(index);
    return path;
}

CString VrlCheckReport::Shown(const CString& name) {
    return SchemaFileRecord::Shown(name);
}

CString VrlCheckReport::Quoted(const CString& name) {
    return L"\"" + Shown(name) + L"\"";
}

} // namespace VrlSchemaLib
