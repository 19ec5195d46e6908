#include "JsonPath.h"

namespace VrlSchemaLib {

void JsonPath::AppendTo(std::string& out) const {
    if (m_parent == nullptr)
        return;
    m_parent->AppendTo(out);
    out += '/';
    if (m_isIndex)
        out += std::to_string(m_index);
    else
        out += m_key;
}

} // namespace VrlSchemaLib
