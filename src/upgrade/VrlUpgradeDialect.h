// VrlUpgradeDialect: what an upgrade script needs of one target beyond the
// generator's statements -- the guard form that makes a statement run only
// when the catalogue says it is needed, and the few per-target steps around
// column changes (SQL Server's named default constraints, DB2's
// reorganisation, defaults that the generator's ALTER COLUMN does not carry).
//
// One class per target, chosen by the generator's dialect code in For().
// To add a target:
//   1. derive a class from VrlUpgradeDialect (VrlUpgradeOracle is the model
//      for a block-structured language) and implement Guard(); override the
//      other operations only where the target differs from the defaults
//      documented below;
//   2. add its dialect code to the switch in VrlUpgradeDialect::For().
// Nothing else in the planner knows the targets apart.
#pragma once

#include <memory>
#include <vector>

#include "../platform/CString.h"
#include "VrlUpgradeStep.h"

namespace VrlSchemaLib {

class VrlDbms;
class VrlField;
class VrlTable;

class VrlUpgradeDialect {
public:
    // The target of `generator`; the generator must outlive the result.
    static std::unique_ptr<VrlUpgradeDialect> For(const VrlDbms& generator);

    explicit VrlUpgradeDialect(const VrlDbms& generator) : m_rGenerator(generator) {}
    VrlUpgradeDialect(const VrlUpgradeDialect&) = delete;
    VrlUpgradeDialect& operator=(const VrlUpgradeDialect&) = delete;
    virtual ~VrlUpgradeDialect();

    // `statement` wrapped so that it runs only when `probe` (a catalogue
    // query giving a count, or rows) finds the object (`whenFound`) or finds
    // nothing. Quotes of the statement are doubled where it becomes a
    // literal.
    virtual CString Guard(const CString& probe, bool whenFound, const CString& statement) const = 0;
    // False for a target without a catalogue to ask (the planner then asks
    // the generator for no probe, and Guard is not called). Default: true.
    virtual bool HasCatalogue() const;
    // A probe of the generator with names compared as the catalogue stores
    // them. Default: unchanged.
    virtual CString CatalogueCase(const CString& probe) const;
    // True for a generator text that looks in the catalogue itself, so that
    // it is run as it is. Default: false.
    virtual bool GuardsItself(const CString& statement) const;
    // Comment lines the script header adds for this target, each ended by
    // a line break. Default: none.
    virtual CString HeaderNote() const;
    // True when the creation script writes indexes of type 6 as well as 4.
    // Default: false.
    virtual bool WritesIndexType6() const;

    // Before `field` (of the older table) is altered or dropped. Default:
    // nothing.
    virtual void ReleaseColumn(const VrlTable* table, const VrlField* field,
                               std::vector<VrlUpgradeStatement>& out) const;
    // After a column was altered or its default changed: give the column
    // the default of `newer`, or take away the one of `older` that `newer`
    // does not have. Default: nothing.
    virtual void ApplyDefault(const VrlTable* table, const VrlField* older, const VrlField* newer,
                              std::vector<VrlUpgradeStatement>& out) const;
    // After a column was altered: give it the nullability of `newer` where
    // the generator's ALTER COLUMN does not carry it. Default: nothing.
    virtual void ApplyNullability(const VrlTable* table, const VrlField* older, const VrlField* newer,
                                  std::vector<VrlUpgradeStatement>& out) const;
    // After the columns of a table were altered or dropped, the statement
    // that makes the table usable again. Default: empty (none needed).
    virtual CString Reorganize(const VrlTable* table) const;
    // The catalogue probe of a trigger. Default: empty.
    virtual CString TriggerProbe(const CString& name) const;

protected:
    // The probe counts ("SELECT COUNT(*) ...") rather than listing rows.
    static bool IsCountProbe(const CString& probe);
    // "SELECT COUNT(*) INTO <variable> FROM ..." of a probe of either kind;
    // a listing probe becomes a derived table named p.
    static CString CountInto(const CString& probe, const wchar_t* variable);
    // Every ' doubled, for text that goes inside a quoted literal.
    static CString DoubleQuotes(const CString& text);
    // A statement whose probe and guard the caller fills in.
    static VrlUpgradeStatement Unguarded(const CString& text);

    const VrlDbms& m_rGenerator;
};

} // namespace VrlSchemaLib
