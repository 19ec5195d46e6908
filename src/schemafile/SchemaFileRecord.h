// SchemaFileRecord: what a schema-file reader knows about the model it built
// that the model itself no longer shows. The containers merge objects by
// name, so a second field "title" beside "Title" leaves no trace in the
// schema; the reader notes such merges here, and the JSON path of every
// object it built, so that the model check can point into the file.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "../platform/CString.h"
#include "JsonPath.h"

namespace VrlSchemaLib {

class SchemaFileRecord {
public:
    enum class NoteKind {
        // An object of the same kind, name (without regard to case) and
        // version as an earlier one in the same container: it replaced it.
        Duplicate,
        // A view or routine without a text for the dialect read for: it is
        // not part of the model.
        NoDialectText,
    };
    struct Note {
        NoteKind kind;
        CString objectPath; // as VrlCheckFinding::objectPath
        std::string jsonPath;
        std::string otherJsonPath; // Duplicate: the object it replaced
    };

    explicit SchemaFileRecord(std::string fileName = std::string()) : m_fileName(std::move(fileName)) {}

    const std::string& GetFileName() const { return m_fileName; }

    // `object` is any object the reader built (table, field, constraint,
    // view, routine, parameter, table data).
    void SetPath(const void* object, std::string jsonPath) { m_paths[object] = std::move(jsonPath); }
    // The reader's compact form: a list of objects ("/tables/3/fields") is
    // named once, and each of its objects by its index in it; kWhole names
    // the object at the list's path itself ("/tables/3/data").
    static constexpr uint32_t kWhole = UINT32_MAX;
    uint32_t AddList(std::string_view listPath) {
        m_listText.append(listPath);
        return EndList();
    }
    // The same for the path `listPath` names, written straight into the
    // record.
    uint32_t AddList(const JsonPath& listPath) {
        listPath.AppendTo(m_listText);
        return EndList();
    }
    void SetPath(const void* object, uint32_t list, uint32_t index) {
        m_entries.push_back({object, list, index});
        m_sorted = false;
    }
    // The JSON path of `object`, or empty when the reader did not build it.
    const std::string& GetPath(const void* object) const;
    void AddNote(Note note) { m_notes.push_back(std::move(note)); }
    const std::vector<Note>& GetNotes() const { return m_notes; }

    // A name as object paths show it: control characters as \uXXXX.
    static CString Shown(const CString& name) {
        static const wchar_t digits[] = L"0123456789ABCDEF";
        CString shown;
        for (wchar_t ch : name.View()) {
            if (ch < 0x20 || ch == 0x7F) {
                shown += L"\\u00";
                shown += digits[(ch >> 4) & 0xF];
                shown += digits[ch & 0xF];
            } else {
                shown += ch;
            }
        }
        return shown;
    }

private:
    struct Entry {
        const void* object;
        uint32_t list;
        uint32_t index;
    };

    std::string m_fileName;
    std::unordered_map<const void*, std::string> m_paths;
    uint32_t EndList() {
        m_listEnds.push_back(m_listText.size());
        return static_cast<uint32_t>(m_listEnds.size() - 1);
    }

    // The lists' paths end to end, and where each ends: a table's lists
    // cost no string of their own.
    std::string m_listText;
    std::vector<size_t> m_listEnds;
    // Sorted by object when first looked up; the paths asked for are kept.
    // A deque: growing never holds two copies of it.
    mutable std::deque<Entry> m_entries;
    mutable bool m_sorted = true;
    mutable std::unordered_map<const void*, std::string> m_built;
    std::vector<Note> m_notes;
};

} // namespace VrlSchemaLib
