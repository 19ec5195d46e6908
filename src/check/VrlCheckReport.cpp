#include "VrlCheckReport.h"

#include <utility>

#include "../schemafile/SchemaFileRecord.h"

namespace VrlSchemaLib {

CString VrlCheckPlace::ObjectPath() const {
    CString path = parent ? parent->ObjectPath() : CString();
    const auto step = [&path](const CString& piece) {
        if (!path.IsEmpty())
            path += L'/';
        path += piece;
    };
    if (folder != nullptr)
        step(folder);
    if (name != nullptr) {
        step(SchemaFileRecord::Shown(*name));
    } else if (index >= 0) {
        CString number;
        number.Format(L"%ld", index);
        step(number);
    }
    return path;
}

void VrlCheckReport::Error(const char* code, const VrlCheckPlace& place, const CString& message) {
    Add(VrlCheckSeverity::Error, code, place.ObjectPath(), JsonPath(place), message);
}

void VrlCheckReport::Warning(const char* code, const VrlCheckPlace& place, const CString& message) {
    Add(VrlCheckSeverity::Warning, code, place.ObjectPath(), JsonPath(place), message);
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

std::string VrlCheckReport::JsonPath(const VrlCheckPlace& place) const {
    // The nearest place that names a model object gives the path.
    const VrlCheckPlace* named = &place;
    while (named != nullptr && named->object == nullptr)
        named = named->parent;
    if (m_pRecord == nullptr || named == nullptr)
        return std::string();
    std::string path = m_pRecord->GetPath(named->object);
    if (path.empty())
        return path;
    path += named->jsonKey;
    for (long index : {named->jsonIndex, named->jsonIndex2}) {
        if (index >= 0)
            path += "/" + std::to_string(index);
    }
    return path;
}

CString VrlCheckReport::Quoted(const CString& name) {
    return L"\"" + SchemaFileRecord::Shown(name) + L"\"";
}

} // namespace VrlSchemaLib
