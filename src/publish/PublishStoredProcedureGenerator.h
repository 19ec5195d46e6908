// PublishStoredProcedureGenerator writes the text of procPublishBatchDef, the
// stored procedure that copies a batch definition and every row below it in
// the setup tree into a new published version: it collects the source keys in
// NewIDTable, draws new keys from AutoNumber, inserts the copies, remaps their
// references, marks what is still referenced and deletes the rest.
//
// The statement shapes are the calling dialect's publish templates (22 to 59);
// this class decides which piece is emitted when and with which arguments.
// One instance serves one run.
#pragma once

#include "../platform/CString.h"
#include "../platform/PlatformTypes.h"

namespace VrlSchemaLib {

class VrlSchema;
class VrlSqlStrings;
class VrlTable;

class PublishStoredProcedureGenerator {
public:
    // Raised when the procedure does not fit the caller's buffer; the message
    // names the capacity needed (characters, terminator included), so that
    // the caller can retry with a buffer of that size.
    static constexpr LONG cm_lBufferTooSmall = 4100;

    PublishStoredProcedureGenerator();
    virtual ~PublishStoredProcedureGenerator();

    // Writes the zero-terminated procedure into `buffer`. On entry `length` is
    // the capacity of the buffer in characters, terminator included; on return
    // it is the number of characters written, terminator excluded. With
    // `replaceAt`, every "@" of the text becomes "p" (the parameter and
    // variable names of the dialects without "@" names).
    //
    // Nothing is ever written past the capacity. When the text does not fit,
    // the buffer holds the empty text (when the capacity allows even that),
    // `length` is 0, and DuxException cm_lBufferTooSmall is raised. A null
    // buffer counts as capacity 0.
    void Generate(const VrlSchema* schema, wchar_t* buffer, long& length, const VrlSqlStrings* templates,
                  const wchar_t* queueSource, bool replaceAt);

    // Number of characters, terminator included, that the last run needed.
    long GetRequiredCapacity() const { return m_lRequired; }

private:
    void Emit(const CString& text);
    void Emit(const wchar_t* text);
    CString T(int id, const CString& a1 = Unused(), const CString& a2 = Unused(),
              const CString& a3 = Unused(), const CString& a4 = Unused(), const CString& a5 = Unused(),
              const CString& a6 = Unused()) const;
    CString TN(int id, int number, const CString& a1 = Unused(), const CString& a2 = Unused(),
               const CString& a3 = Unused(), const CString& a4 = Unused(), const CString& a5 = Unused(),
               const CString& a6 = Unused()) const;
    static const CString& Unused();

    VrlTable* Table(const wchar_t* name) const;
    static CString Pk(const VrlTable* table);
    // The columns of `table` except x1, x2 and the publishing columns.
    static CString PlainList(const VrlTable* table, const CString& x1, const CString& x2);
    static CString QualifiedList(const VrlTable* table, const CString& x1, const CString& x2);

    void Renumber(const VrlTable* table);
    void BeginSection();
    void EndSection();
    void CopyBatchDef();
    void CopyTopLevel(const VrlTable* table);
    void CopyChildren(const VrlTable* parent);
    void CopyChild(const VrlTable* parent, const VrlTable* child);
    void CopyDocumentChild(const VrlTable* child);
    void RemapReferences(const VrlTable* table);
    void MarkAndPrune();
    void MarkReferenced(const CString& parentName, const CString& tableName);
    void MarkLinked(const VrlTable* table);
    void Prune(const CString& tableName);

    const VrlSchema* m_pSchema;
    wchar_t* m_pWrite;
    wchar_t* m_pEnd;
    const VrlSqlStrings* m_pTemplates;
    const wchar_t* m_pszQueueSource;
    LONG m_lDepth;
    LONG m_lSubProcedure;
    // Characters that did not fit; once one text does not fit, nothing more
    // is written and the rest is only counted.
    long m_lMissing;
    long m_lRequired;
};

} // namespace VrlSchemaLib
