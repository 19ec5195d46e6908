#include "VrlReservedWords.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <unordered_set>

namespace VrlSchemaLib {

namespace {

// Words every target reserves.
const char* const s_aCommon[] = {
    "ADD",     "ALL",       "ALTER",      "AND",     "ANY",    "AS",       "ASC",        "BEGIN",  "BETWEEN",
    "BY",      "CASE",      "CHECK",      "CLOSE",   "COLUMN", "COMMIT",   "CONSTRAINT", "CREATE", "CROSS",
    "CURSOR",  "DECLARE",   "DEFAULT",    "DELETE",  "DESC",   "DISTINCT", "DROP",       "ELSE",   "END",
    "EXISTS",  "FETCH",     "FOR",        "FOREIGN", "FROM",   "FULL",     "FUNCTION",   "GRANT",  "GROUP",
    "HAVING",  "IN",        "INDEX",      "INNER",   "INSERT", "INTO",     "IS",         "JOIN",   "KEY",
    "LEFT",    "LIKE",      "NOT",        "NULL",    "ON",     "OPEN",     "OR",         "ORDER",  "OUTER",
    "PRIMARY", "PROCEDURE", "REFERENCES", "REVOKE",  "RIGHT",  "ROLLBACK", "SELECT",     "SET",    "TABLE",
    "THEN",    "TO",        "TRIGGER",    "UNION",   "UNIQUE", "UPDATE",   "USER",       "VALUES", "VIEW",
    "WHEN",    "WHERE",     "WITH",
};

const char* const s_aSqlServer[] = {
    "BACKUP",
    "BREAK",
    "BROWSE",
    "BULK",
    "CASCADE",
    "CHECKPOINT",
    "CLUSTERED",
    "COALESCE",
    "COLLATE",
    "COMPUTE",
    "CONTAINS",
    "CONTINUE",
    "CONVERT",
    "CURRENT",
    "CURRENT_DATE",
    "CURRENT_TIME",
    "CURRENT_TIMESTAMP",
    "CURRENT_USER",
    "DATABASE",
    "DBCC",
    "DEALLOCATE",
    "DENY",
    "DISK",
    "DISTRIBUTED",
    "DOUBLE",
    "DUMP",
    "ESCAPE",
    "EXCEPT",
    "EXEC",
    "EXECUTE",
    "EXIT",
    "EXTERNAL",
    "FILE",
    "FILLFACTOR",
    "FREETEXT",
    "GOTO",
    "HOLDLOCK",
    "IDENTITY",
    "IDENTITYCOL",
    "IF",
    "INTERSECT",
    "KILL",
    "LINENO",
    "LOAD",
    "MERGE",
    "NATIONAL",
    "NOCHECK",
    "NONCLUSTERED",
    "NULLIF",
    "OF",
    "OFF",
    "OFFSETS",
    "OPENQUERY",
    "OPENROWSET",
    "OPENXML",
    "OPTION",
    "OVER",
    "PERCENT",
    "PIVOT",
    "PLAN",
    "PRECISION",
    "PRINT",
    "PROC",
    "PUBLIC",
    "RAISERROR",
    "READ",
    "READTEXT",
    "RECONFIGURE",
    "REPLICATION",
    "RESTORE",
    "RESTRICT",
    "RETURN",
    "REVERT",
    "ROWCOUNT",
    "ROWGUIDCOL",
    "RULE",
    "SAVE",
    "SCHEMA",
    "SESSION_USER",
    "SETUSER",
    "SHUTDOWN",
    "SOME",
    "STATISTICS",
    "SYSTEM_USER",
    "TABLESAMPLE",
    "TEXTSIZE",
    "TOP",
    "TRAN",
    "TRANSACTION",
    "TRUNCATE",
    "TSEQUAL",
    "UNPIVOT",
    "UPDATETEXT",
    "USE",
    "VARYING",
    "WAITFOR",
    "WHILE",
    "WRITETEXT",
};

const char* const s_aOracle[] = {
    "ACCESS",   "AUDIT",    "CHAR",      "CLUSTER",    "COMMENT",    "COMPRESS",   "CONNECT",    "CURRENT",
    "DATE",     "DECIMAL",  "EXCLUSIVE", "FILE",       "FLOAT",      "IDENTIFIED", "IMMEDIATE",  "INCREMENT",
    "INITIAL",  "INTEGER",  "INTERSECT", "LEVEL",      "LOCK",       "LONG",       "MAXEXTENTS", "MINUS",
    "MLSLABEL", "MODE",     "MODIFY",    "NOAUDIT",    "NOCOMPRESS", "NOWAIT",     "NUMBER",     "OF",
    "OFFLINE",  "ONLINE",   "OPTION",    "PCTFREE",    "PRIOR",      "PRIVILEGES", "PUBLIC",     "RAW",
    "RENAME",   "RESOURCE", "ROW",       "ROWID",      "ROWNUM",     "ROWS",       "SESSION",    "SHARE",
    "SIZE",     "SMALLINT", "START",     "SUCCESSFUL", "SYNONYM",    "SYSDATE",    "UID",        "VALIDATE",
    "VARCHAR",  "VARCHAR2", "WHENEVER",
};

const char* const s_aDB2[] = {
    "ALIAS",        "ALLOCATE",  "AUDIT",        "CALL",         "CAPTURE",
    "CCSID",        "CLUSTER",   "COLLECTION",   "COMMENT",      "CONCAT",
    "CONDITION",    "CONNECT",   "CONNECTION",   "CONTAINS",     "CONTINUE",
    "COUNT",        "CURRENT",   "CURRENT_DATE", "CURRENT_TIME", "CURRENT_TIMESTAMP",
    "CURRENT_USER", "DATA",      "DATABASE",     "DAY",          "DAYS",
    "DO",           "DOUBLE",    "DYNAMIC",      "ELSEIF",       "ENCODING",
    "ESCAPE",       "EXCEPT",    "EXECUTE",      "EXIT",         "EXTERNAL",
    "FENCED",       "FINAL",     "FREE",         "GENERATED",    "GO",
    "GOTO",         "HANDLER",   "HOLD",         "HOUR",         "HOURS",
    "IF",           "IMMEDIATE", "INOUT",        "INSENSITIVE",  "INTERSECT",
    "ITERATE",      "LABEL",     "LANGUAGE",     "LEAVE",        "LOCATOR",
    "LOCKSIZE",     "LOOP",      "MICROSECOND",  "MINUTE",       "MONTH",
    "NULLS",        "OF",        "OPTIMIZE",     "OUT",          "PACKAGE",
    "PART",         "PATH",      "PLAN",         "PRECISION",    "PROGRAM",
    "QUERYNO",      "READS",     "RELEASE",      "RENAME",       "REPEAT",
    "RESIGNAL",     "RESTRICT",  "RESULT",       "RETURN",       "RETURNS",
    "ROW",          "ROWS",      "RUN",          "SAVEPOINT",    "SCHEMA",
    "SCRATCHPAD",   "SECOND",    "SECONDS",      "SECURITY",     "SIGNAL",
    "SIMPLE",       "SOME",      "SOURCE",       "SPECIFIC",     "STANDARD",
    "STATIC",       "STOGROUP",  "SYNONYM",      "SYSTEM",       "TABLESPACE",
    "UNDO",         "UNTIL",     "USING",        "VARIABLE",     "VARIANT",
    "VOLUMES",      "WHILE",     "YEAR",         "YEARS",
};

const char* const s_aAccess[] = {
    "ALPHANUMERIC", "AUTOINCREMENT", "BINARY",      "BIT",        "BOOLEAN",    "BYTE",      "CHAR",
    "CHARACTER",    "COUNTER",       "CURRENCY",    "DATABASE",   "DATE",       "DATETIME",  "DOUBLE",
    "FLOAT",        "GENERAL",       "GUID",        "IEEEDOUBLE", "IEEESINGLE", "INTEGER",   "LEVEL",
    "LOGICAL",      "LONG",          "LONGBINARY",  "LONGTEXT",   "MEMO",       "MONEY",     "NUMBER",
    "NUMERIC",      "OLEOBJECT",     "OWNERACCESS", "PARAMETERS", "PASSWORD",   "PERCENT",   "PIVOT",
    "REAL",         "SHORT",         "SINGLE",      "SMALLINT",   "STRING",     "TEXT",      "TIME",
    "TIMESTAMP",    "TINYINT",       "TOP",         "TRANSFORM",  "VALUE",      "VARBINARY", "VARCHAR",
    "YESNO",
};

// The reserved key words of PostgreSQL, also those it allows only as a
// function or type name, beyond the common ones.
const char* const s_aPostgres[] = {
    "ANALYSE",
    "ANALYZE",
    "ARRAY",
    "ASYMMETRIC",
    "AUTHORIZATION",
    "BINARY",
    "BOTH",
    "CAST",
    "COLLATE",
    "COLLATION",
    "CONCURRENTLY",
    "CURRENT_CATALOG",
    "CURRENT_DATE",
    "CURRENT_ROLE",
    "CURRENT_SCHEMA",
    "CURRENT_TIME",
    "CURRENT_TIMESTAMP",
    "CURRENT_USER",
    "DEFERRABLE",
    "DO",
    "EXCEPT",
    "FALSE",
    "FREEZE",
    "ILIKE",
    "INITIALLY",
    "INTERSECT",
    "ISNULL",
    "LATERAL",
    "LEADING",
    "LIMIT",
    "LOCALTIME",
    "LOCALTIMESTAMP",
    "NATURAL",
    "NOTNULL",
    "OFFSET",
    "ONLY",
    "OVERLAPS",
    "PLACING",
    "RETURNING",
    "SESSION_USER",
    "SIMILAR",
    "SOME",
    "SYMMETRIC",
    "TABLESAMPLE",
    "TRAILING",
    "TRUE",
    "USING",
    "VARIADIC",
    "VERBOSE",
    "WINDOW",
};

// A name is first checked against one bit per hash of the list's words,
// which turns most names away before the set is asked.
uint32_t Mix(uint32_t hash, char upper) {
    return hash * 31 + static_cast<unsigned char>(upper);
}
size_t BitOf(uint32_t hash) {
    return (hash ^ (hash >> 12)) & 4095;
}

// Upper case; the views point into the lists above. Every name of a
// model is looked up once, so a hash beats a search of the sorted words.
struct WordList {
    std::unordered_set<std::string_view> words;
    std::bitset<4096> hashes;
    template <size_t N> void Add(const char* const (&list)[N]) {
        for (const char* word : list) {
            words.insert(word);
            uint32_t hash = 0;
            for (const char* c = word; *c != '\0'; ++c)
                hash = Mix(hash, *c);
            hashes.set(BitOf(hash));
        }
    }
};

const WordList& ListOf(Dialect target) {
    static const std::array<WordList, 5> lists = [] {
        std::array<WordList, 5> all;
        for (WordList& list : all)
            list.Add(s_aCommon);
        all[static_cast<int>(Dialect::SqlServer)].Add(s_aSqlServer);
        all[static_cast<int>(Dialect::Oracle)].Add(s_aOracle);
        all[static_cast<int>(Dialect::DB2)].Add(s_aDB2);
        all[static_cast<int>(Dialect::Access)].Add(s_aAccess);
        all[static_cast<int>(Dialect::Postgres)].Add(s_aPostgres);
        return all;
    }();
    return lists[static_cast<int>(target)];
}

} // namespace

bool VrlReservedWords::IsReserved(Dialect target, std::wstring_view name) {
    // The longest word has 17 letters; anything longer, or not plain ASCII,
    // is no reserved word.
    char upper[24];
    if (name.empty() || name.size() > sizeof upper)
        return false;
    uint32_t hash = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        const wchar_t ch = name[i];
        if (ch >= 0x80)
            return false;
        upper[i] = static_cast<char>(ch >= L'a' && ch <= L'z' ? ch - L'a' + L'A' : ch);
        hash = Mix(hash, upper[i]);
    }
    const WordList& list = ListOf(target);
    return list.hashes.test(BitOf(hash)) && list.words.count(std::string_view(upper, name.size())) != 0;
}

} // namespace VrlSchemaLib
