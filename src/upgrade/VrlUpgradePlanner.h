// VrlUpgradePlanner: compares the schema a database has (`from`) with the
// schema it is to have (`to`) and plans the steps between them, for the
// target of one generator. Every statement is the generator's own text
// (FormatCreateTable, FormatAddColumn, FormatAlterColumn, FormatAddConstraint,
// FormatDropConstraint, the routine and view operations, the seed-row
// inserts, ...), so the target's rules hold exactly as in its creation
// script; the target's VrlUpgradeDialect adds the guards and the few steps
// around column changes that the generator has no operation for.
//
// Order: foreign keys that point at anything dropped or changed are dropped
// first; then the keys and indexes over columns being altered or dropped
// (and those that changed or went); then the views and routines that
// changed, went, or read a table whose columns change; new tables (with
// their buffered-read procedures); added, altered and dropped columns;
// dropped tables; keys and indexes; foreign keys; functions, views and
// procedures in the order of the creation script; triggers; seed rows of new
// tables and new seed rows of existing ones.
//
// A column change that can lose data (a shorter length, a type that does
// not hold every old value, NOT NULL without a default) raises
// VrlUpgradeRefusal unless data loss is allowed; allowed, the step is marked
// destructive, as every dropped table and column is. A downgrade (`to`
// older than `from`) is planned the same way.
#pragma once

#include "VrlUpgradePlan.h"

namespace VrlSchemaLib {

class VrlDbms;
class VrlSchema;

class VrlUpgradePlanner {
public:
    // The generator is borrowed; its schema is changed while planning and
    // restored afterwards.
    explicit VrlUpgradePlanner(VrlDbms& generator) : m_rGenerator(generator) {}

    void SetAllowDataLoss(bool allow) { m_bAllowDataLoss = allow; }

    VrlUpgradePlan Plan(const VrlSchema& from, const VrlSchema& to) const;

private:
    VrlDbms& m_rGenerator;
    bool m_bAllowDataLoss = false;
};

} // namespace VrlSchemaLib
