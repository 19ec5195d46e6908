// VrlSchemaVersion: the version of the database schema that introduced an
// object, or that a whole schema describes. A pair of a database version and a
// service-pack number, ordered lexicographically. Collections use the order to
// decide which objects belong to a schema of a given version; generators use it
// to cut column lists and routines by version.
//
// The two enumerations of the pair are declared here rather than with the
// other enumerations of the model, because the version class is the lowest
// piece of the model and everything else includes it.
#pragma once

#include <cstdint>

#include "../platform/PlatformTypes.h"

namespace VrlSchemaLib {

// Open enumeration: any 32-bit value is a valid version; the names below are
// the versions the library itself cares about.
enum VrlDatabaseVersion : int32_t {
    // First version whose buffered-table read routine has the short name.
    VrlDbVersion24 = 24,
    // Version of every object and schema built without an explicit version.
    VrlDbVersion25 = 25,
    VrlDbVersionDefault = 25,
    // Version against which the generators cut their column lists.
    VrlDbVersion35 = 35,
};

enum VrlServicePackNum : int32_t {
    VrlServicePackNone = 0,
    VrlServicePack10_0_1 = 10001, // release 10.0, service pack 1
    VrlServicePack10_0_2 = 10002, // release 10.0, service pack 2
    VrlServicePack10_1 = 10010,   // release 10.1
    // Column lists below this service pack leave out columns newer than
    // (35, service pack).
    VrlServicePackColumnListThreshold = 11201,
};

class VrlSchemaVersion {
public:
    VrlSchemaVersion(VrlDatabaseVersion version = VrlDbVersionDefault,
                     VrlServicePackNum servicePack = VrlServicePackNone)
        : m_eVersion(version), m_eServicePack(servicePack) {}
    // Convenience for callers that hold plain numbers (a version read from a
    // file or a database); same meaning as the enumeration form. Explicit, so
    // that a stray integer never turns into a version unnoticed.
    explicit VrlSchemaVersion(int32_t version, int32_t servicePack = 0)
        : m_eVersion(static_cast<VrlDatabaseVersion>(version)),
          m_eServicePack(static_cast<VrlServicePackNum>(servicePack)) {}

    VrlDatabaseVersion GetVersion() const { return m_eVersion; }
    VrlServicePackNum GetServicePackNumber() const { return m_eServicePack; }

    void SetVersion(VrlDatabaseVersion version) { m_eVersion = version; }
    void SetServicePackNumber(VrlServicePackNum servicePack) { m_eServicePack = servicePack; }
    // Maps a three-part release number (10.0 SP1, 10.0 SP2, 10.1) to its
    // service-pack code. Releases other than 10.x leave the value alone; the
    // database version is never touched.
    void SetServicePackNumber(LONG major, LONG minor, LONG servicePack);

    // Difference of the database versions, or of the service packs when the
    // versions are equal. Not clamped to -1/0/1.
    LONG Compare(VrlSchemaVersion other) const;

    bool operator==(VrlSchemaVersion other) const { return Compare(other) == 0; }
    bool operator!=(VrlSchemaVersion other) const { return Compare(other) != 0; }
    bool operator<=(VrlSchemaVersion other) const { return Compare(other) < 1; }
    bool operator>(VrlSchemaVersion other) const { return Compare(other) > 0; }
    bool operator>=(VrlSchemaVersion other) const { return Compare(other) >= 0; }

    // (version + 1, no service pack); this object is left as it is.
    VrlSchemaVersion Next() const;

private:
    VrlDatabaseVersion m_eVersion;
    VrlServicePackNum m_eServicePack;
};

} // namespace VrlSchemaLib
