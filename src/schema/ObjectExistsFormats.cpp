// The catalogue queries of the three targets that have a catalogue to ask.
// The records are constant-initialised (constexpr constructors over string
// literals), so they exist before any dynamic initialisation of the process.
#include "ObjectExistsFormats.h"

namespace VrlSchemaLib {

// Standard information schema; the index query uses the server's own system
// views, which the information schema does not cover.
constinit const ObjectExistsFormats g_oSqlServerExistsFormats(
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'%s' AND TABLE_TYPE = N'BASE TABLE'",
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = N'%s' AND COLUMN_NAME = N'%%s'",
    L"SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE TABLE_NAME = N'%s' AND "
    L"CONSTRAINT_TYPE = N'PRIMARY KEY'",
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'%%s' AND "
    L"TABLE_NAME = "
    L"N'%s' AND CONSTRAINT_TYPE = N'FOREIGN KEY'",
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_NAME = N'%%s' AND "
    L"TABLE_NAME = "
    L"N'%s' AND CONSTRAINT_TYPE = N'UNIQUE'",
    L"SELECT COUNT(*) FROM sys.objects, sys.indexes WHERE sys.objects.object_id = sys.indexes.object_id AND "
    L"sys.objects.Type = 'U' AND sys.indexes.Name = N'%%s' AND sys.objects.Name = N'%s'",
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = N'%s' AND TABLE_TYPE = N'VIEW'",
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'%s' AND ROUTINE_TYPE = "
    L"N'PROCEDURE'",
    L"SELECT COUNT(*) FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_NAME = N'%s' AND ROUTINE_TYPE = "
    L"N'FUNCTION'",
    L"");

// USER_* views. Functions are listed among the procedures, so both kinds
// share one query.
constinit const ObjectExistsFormats g_oOracleExistsFormats(
    L"SELECT COUNT(*) FROM USER_TABLES WHERE TABLE_NAME = N'%s' ",
    L"SELECT COUNT(*) FROM USER_TAB_COLUMNS WHERE TABLE_NAME = N'%s' AND COLUMN_NAME = N'%%s'",
    L"SELECT CONSTRAINT_NAME FROM USER_CONSTRAINTS WHERE TABLE_NAME = N'%s' AND CONSTRAINT_TYPE = 'P'",
    L"SELECT COUNT(*) FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = N'%%s' AND TABLE_NAME = N'%s' AND "
    L"CONSTRAINT_TYPE = N'R'",
    L"SELECT COUNT(*) FROM USER_INDEXES WHERE INDEX_NAME = N'%%s' AND TABLE_NAME = N'%s' AND UNIQUENESS = "
    L"'UNIQUE'",
    L"SELECT COUNT(*) FROM USER_INDEXES WHERE INDEX_NAME = N'%%s' AND TABLE_NAME = N'%s' AND UNIQUENESS = "
    L"'NONUNIQUE'",
    L"SELECT COUNT(*) FROM USER_VIEWS WHERE VIEW_NAME = N'%s' ",
    L"SELECT COUNT(*) FROM USER_PROCEDURES WHERE OBJECT_NAME = N'%s' ",
    L"SELECT COUNT(*) FROM USER_PROCEDURES WHERE OBJECT_NAME = N'%s' ",
    L"SELECT COUNT(*) FROM USER_SEQUENCES WHERE SEQUENCE_NAME = N'%s' ");

// SYSCAT, the only catalogue here that distinguishes unique indexes from
// unique constraints.
constinit const ObjectExistsFormats g_oDB2ExistsFormats(
    L"SELECT COUNT(*) FROM SYSCAT.TABLES WHERE TABSCHEMA = CURRENT_SCHEMA AND TABNAME = N'%s' ",
    L"SELECT COUNT(*) FROM SYSCAT.COLUMNS WHERE TABSCHEMA = CURRENT_SCHEMA AND TABNAME = N'%s' AND COLNAME = "
    L"N'%%s'",
    L"SELECT CONSTNAME FROM SYSCAT.TABCONST WHERE TABNAME = N'%s' AND TYPE = N'P'",
    L"SELECT COUNT(*) FROM SYSCAT.REFERENCES WHERE TABSCHEMA = CURRENT_SCHEMA AND CONSTNAME = N'%%s' AND "
    L"TABNAME = N'%s'",
    L"SELECT COUNT(*) FROM SYSCAT.TABCONST WHERE CONSTNAME = N'%%s' AND TABNAME = N'%s' AND TYPE = 'U'",
    L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'U' AND INDNAME "
    L"= "
    L"N'%%s' AND TABNAME = N'%s'",
    L"SELECT COUNT(*) FROM SYSCAT.INDEXES WHERE TABSCHEMA = CURRENT_SCHEMA AND UNIQUERULE = 'D' AND INDNAME "
    L"= "
    L"N'%%s' AND TABNAME = N'%s'",
    L"SELECT COUNT(*) FROM SYSCAT.VIEWS WHERE VIEWSCHEMA = CURRENT_SCHEMA AND VIEWNAME = N'%s' ",
    L"SELECT COUNT(*) FROM SYSCAT.PROCEDURES WHERE PROCSCHEMA = CURRENT_SCHEMA AND PROCNAME = N'%s' ",
    L"SELECT COUNT(*) FROM SYSCAT.ROUTINES WHERE ROUTINENAME = N'%s' AND ROUTINETYPE = N'F' AND "
    L"ROUTINESCHEMA = "
    L"CURRENT_SCHEMA",
    L"");

const ObjectExistsFormats* ObjectExistsFormats::GetSqlServerFormats() {
    return &g_oSqlServerExistsFormats;
}

const ObjectExistsFormats* ObjectExistsFormats::GetOracleFormats() {
    return &g_oOracleExistsFormats;
}

const ObjectExistsFormats* ObjectExistsFormats::GetDB2Formats() {
    return &g_oDB2ExistsFormats;
}

} // namespace VrlSchemaLib
