#include "VrlSchemaVersion.h"

#include <cstdint>

namespace VrlSchemaLib {

void VrlSchemaVersion::SetServicePackNumber(LONG major, LONG minor, LONG servicePack) {
    // Only the 10.x releases have service-pack codes; any other release number
    // is not ours to interpret, so the current value stays.
    if (major != 10) {
        return;
    }
    if (minor == 0) {
        switch (servicePack) {
        case 1:
            m_eServicePack = VrlServicePack10_0_1;
            break;
        case 2:
            m_eServicePack = VrlServicePack10_0_2;
            break;
        default:
            m_eServicePack = VrlServicePackNone;
            break;
        }
    } else if (minor == 1) {
        m_eServicePack = VrlServicePack10_1;
    }
}

namespace {

// Differences of extreme values do not fit 32 bits; they are clamped so that
// the sign, which is all the operators look at, is always right.
LONG ClampedDifference(int32_t a, int32_t b) {
    const int64_t diff = static_cast<int64_t>(a) - static_cast<int64_t>(b);
    if (diff > INT32_MAX) {
        return INT32_MAX;
    }
    if (diff < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<LONG>(diff);
}

} // namespace

LONG VrlSchemaVersion::Compare(VrlSchemaVersion other) const {
    if (m_eVersion != other.m_eVersion) {
        return ClampedDifference(m_eVersion, other.m_eVersion);
    }
    return ClampedDifference(m_eServicePack, other.m_eServicePack);
}

VrlSchemaVersion VrlSchemaVersion::Next() const {
    // The largest version has no successor; it stays where it is rather than
    // wrapping round to the smallest.
    const int32_t version = m_eVersion == INT32_MAX ? INT32_MAX : static_cast<int32_t>(m_eVersion) + 1;
    return VrlSchemaVersion(static_cast<VrlDatabaseVersion>(version), VrlServicePackNone);
}

} // namespace VrlSchemaLib
