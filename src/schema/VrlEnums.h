// The enumerations of the schema object model. Every one is a 32-bit
// enumeration; the open ones (versions, flags, paste actions) accept any
// value that a caller stores, the named members are the values that the
// library itself gives a meaning to.
#pragma once

#include <cstdint>

#include "VrlSchemaVersion.h"

namespace VrlSchemaLib {

// VrlDatabaseVersion and VrlServicePackNum live with the version class
// (schema/VrlSchemaVersion.h), included here so that this header brings
// every enumeration of the model.

// Type of a column, a parameter or a function result.
enum VrlDataType : int32_t {
    dtInteger = 1,
    dtGuid = 2,
    dtAutoIncrement = 3,
    dtBoolean = 4,
    dtByte = 5,
    dtShort = 6,
    dtLong = 7,
    dtBigInt = 8,
    dtSingle = 9,
    dtDouble = 10,
    dtString = 11,
    dtDateTime = 12,
    dtBinary = 13,
    dtLongText = 14,
    dtString256 = 15,
    dtMemo = 16,
    dtTable = 17,
    dtInteger18 = 18,
    dtInteger19 = 19,
    dtInteger20 = 20,
    dtInteger21 = 21,
    dtMemo22 = 22,
    dtGuid23 = 23,
    dtName = 24,
    dtAnsiString = 25,
    dtAnsiString26 = 26,
    dtSysName = 27,
    dtGuid28 = 28,
    dtTimestamp = 29,
    dtInterval = 30,
};

// Nullability of a column: only ntNotNull is distinguished, every other
// value accepts NULL.
enum VrlNullType : int32_t {
    ntDefault = 0,
    ntNull = 1,
    ntNotNull = 2,
};

// Per-database marks of a column, combined with bitwise or. Bits other than
// the two named here are defined by the callers and only stored.
enum VrlFieldFlag : int32_t {
    ffNone = 0,
    ffWithMilliseconds = 0x2000, // date-time values are written with milliseconds
    ffTimeOffset = 0x4000,       // integer values may be the dialect's time-offset expression
};

// Paste behaviour of a column; the values belong to the callers.
enum VrlPasteAction : int32_t {
    paNone = 0,
};

// Kind of a key, constraint or index.
enum VrlConstraintType : int32_t {
    ctPrimaryKey = 1,
    ctUnique = 2,
    ctForeignKey = 3,
    ctIndex = 4,
    ctForeignKeyNotGenerated = 5, // dropped at construction; never generated
    ctIndex6 = 6,
    ctForeignKey7 = 7,
    ctUniqueNotGenerated = 8, // dropped at construction; never generated
};

// Referential action on delete.
enum VrlOnDeleteType : int32_t {
    odNoAction = 1,
    odCascade = 2,
    odNone = 3, // no action given; no SQL text exists for it
    odCascade4 = 4,
};

// Referential action on update: every value but ouNoAction is a cascade.
enum VrlOnUpdateType : int32_t {
    ouNoAction = 1,
    ouCascade = 2,
};

enum ClusteredType : int32_t {
    clDefault = 0,
    clClustered = 1,
};

// Per-database marks of a table; the values belong to the callers.
enum VrlTableFlag : int32_t {
    tfNone = 0,
};

// Direction of a routine parameter.
enum VrlInOutType : int32_t {
    ioIn = 1,
    ioOut = 2,
    ioInOut = 3,
};

// The database that a table belongs to.
enum VrlTableRootType : int32_t {
    rtUndefined = 0,
    rtAdministrativeCatalog = 1,
    rtStats = 2,
    rtBatchSetupAndRuntime = 3,
    rtSiteProfiles = 4,
    rtUserProfiles = 5,
    rtBatchClassWithRights = 6,
};

// Kind of a named object of a schema, as reported by VrlSchema::GetCommandType.
enum CommandType : int32_t {
    cmdView = 2,
    cmdTable = 3,
    cmdProcedure = 5,
    cmdFunction = 6,
    cmdTemporary = 9, // a name that starts with '#'
};

} // namespace VrlSchemaLib
