// VrlSchemaObject: the base of every named object of a schema (tables,
// fields, constraints, views, routines, parameters). It carries the name as
// given, the version that introduced the object and the dropped mark by which
// a later version announces that the object is gone.
#pragma once

#include "../platform/CObject.h"
#include "../platform/CString.h"
#include "../support/COemMgr.h"
#include "VrlSchemaVersion.h"

namespace VrlSchemaLib {

class ObjectExistsFormats;

class VrlSchemaObject : public CObject {
public:
    VrlSchemaObject();
    explicit VrlSchemaObject(const wchar_t* name);
    VrlSchemaObject(const wchar_t* name, VrlSchemaVersion version);
    // The name shares the storage of `name`.
    VrlSchemaObject(const CString& name, VrlSchemaVersion version);
    ~VrlSchemaObject() override;

    CString GetName() const { return m_strName; }
    // The stored name itself, for readers that only look at it (the
    // generators read every name several times per statement).
    const CString& GetNameRef() const { return m_strName; }
    // Lower-cased copy; the stored name keeps its case.
    CString GetLowerName() const;
    VrlSchemaVersion GetVersion() const { return m_oVersion; }
    bool IsDropped() const { return m_bDropped; }

    // Format of the catalogue query that detects this object, taken from the
    // active dialect's record; the generator fills in the object's name.
    // A plain object (and a routine parameter) is detected by its bare name.
    virtual CString GetExistsFormat(const ObjectExistsFormats* formats) const;

    // Branding manager of the object model: field and table descriptions
    // pass through it.
    static COemMgr sm_oOemMgr;
    // Lets the name share the storage of `same` when the two are equal, so
    // that a model that repeats a name (a column every table has) holds it
    // once; nothing that can be seen changes. A reader calls it before the
    // object is added anywhere.
    void ShareName(const CString& same) {
        if (same == m_strName)
            m_strName = same;
    }

protected:
    VrlSchemaObject(const VrlSchemaObject& other);
    VrlSchemaObject& operator=(const VrlSchemaObject& other);

    void SetName(CString name) { m_strName = name; }
    void SetVersion(VrlSchemaVersion version) { m_oVersion = version; }
    // There is no way back: a dropped object stays dropped.
    void Drop() { m_bDropped = true; }

private:
    CString m_strName;
    VrlSchemaVersion m_oVersion;
    bool m_bDropped = false;
};

} // namespace VrlSchemaLib
