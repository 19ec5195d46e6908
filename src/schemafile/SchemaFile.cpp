#include "SchemaFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <type_traits>
#include <utility>

#include "../platform/COleVariant.h"
#include "../platform/MappedFile.h"
#include "../platform/Variant.h"
#include "../schema/FlatNameMap.h"
#include "../schema/VrlConstraint.h"
#include "../schema/VrlDataDefinition.h"
#include "../schema/VrlEnums.h"
#include "../schema/VrlField.h"
#include "../schema/VrlFunction.h"
#include "../schema/VrlParam.h"
#include "../schema/VrlProcedure.h"
#include "../schema/VrlSchema.h"
#include "../schema/VrlTable.h"
#include "../schema/VrlTableData.h"
#include "../schema/VrlView.h"
#include "JsonPath.h"
#include "JsonTree.h"

namespace VrlSchemaLib {

namespace {

// Names are folded as ASCII, whatever the process's C locale: a host's
// locale must not change which names of a file collide.
template <class Char> Char FoldAscii(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), FoldAscii<char>);
    return out;
}

const char* TypeName(const JsonNode& j) {
    switch (j.type()) {
    case JsonNode::Type::Null:
        return "null";
    case JsonNode::Type::Boolean:
        return "a boolean";
    case JsonNode::Type::String:
        return "a string";
    case JsonNode::Type::Array:
        return "an array";
    case JsonNode::Type::Object:
        return "an object";
    case JsonNode::Type::Float:
        return "a number";
    default:
        return "an integer";
    }
}

// Names of enumeration members, in value order; index = value - first.
// A name is looked up in a small open-addressed table: most names of one
// enumeration share their first letters, and a search in order compared
// them one by one.
struct EnumNames {
    EnumNames(int first_, std::vector<std::string_view> names_) : first(first_), names(std::move(names_)) {
        slots.fill(-1);
        for (size_t i = 0; i < names.size(); ++i) {
            size_t at = Home(names[i]);
            while (slots[at] >= 0)
                at = (at + 1) % slots.size();
            slots[at] = static_cast<int8_t>(i);
        }
    }
    // The index of `name`, or -1.
    int IndexOf(std::string_view name) const {
        for (size_t at = Home(name); slots[at] >= 0; at = (at + 1) % slots.size()) {
            if (names[static_cast<size_t>(slots[at])] == name)
                return slots[at];
        }
        return -1;
    }

    int first;
    std::vector<std::string_view> names;

private:
    static size_t Home(std::string_view name) {
        if (name.empty())
            return 0;
        const size_t mix = name.size() * 31 + static_cast<unsigned char>(name.back()) * 7 +
                           static_cast<unsigned char>(name[name.size() / 2]) * 3 +
                           static_cast<unsigned char>(name[std::min<size_t>(2, name.size() - 1)]);
        return mix % 128;
    }
    // More slots than names (at most 127 names), so that a search always
    // ends at an empty one.
    std::array<int8_t, 128> slots;
};

const EnumNames kDataTypes{
    1, {"dtInteger",    "dtGuid",         "dtAutoIncrement", "dtBoolean", "dtByte",      "dtShort",
        "dtLong",       "dtBigInt",       "dtSingle",        "dtDouble",  "dtString",    "dtDateTime",
        "dtBinary",     "dtLongText",     "dtString256",     "dtMemo",    "dtTable",     "dtInteger18",
        "dtInteger19",  "dtInteger20",    "dtInteger21",     "dtMemo22",  "dtGuid23",    "dtName",
        "dtAnsiString", "dtAnsiString26", "dtSysName",       "dtGuid28",  "dtTimestamp", "dtInterval"}};
const EnumNames kConstraintTypes{1,
                                 {"ctPrimaryKey", "ctUnique", "ctForeignKey", "ctIndex",
                                  "ctForeignKeyNotGenerated", "ctIndex6", "ctForeignKey7",
                                  "ctUniqueNotGenerated"}};
const EnumNames kOnDelete{1, {"odNoAction", "odCascade", "odNone", "odCascade4"}};
const EnumNames kOnUpdate{1, {"ouNoAction", "ouCascade"}};
const EnumNames kDirections{1, {"ioIn", "ioOut", "ioInOut"}};

} // namespace

std::optional<VrlSchemaVersion> ParseVersion(std::string_view text) {
    auto number = [](std::string_view part, long& out) {
        if (part.empty())
            return false;
        const char* end = part.data() + part.size();
        auto [ptr, ec] = std::from_chars(part.data(), end, out);
        return ec == std::errc() && ptr == end && out >= 0 && out <= std::numeric_limits<int32_t>::max();
    };
    long version = 0;
    long servicePack = 0;
    const size_t dot = text.find('.');
    if (!number(text.substr(0, dot), version))
        return std::nullopt;
    if (dot != std::string_view::npos && !number(text.substr(dot + 1), servicePack))
        return std::nullopt;
    return VrlSchemaVersion(static_cast<VrlDatabaseVersion>(version),
                            static_cast<VrlServicePackNum>(servicePack));
}

// One pass over the document; every reader knows the JSON path of what it
// reads, so that an error names it.
//
// With `stream`, the tables are built while the text is parsed, each as soon
// as it is read, when the version they are built at is known by then (given,
// or a root "version" before "tables"), and the tree lets each one go once
// built. The outcome is the same as the whole tree's: errors are held back
// until the document is read and the root checked, in the order the tree
// walk would give them; a root "version" or "tables" given a second time
// after the tables were built raises Restart, to read the text again
// without streaming.
class SchemaFile::Builder : public JsonElementSink {
public:
    struct Restart {};

    Builder(SchemaFile& file, std::string fileName, Dialect dialect, std::optional<VrlSchemaVersion> version,
            bool stream)
        : m_file(file), m_fileName(std::move(fileName)), m_dialect(dialect), m_versionAsked(version),
          m_stream(stream) {}

    // Raises one SchemaFileError with every error found (`errors` first).
    void Build(const JsonNode& doc, std::vector<SchemaFileError::Problem> errors);

    bool StreamArray(std::string_view key, const JsonMember* before, size_t count) override {
        if (!m_stream || key != "tables")
            return false;
        std::optional<VrlSchemaVersion> version = m_versionAsked;
        for (size_t i = count; !version && i-- > 0;) {
            if (before[i].key == "version") {
                version = PeekVersion(before[i].value);
                if (!version)
                    return false;
            }
        }
        if (!version)
            return false;
        m_file.m_version = *version;
        m_streamed = true;
        // Whether the file has trees is not known yet.
        m_keepTableNames = true;
        return true;
    }

    void Element(const JsonNode& element, size_t index) override {
        if (m_streamStopped)
            return;
        try {
            const JsonPath root;
            const JsonPath lp(root, "tables");
            Item<VrlTable>(m_streamList, element, root, "tables", lp, index, &Builder::Table, m_streamTables);
        } catch (const Full&) {
            m_streamStopped = true;
        } catch (...) {
            // Raised where the walk of the whole tree would raise it.
            m_streamFailure = std::current_exception();
            m_streamStopped = true;
        }
    }

    void RootKey(std::string_view key, bool second) override {
        if (m_streamed && second && (key == "version" || key == "tables"))
            throw Restart();
    }

private:
    // The version a root "version" value names, as Version reads it, or
    // none for a value Version refuses.
    static std::optional<VrlSchemaVersion> PeekVersion(const JsonNode& j) {
        if (j.is_number_integer()) {
            const long long value = j.Int();
            if (value < 0 || value > INT32_MAX)
                return std::nullopt;
            return VrlSchemaVersion(static_cast<VrlDatabaseVersion>(value));
        }
        if (j.is_string())
            return ParseVersion(j.Str());
        return std::nullopt;
    }

    void BuildModel(const JsonNode& doc);

    // Out of the way of the readers below, so that they stay small enough
    // to be inlined where they are called with a literal key.
    [[noreturn, gnu::cold, gnu::noinline]] void Fail(const JsonPath& path, const std::string& reason) const {
        throw SchemaFileError(m_fileName, path.Str(), reason);
    }

    // The model's names end at a NUL, so a name that holds one would lose
    // its tail unseen.
    std::string_view Name(const JsonNode& j, const JsonPath& path) const {
        const std::string_view name = String(Require(j, path, "name"), JsonPath(path, "name"));
        if (name.find('\0') != std::string::npos)
            Fail(JsonPath(path, "name"),
                 "the name holds the character U+0000, which no target accepts in a name");
        return name;
    }

    // An error of one element of a list is noted and the next element read,
    // so that one run reports many errors; the file is refused at the end
    // (or once the list of errors is full).
    void Note(const SchemaFileError& error) {
        for (const SchemaFileError::Problem& problem : error.Problems()) {
            m_errors.push_back(problem);
            if (m_errors.size() >= SchemaFileError::kMaxProblems)
                throw Full();
        }
    }
    // Thrown past every list once the errors fill a refusal.
    struct Full {};

    // Model path of an element of `key` named `name`: "tables/T/fields/F".
    std::string ModelPath(const JsonPath& parentPath, const char* key, std::string_view name) const {
        std::string path;
        if (!parentPath.IsRoot())
            path = "tables/" + SchemaFileRecord::Shown(*m_currentTable).ToUtf8() + "/";
        return path + key + "/" + std::string(name);
    }

    // A second element of one list with the name (without regard to case)
    // and the version of an earlier one silently replaces it in the model.
    // The names and versions of the elements of one list read so far, with
    // the index of the first element of each. Short lists are searched in
    // order; from kSeenInOrder names on, a flat map of the identities takes
    // over.
    static constexpr size_t kSeenInOrder = 16;
    struct Identity {
        std::string_view name; // as written
        int32_t version;
        int32_t servicePack;
        bool operator==(const Identity& other) const {
            return version == other.version && servicePack == other.servicePack &&
                   name.size() == other.name.size() &&
                   std::equal(name.begin(), name.end(), other.name.begin(),
                              [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
        }
    };
    // FNV-1a over the lowered name, then the version.
    struct IdentityHash {
        size_t operator()(const Identity& id) const noexcept {
            uint64_t hash = 0xCBF29CE484222325ULL;
            for (const char c : id.name)
                hash = (hash ^ static_cast<unsigned char>(FoldAscii(c))) * 0x100000001B3ULL;
            hash = (hash ^ static_cast<uint32_t>(id.version)) * 0x100000001B3ULL;
            return (hash ^ static_cast<uint32_t>(id.servicePack)) * 0x100000001B3ULL;
        }
    };
    struct Seen {
        struct Entry {
            Identity id;
            size_t index;
        };
        // A list whose elements go away as it is read (the streamed tables)
        // has its names copied here; the others' outlive the Seen. Only
        // such a list has the deque, which allocates as it is made.
        explicit Seen(bool copyNames = false)
            : copies(copyNames ? std::make_unique<std::deque<std::string>>() : nullptr) {}
        std::unique_ptr<std::deque<std::string>> copies;
        std::vector<Entry> entries;
        FlatNameMap<size_t, IdentityHash, std::equal_to<Identity>, Identity> map;

        // The index of the first element of this identity, or none when
        // this is the first, which is kept.
        std::optional<size_t> Add(std::string_view name, VrlSchemaVersion version, size_t index) {
            const Identity id{name, version.GetVersion(), version.GetServicePackNumber()};
            if (entries.size() < kSeenInOrder) {
                for (const Entry& e : entries) {
                    if (e.id == id)
                        return e.index;
                }
                if (entries.empty())
                    entries.reserve(kSeenInOrder);
                entries.push_back({Kept(id), index});
                if (entries.size() == kSeenInOrder) {
                    for (const Entry& e : entries)
                        map.try_emplace(e.id, e.index);
                }
                return std::nullopt;
            }
            const auto [first, added] = map.try_emplace(Kept(id), index);
            if (added)
                return std::nullopt;
            if (copies)
                copies->pop_back(); // the copy Kept made for nothing
            return *first;
        }

        // `id` with a name that lasts as long as this list's entries.
        Identity Kept(Identity id) const {
            if (copies)
                id.name = copies->emplace_back(id.name);
            return id;
        }
    };

    void NoteDuplicate(Seen& seen, const JsonNode& j, const JsonPath& parentPath, const char* key,
                       const JsonPath& listPath, size_t index) {
        const JsonNode* name = Find(j, "name");
        const JsonNode* dropped = Find(j, "dropped");
        if (!name || !name->is_string() || (dropped && dropped->is_boolean() && dropped->Bool()))
            return;
        const JsonPath path(listPath, index);
        const VrlSchemaVersion version = OptVersion(j, path);
        if (const std::optional<size_t> first = seen.Add(name->Str(), version, index)) {
            m_file.m_record.AddNote({SchemaFileRecord::NoteKind::Duplicate,
                                     Wide(ModelPath(parentPath, key, name->Str())), path.Str(),
                                     JsonPath(listPath, *first).Str()});
        }
    }

    void NoteNoDialectText(const char* key, const CString& name, const JsonPath& path) {
        m_file.m_record.AddNote({SchemaFileRecord::NoteKind::NoDialectText,
                                 Wide(std::string(key) + "/") + SchemaFileRecord::Shown(name), path.Str(),
                                 ""});
    }

    void CheckKeys(const JsonNode& j, const JsonPath& path,
                   std::initializer_list<std::string_view> allowed) const {
        if (!j.is_object())
            Fail(path, std::string("expected an object, found ") + TypeName(j));
        for (const JsonMember& member : j) {
            const std::string_view key = member.key;
            if (std::none_of(allowed.begin(), allowed.end(),
                             [key](std::string_view known) { return JsonNode::SameKey(known, key); }))
                Fail(JsonPath(path, member.key), "unknown key \"" + std::string(member.key) + "\"");
        }
    }

    // A dropped marker carries its name and version only.
    bool IsDroppedMarker(const JsonNode& j, const JsonPath& path) const {
        if (!OptBool(j, path, "dropped"))
            return false;
        CheckKeys(j, path, {"name", "version", "dropped"});
        return true;
    }

    [[gnu::always_inline]] static const JsonNode* Find(const JsonNode& j, std::string_view key) {
        return j.Find(key);
    }

    [[gnu::always_inline]] const JsonNode& Require(const JsonNode& j, const JsonPath& path,
                                                   std::string_view key) const {
        const JsonNode* v = Find(j, key);
        if (!v)
            Missing(path, key);
        return *v;
    }
    [[noreturn]] void Missing(const JsonPath& path, std::string_view key) const {
        Fail(path, "missing required key \"" + std::string(key) + "\"");
    }

    std::string_view String(const JsonNode& j, const JsonPath& path) const {
        if (!j.is_string())
            Fail(path, std::string("expected a string, found ") + TypeName(j));
        return j.Str();
    }

    [[gnu::always_inline]] std::string_view OptString(const JsonNode& j, const JsonPath& path,
                                                      std::string_view key) const {
        const JsonNode* v = Find(j, key);
        return v ? String(*v, JsonPath(path, key)) : std::string_view();
    }

    static CString Wide(std::string_view utf8) {
        return utf8.empty() ? CString() : CString(Utf8ToWide(utf8));
    }

    [[gnu::always_inline]] bool OptBool(const JsonNode& j, const JsonPath& path, std::string_view key) const {
        const JsonNode* v = Find(j, key);
        return v && Boolean(*v, path, key);
    }
    bool Boolean(const JsonNode& v, const JsonPath& path, std::string_view key) const {
        if (!v.is_boolean())
            Fail(JsonPath(path, key), std::string("expected a boolean, found ") + TypeName(v));
        return v.Bool();
    }

    long Integer(const JsonNode& j, const JsonPath& path, long low, long high) const {
        if (!j.is_number_integer())
            Fail(path, std::string("expected an integer, found ") + TypeName(j));
        const long long value = j.Int();
        if (value < low || value > high)
            Fail(path, "value " + std::to_string(value) + " is outside " + std::to_string(low) + " to " +
                           std::to_string(high));
        return static_cast<long>(value);
    }

    [[gnu::always_inline]] long OptInteger(const JsonNode& j, const JsonPath& path, std::string_view key,
                                           long low, long high, long fallback) const {
        const JsonNode* v = Find(j, key);
        return v ? Integer(*v, JsonPath(path, key), low, high) : fallback;
    }

    int Enum(const JsonNode& j, const JsonPath& path, const EnumNames& names, const char* what) const {
        const int last = names.first + static_cast<int>(names.names.size()) - 1;
        if (j.is_number_integer())
            return static_cast<int>(Integer(j, path, names.first, last));
        const std::string_view name = String(j, path);
        if (const int index = names.IndexOf(name); index >= 0)
            return names.first + index;
        Fail(path, std::string("unknown ") + what + " \"" + std::string(name) + "\"");
    }

    VrlSchemaVersion Version(const JsonNode& j, const JsonPath& path) const {
        std::optional<VrlSchemaVersion> v;
        if (j.is_number_integer()) {
            v = VrlSchemaVersion(static_cast<VrlDatabaseVersion>(Integer(j, path, 0, INT32_MAX)));
        } else if (j.is_string()) {
            v = ParseVersion(j.String());
            if (!v)
                Fail(path, "\"" + j.String() + "\" is not a version (V or V.SP)");
        } else {
            Fail(path, std::string("expected a version, found ") + TypeName(j));
        }
        m_versions.insert(VersionKey(*v));
        return *v;
    }

    VrlSchemaVersion OptVersion(const JsonNode& j, const JsonPath& path) const {
        const JsonNode* v = Find(j, "version");
        return v ? Version(*v, JsonPath(path, "version")) : VrlSchemaVersion();
    }

    VrlTableRootType RootType(std::string_view name, const JsonPath& path) const {
        if (Lower(name) == "undefined")
            return rtUndefined;
        const VrlTableRootType type = VrlSchema::GetRootType(Wide(name));
        if (type == rtUndefined)
            Fail(path, "unknown root type \"" + std::string(name) + "\"");
        return type;
    }

    VrlTableRootType RootTypeValue(const JsonNode& j, const JsonPath& path) const {
        if (j.is_number_integer())
            return static_cast<VrlTableRootType>(Integer(j, path, 0, 6));
        return RootType(String(j, path), path);
    }

    // A SQL text: one string, or an object keyed by dialect with an optional
    // "default". Empty optional when nothing applies to the dialect.
    std::optional<std::string_view> DialectText(const JsonNode& j, const JsonPath& path) const {
        if (j.is_string())
            return j.Str();
        CheckKeys(j, path, {"sqlserver", "oracle", "db2", "access", "postgres", "ansi", "default"});
        if (const JsonNode* v = Find(j, DialectName(m_dialect)))
            return String(*v, JsonPath(path, DialectName(m_dialect)));
        if (const JsonNode* v = Find(j, "default"))
            return String(*v, JsonPath(path, "default"));
        return std::nullopt;
    }

    void SetString(BSTR& target, std::string_view utf8) const {
        const std::wstring wide = Utf8ToWide(utf8);
        target = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }

    static VARTYPE VarTypeByName(const std::string& name) {
        static const std::map<std::string, VARTYPE> names{
            {"VT_EMPTY", VT_EMPTY}, {"VT_NULL", VT_NULL}, {"VT_I1", VT_I1},     {"VT_I2", VT_I2},
            {"VT_I4", VT_I4},       {"VT_I8", VT_I8},     {"VT_R4", VT_R4},     {"VT_R8", VT_R8},
            {"VT_BOOL", VT_BOOL},   {"VT_BSTR", VT_BSTR}, {"VT_DATE", VT_DATE}, {"VT_DECIMAL", VT_DECIMAL}};
        auto it = names.find(name);
        return it == names.end() ? static_cast<VARTYPE>(0xFFFF) : it->second;
    }

    // "yyyy-mm-dd", optionally followed by "T" or a blank and "hh:mm[:ss]".
    static bool ParseIsoDate(const std::string& text, DATE& out) {
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
        char sep = 0;
        int used = 0;
        if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &used) != 3 || used != 10)
            return false;
        if (text.size() > 10) {
            sep = text[10];
            if (sep != 'T' && sep != ' ')
                return false;
            int used2 = 0;
            const std::string time = text.substr(11);
            if (std::sscanf(time.c_str(), "%2d:%2d:%2d%n", &h, &mi, &s, &used2) == 3 && used2 == 8) {
            } else if (std::sscanf(time.c_str(), "%2d:%2d%n", &h, &mi, &used2) == 2 && used2 == 5) {
                s = 0;
            } else {
                return false;
            }
            if (static_cast<size_t>(used2) != time.size())
                return false;
        }
        if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59)
            return false;
        static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        if (d > days[mo - 1] || (mo == 2 && d == 29 && !leap))
            return false;
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(y);
        st.wMonth = static_cast<WORD>(mo);
        st.wDay = static_cast<WORD>(d);
        st.wHour = static_cast<WORD>(h);
        st.wMinute = static_cast<WORD>(mi);
        st.wSecond = static_cast<WORD>(s);
        return SystemTimeToVariantTime(&st, &out) != 0;
    }

    // A value as a variant; see the Values section of the format description.
    void Value(const JsonNode& j, const JsonPath& path, VARIANT& out) const {
        VariantInit(&out);
        switch (j.type()) {
        case JsonNode::Type::Null:
            out.vt = VT_NULL;
            return;
        case JsonNode::Type::Boolean:
            out.vt = VT_BOOL;
            out.boolVal = j.Bool() ? VARIANT_TRUE : VARIANT_FALSE;
            return;
        case JsonNode::Type::Integer:
        case JsonNode::Type::Unsigned: {
            if (j.is_number_unsigned() && j.UInt() > INT64_MAX)
                Fail(path, "integer does not fit in 64 bits");
            const long long v = j.Int();
            if (v >= INT32_MIN && v <= INT32_MAX) {
                out.vt = VT_I4;
                out.lVal = static_cast<LONG>(v);
            } else {
                out.vt = VT_I8;
                out.llVal = v;
            }
            return;
        }
        case JsonNode::Type::Float:
            out.vt = VT_R8;
            out.dblVal = j.Float();
            return;
        case JsonNode::Type::String:
            out.vt = VT_BSTR;
            SetString(out.bstrVal, j.String());
            return;
        case JsonNode::Type::Object:
            break;
        default:
            Fail(path, std::string("expected a value, found ") + TypeName(j));
        }
        CheckKeys(j, path, {"vt", "value"});
        const std::string vtName(String(Require(j, path, "vt"), JsonPath(path, "vt")));
        const VARTYPE vt = VarTypeByName(vtName);
        if (vt == 0xFFFF)
            Fail(JsonPath(path, "vt"), "unknown variant type \"" + vtName + "\"");
        if (vt == VT_EMPTY || vt == VT_NULL) {
            if (Find(j, "value"))
                Fail(JsonPath(path, "value"), vtName + " takes no value");
            out.vt = vt;
            return;
        }
        const JsonNode& inner = Require(j, path, "value");
        if (inner.is_object())
            Fail(JsonPath(path, "value"), "expected a plain value, found an object");
        if (vt == VT_DATE && inner.is_string()) {
            DATE date = 0;
            if (!ParseIsoDate(inner.String(), date))
                Fail(JsonPath(path, "value"),
                     "\"" + inner.String() + "\" is not a date (yyyy-mm-dd[Thh:mm[:ss]])");
            out.vt = VT_DATE;
            out.date = date;
            return;
        }
        VARIANT source;
        Value(inner, JsonPath(path, "value"), source);
        const HRESULT hr = VariantChangeType(&out, &source, 0, vt);
        VariantClear(&source);
        if (FAILED(hr))
            Fail(JsonPath(path, "value"), "the value cannot be converted to " + vtName);
    }

    VrlDataDefinition Definition(const JsonNode& j, const JsonPath& path) const {
        const auto type = static_cast<VrlDataType>(
            Enum(Require(j, path, "type"), JsonPath(path, "type"), kDataTypes, "data type"));
        const long length = OptInteger(j, path, "length", 0, INT32_MAX, 0);
        const std::string_view parentId = OptString(j, path, "parentIDField");
        const std::string_view id = OptString(j, path, "idField");
        const std::string_view extTable = OptString(j, path, "extendedTable");
        const std::string_view extField = OptString(j, path, "extendedField");
        if (parentId.empty() && id.empty() && extTable.empty() && extField.empty())
            return VrlDataDefinition(type, length);
        if (length != 0)
            Fail(JsonPath(path, "length"), "a length cannot be combined with extended-table names");
        return VrlDataDefinition(type, Wide(parentId), Wide(id), Wide(extTable), Wide(extField));
    }

    VrlField* Field(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path,
                  {"name", "type", "length", "parentIDField", "idField", "extendedTable", "extendedField",
                   "default", "notNull", "nullType", "description", "descriptionId", "fake", "pasteAction",
                   "version", "dropped", "resourceBased", "convertFormat", "rootTypes"});
        const CString name = Interned(Name(j, path));
        const VrlSchemaVersion version = OptVersion(j, path);
        if (IsDroppedMarker(j, path))
            return Make(m_file.m_fields, name, version);
        VrlDataDefinition definition = Definition(j, path);
        COleVariant defaultValue;
        if (const JsonNode* v = Find(j, "default")) {
            VARIANT value;
            Value(*v, JsonPath(path, "default"), value);
            defaultValue = COleVariant(value);
            VariantClear(&value);
        }
        if (Find(j, "notNull") && Find(j, "nullType"))
            Fail(JsonPath(path, "nullType"), "give either notNull or nullType");
        auto nullType =
            static_cast<VrlNullType>(OptInteger(j, path, "nullType", INT32_MIN, INT32_MAX, ntNull));
        if (OptBool(j, path, "notNull"))
            nullType = ntNotNull;
        const int fake = OptBool(j, path, "fake");
        const auto paste =
            static_cast<VrlPasteAction>(OptInteger(j, path, "pasteAction", INT32_MIN, INT32_MAX, 0));
        const int resourceBased = OptBool(j, path, "resourceBased");
        const int convertFormat = OptBool(j, path, "convertFormat");
        VrlField* field = nullptr;
        if (const JsonNode* id = Find(j, "descriptionId")) {
            if (Find(j, "description"))
                Fail(JsonPath(path, "descriptionId"), "give either description or descriptionId");
            const auto resource =
                static_cast<unsigned int>(Integer(*id, JsonPath(path, "descriptionId"), 0, 65535));
            field = Make(m_file.m_fields, name, std::move(definition), std::move(defaultValue), nullType,
                         resource, fake, paste, version, resourceBased, convertFormat);
        } else {
            field = Make(m_file.m_fields, name, std::move(definition), std::move(defaultValue), nullType,
                         Wide(OptString(j, path, "description")), fake, paste, version, resourceBased,
                         convertFormat);
        }
        if (const JsonNode* roots = Find(j, "rootTypes"))
            FieldRootTypes(*field, *roots, JsonPath(path, "rootTypes"));
        return field;
    }

    void FieldRootTypes(VrlField& field, const JsonNode& roots, const JsonPath& path) const {
        if (!roots.is_object())
            Fail(path, std::string("expected an object, found ") + TypeName(roots));
        for (const JsonMember& member : roots) {
            const JsonPath p(path, member.key);
            const JsonNode& r = member.value;
            CheckKeys(r, p,
                      {"flags", "externalName", "translateTable", "parentKeyTable", "orderNumber", "oldName",
                       "oldExtName", "xmlDefault"});
            field.SetCurrentRootType(RootType(member.key, p));
            if (const JsonNode* v = Find(r, "flags"))
                field.SetFlag(static_cast<VrlFieldFlag>(Integer(*v, JsonPath(p, "flags"), 0, INT32_MAX)));
            if (Find(r, "externalName"))
                field.SetExternalName(Wide(OptString(r, p, "externalName")));
            if (Find(r, "translateTable"))
                field.SetTranslateTable(Wide(OptString(r, p, "translateTable")));
            if (Find(r, "parentKeyTable"))
                field.SetParentKeyTable(Wide(OptString(r, p, "parentKeyTable")));
            if (const JsonNode* v = Find(r, "orderNumber"))
                field.SetOrderNumber(Integer(*v, JsonPath(p, "orderNumber"), -1, INT32_MAX));
            if (Find(r, "oldName"))
                field.SetOldName(Wide(OptString(r, p, "oldName")));
            if (Find(r, "oldExtName"))
                field.SetOldExtName(Wide(OptString(r, p, "oldExtName")));
            if (Find(r, "xmlDefault"))
                field.SetXmlDefault(Wide(OptString(r, p, "xmlDefault")).GetString());
        }
    }

    std::vector<CString> Names(const JsonNode& j, const JsonPath& path) const {
        if (!j.is_array())
            Fail(path, std::string("expected an array, found ") + TypeName(j));
        std::vector<CString> names;
        names.reserve(j.size());
        for (size_t i = 0; i < j.size(); ++i) {
            const std::string_view name = String(j[i], JsonPath(path, i));
            if (name.empty() || name == "^")
                Fail(JsonPath(path, i), "empty column name");
            names.push_back(Interned(name));
        }
        return names;
    }

    VrlConstraint* Constraint(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path,
                  {"name", "type", "fields", "refTable", "refFields", "onDelete", "onUpdate", "clustered",
                   "includedFields", "supportNullableColumns", "version", "dropped"});
        const CString name = Wide(Name(j, path));
        const VrlSchemaVersion version = OptVersion(j, path);
        if (IsDroppedMarker(j, path)) {
            return Make(m_file.m_constraints, name, version);
        }
        const auto type = static_cast<VrlConstraintType>(
            Enum(Require(j, path, "type"), JsonPath(path, "type"), kConstraintTypes, "constraint type"));
        const std::vector<CString> fields = Names(Require(j, path, "fields"), JsonPath(path, "fields"));
        if (fields.empty())
            Fail(JsonPath(path, "fields"), "a constraint needs at least one column");
        const ClusteredType clustered = OptBool(j, path, "clustered") ? clClustered : clDefault;
        const bool foreign =
            type == ctForeignKey || type == ctForeignKey7 || type == ctForeignKeyNotGenerated;
        if (foreign) {
            for (const std::string_view key : {"includedFields", "supportNullableColumns"}) {
                if (Find(j, key))
                    Fail(JsonPath(path, key), "not allowed on a foreign key");
            }
            const CString refTable =
                Interned(String(Require(j, path, "refTable"), JsonPath(path, "refTable")));
            const std::vector<CString> refFields =
                Names(Require(j, path, "refFields"), JsonPath(path, "refFields"));
            if (refFields.size() != fields.size())
                Fail(JsonPath(path, "refFields"),
                     "needs as many columns as \"fields\" (" + std::to_string(fields.size()) + ")");
            const JsonNode* od = Find(j, "onDelete");
            const JsonNode* ou = Find(j, "onUpdate");
            const auto onDelete = od ? static_cast<VrlOnDeleteType>(Enum(*od, JsonPath(path, "onDelete"),
                                                                         kOnDelete, "on-delete action"))
                                     : odNoAction;
            const auto onUpdate = ou ? static_cast<VrlOnUpdateType>(Enum(*ou, JsonPath(path, "onUpdate"),
                                                                         kOnUpdate, "on-update action"))
                                     : ouNoAction;
            if (clustered == clClustered) {
                if (fields.size() != 1)
                    Fail(JsonPath(path, "clustered"), "a clustered foreign key must have one column");
                return Make(m_file.m_constraints, name, type, fields[0], refTable, refFields[0], onDelete,
                            onUpdate, clustered, version);
            }
            return Make(m_file.m_constraints, name, type, fields, refTable, refFields, onDelete, onUpdate,
                        version);
        }
        for (const std::string_view key : {"refTable", "refFields", "onDelete", "onUpdate"}) {
            if (Find(j, key))
                Fail(JsonPath(path, key), "only foreign keys reference a table");
        }
        std::vector<CString> included;
        if (const JsonNode* inc = Find(j, "includedFields"))
            included = Names(*inc, JsonPath(path, "includedFields"));
        return Make(m_file.m_constraints, name, type, fields, included, version, clustered,
                    OptBool(j, path, "supportNullableColumns"));
    }

    const VrlTableData* Data(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path, {"uniqueIdColumn", "columns", "rows"});
        const std::vector<CString> columns = Names(Require(j, path, "columns"), JsonPath(path, "columns"));
        const JsonNode& rows = Require(j, path, "rows");
        if (!rows.is_array())
            Fail(JsonPath(path, "rows"), std::string("expected an array, found ") + TypeName(rows));
        auto values = std::make_unique<std::vector<CComVariant>>();
        values->reserve(rows.size() * columns.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            const JsonPath rowsPath(path, "rows");
            const JsonPath rp(rowsPath, r);
            if (!rows[r].is_array())
                Fail(rp, std::string("expected an array, found ") + TypeName(rows[r]));
            if (rows[r].size() != columns.size())
                Fail(rp, "has " + std::to_string(rows[r].size()) + " values for " +
                             std::to_string(columns.size()) + " columns");
            for (size_t c = 0; c < columns.size(); ++c) {
                VARIANT value;
                Value(rows[r][c], JsonPath(rp, c), value);
                values->emplace_back();
                VariantCopy(&values->back(), &value);
                VariantClear(&value);
            }
        }
        const std::string_view unique = OptString(j, path, "uniqueIdColumn");
        if (!unique.empty() && std::find(columns.begin(), columns.end(), Wide(unique)) == columns.end())
            Fail(JsonPath(path, "uniqueIdColumn"),
                 "\"" + std::string(unique) + "\" is not one of the columns");
        auto* cols = m_file.m_dataColumns.emplace_back(std::make_unique<std::vector<CString>>(columns)).get();
        auto* vals = m_file.m_dataValues.emplace_back(std::move(values)).get();
        const VrlTableData* data =
            unique.empty() ? Keep(m_file.m_data, std::make_unique<VrlTableData>(*cols, *vals))
                           : Keep(m_file.m_data, std::make_unique<VrlTableData>(*cols, *vals, Wide(unique)));
        m_file.m_record.SetPath(data, m_file.m_record.AddList(path), SchemaFileRecord::kWhole);
        return data;
    }

    template <class T>
    std::vector<T*> Each(const JsonNode& j, const JsonPath& path, const char* key,
                         T* (Builder::*read)(const JsonNode&, const JsonPath&)) {
        std::vector<T*> out;
        const JsonNode* list = Find(j, key);
        if (!list)
            return out;
        const JsonPath lp(path, key);
        if (!list->is_array())
            Fail(lp, std::string("expected an array, found ") + TypeName(*list));
        out.reserve(list->size());
        ListState state;
        for (size_t i = 0; i < list->size(); ++i)
            Item<T>(state, (*list)[i], path, key, lp, i, read, out);
        return out;
    }

    // What reading one list keeps from element to element.
    struct ListState {
        explicit ListState(bool copyNames = false) : seen(copyNames) {}
        Seen seen;
        uint32_t recordList = SchemaFileRecord::kWhole;
    };

    // Element `i` of the list `key` of the object at `path`.
    template <class T>
    void Item(ListState& state, const JsonNode& j, const JsonPath& path, const char* key, const JsonPath& lp,
              size_t i, T* (Builder::*read)(const JsonNode&, const JsonPath&), std::vector<T*>& out) {
        const JsonPath ip(lp, i);
        try {
            if (T* item = (this->*read)(j, ip)) {
                out.push_back(item);
                if (state.recordList == SchemaFileRecord::kWhole)
                    state.recordList = m_file.m_record.AddList(lp);
                m_file.m_record.SetPath(item, state.recordList, static_cast<uint32_t>(i));
                // Parameters are not merged: the model keeps every one.
                if constexpr (!std::is_same_v<T, VrlParam>)
                    NoteDuplicate(state.seen, j, path, key, lp, i);
            }
        } catch (const SchemaFileError& e) {
            Note(e);
        }
    }

    VrlTable* Table(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path,
                  {"name", "version", "dropped", "descriptionId", "lightView", "bufferSize", "rootType",
                   "localeLookupField", "localeQuery", "fields", "constraints", "data", "englishData",
                   "rootTypes"});
        const std::string_view nameUtf8 = Name(j, path);
        if (nameUtf8.empty())
            Fail(JsonPath(path, "name"), "empty table name");
        const CString name = Interned(nameUtf8);
        if (m_keepTableNames)
            m_allTableNames.push_back(name);
        m_currentTable = &name;
        // A table variant newer than the schema is read (so that its errors
        // are found) but left out. The others are built at the schema's own
        // version, so that their fields and constraints are merged at the
        // version asked for; variants of one name then replace each other in
        // file order, oldest first.
        const VrlSchemaVersion introduced = OptVersion(j, path);
        const bool inSchema = introduced <= m_file.m_version;
        const VrlSchemaVersion version = m_file.m_version;
        if (IsDroppedMarker(j, path)) {
            auto marker = std::make_unique<VrlTable>(name, version);
            marker->ShareName(name);
            return inSchema ? Keep(m_file.m_tables, std::move(marker)) : nullptr;
        }
        const std::vector<VrlField*> fields = Each<VrlField>(j, path, "fields", &Builder::Field);
        if (!Find(j, "fields"))
            Fail(path, "missing required key \"fields\"");
        const std::vector<VrlConstraint*> constraints =
            Each<VrlConstraint>(j, path, "constraints", &Builder::Constraint);
        const CString lightView = Wide(OptString(j, path, "lightView"));
        const long bufferSize = OptInteger(j, path, "bufferSize", 0, INT32_MAX, 0);
        const auto description = static_cast<unsigned int>(OptInteger(j, path, "descriptionId", 0, 65535, 0));
        const JsonNode* rt = Find(j, "rootType");
        const VrlTableRootType rootType = rt ? RootTypeValue(*rt, JsonPath(path, "rootType")) : rtUndefined;
        const bool locale = Find(j, "localeLookupField") || Find(j, "localeQuery");
        const JsonNode* dataJson = Find(j, "data");
        const JsonNode* englishJson = Find(j, "englishData");
        std::unique_ptr<VrlTable> table;
        if (locale) {
            if (dataJson || englishJson)
                Fail(JsonPath(path, dataJson ? "data" : "englishData"),
                     "seed data cannot be combined with locale lookups");
            table = std::make_unique<VrlTable>(name, fields, constraints, lightView, bufferSize, description,
                                               Wide(OptString(j, path, "localeLookupField")),
                                               Wide(OptString(j, path, "localeQuery")), rootType, version);
        } else {
            const VrlTableData* data = dataJson ? Data(*dataJson, JsonPath(path, "data")) : nullptr;
            const VrlTableData* english =
                englishJson ? Data(*englishJson, JsonPath(path, "englishData")) : nullptr;
            table = std::make_unique<VrlTable>(name, fields, constraints, lightView, bufferSize, description,
                                               data, english, rootType, version);
        }
        table->ShareName(name);
        if (const JsonNode* roots = Find(j, "rootTypes"))
            TableRootTypes(*table, *roots, JsonPath(path, "rootTypes"));
        table->SetCurrentRootType(rootType);
        if (!inSchema)
            return nullptr;
        m_file.m_tableVersions.emplace_back(table.get(), introduced);
        return Keep(m_file.m_tables, std::move(table));
    }

    void TableRootTypes(VrlTable& table, const JsonNode& roots, const JsonPath& path) const {
        if (!roots.is_object())
            Fail(path, std::string("expected an object, found ") + TypeName(roots));
        for (const JsonMember& member : roots) {
            const JsonPath p(path, member.key);
            const JsonNode& r = member.value;
            CheckKeys(r, p,
                      {"flags", "externalName", "databaseVersion", "extCollectionName", "oldName",
                       "oldExtName", "oldExtCollectionName", "dbVersionTable", "dbVersionColumn",
                       "importRoutine", "convertRoutine", "statusColumnName"});
            table.SetCurrentRootType(RootType(member.key, p));
            if (const JsonNode* v = Find(r, "flags"))
                table.SetFlag(static_cast<VrlTableFlag>(Integer(*v, JsonPath(p, "flags"), 0, INT32_MAX)));
            if (const JsonNode* v = Find(r, "databaseVersion"))
                table.SetDatabaseVersion(static_cast<VrlDatabaseVersion>(
                    Integer(*v, JsonPath(p, "databaseVersion"), 0, INT32_MAX)));
            using Setter = void (VrlTable::*)(const wchar_t*);
            static const std::pair<const char*, Setter> setters[] = {
                {"externalName", &VrlTable::SetExternalName},
                {"extCollectionName", &VrlTable::SetExtCollectionName},
                {"oldName", &VrlTable::SetOldName},
                {"oldExtName", &VrlTable::SetOldExtName},
                {"oldExtCollectionName", &VrlTable::SetOldExtCollectionName},
                {"dbVersionTable", &VrlTable::SetDbVersionTable},
                {"dbVersionColumn", &VrlTable::SetDbVersionColumn},
                {"importRoutine", &VrlTable::SetImportRoutine},
                {"convertRoutine", &VrlTable::SetConvertRoutine},
                {"statusColumnName", &VrlTable::SetStatusColumnName}};
            for (const auto& [key, setter] : setters) {
                if (Find(r, key))
                    (table.*setter)(Wide(OptString(r, p, key)));
            }
        }
    }

    VrlParam* Param(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path, {"name", "type", "length", "direction"});
        const CString name = Wide(Name(j, path));
        const JsonNode* d = Find(j, "direction");
        const auto direction =
            d ? static_cast<VrlInOutType>(Enum(*d, JsonPath(path, "direction"), kDirections, "direction"))
              : ioIn;
        return Keep(m_file.m_params, std::make_unique<VrlParam>(name, Definition(j, path), direction));
    }

    VrlView* View(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path, {"name", "sql", "table", "version", "dropped"});
        const CString name = Wide(Name(j, path));
        const VrlSchemaVersion version = OptVersion(j, path);
        if (IsDroppedMarker(j, path)) {
            return Keep(m_file.m_views, std::make_unique<VrlView>(name, version));
        }
        const std::optional<std::string_view> sql =
            DialectText(Require(j, path, "sql"), JsonPath(path, "sql"));
        if (!sql) {
            NoteNoDialectText("views", name, path);
            return nullptr;
        }
        return Keep(m_file.m_views,
                    std::make_unique<VrlView>(name, Wide(*sql), Wide(OptString(j, path, "table")), version));
    }

    VrlProcedure* Procedure(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path,
                  {"name", "parameters", "body", "table", "readonly", "explicitLocking", "insertAction",
                   "withSqlCode", "version", "dropped"});
        const CString name = Wide(Name(j, path));
        const VrlSchemaVersion version = OptVersion(j, path);
        if (IsDroppedMarker(j, path)) {
            return Keep(m_file.m_procedures, std::make_unique<VrlProcedure>(name, version));
        }
        const std::vector<VrlParam*> params = Each<VrlParam>(j, path, "parameters", &Builder::Param);
        const std::optional<std::string_view> body =
            DialectText(Require(j, path, "body"), JsonPath(path, "body"));
        if (!body) {
            NoteNoDialectText("procedures", name, path);
            return nullptr;
        }
        return Keep(m_file.m_procedures,
                    std::make_unique<VrlProcedure>(
                        name, params, Wide(*body), Wide(OptString(j, path, "table")),
                        OptBool(j, path, "readonly"), OptBool(j, path, "explicitLocking"),
                        OptBool(j, path, "insertAction"), version, OptBool(j, path, "withSqlCode")));
    }

    VrlFunction* Function(const JsonNode& j, const JsonPath& path) {
        CheckKeys(j, path, {"name", "parameters", "body", "table", "returnType", "version", "dropped"});
        const CString name = Wide(Name(j, path));
        const VrlSchemaVersion version = OptVersion(j, path);
        if (IsDroppedMarker(j, path)) {
            return Keep(m_file.m_functions, std::make_unique<VrlFunction>(name, version));
        }
        const JsonNode& ret = Require(j, path, "returnType");
        CheckKeys(ret, JsonPath(path, "returnType"), {"type", "length"});
        const VrlDataDefinition returnType = Definition(ret, JsonPath(path, "returnType"));
        const std::vector<VrlParam*> params = Each<VrlParam>(j, path, "parameters", &Builder::Param);
        const std::optional<std::string_view> body =
            DialectText(Require(j, path, "body"), JsonPath(path, "body"));
        if (!body) {
            NoteNoDialectText("functions", name, path);
            return nullptr;
        }
        return Keep(m_file.m_functions,
                    std::make_unique<VrlFunction>(name, returnType, params, Wide(*body),
                                                  Wide(OptString(j, path, "table")), version));
    }

    void Trees(const JsonNode& trees, const JsonPath& path) {
        if (!trees.is_object())
            Fail(path, std::string("expected an object, found ") + TypeName(trees));
        VrlSchema& schema = *m_file.m_schema;
        std::sort(m_allTableNames.begin(), m_allTableNames.end(), FoldedLess);
        for (const JsonMember& rt : trees) {
            const JsonPath rp(path, rt.key);
            const VrlTableRootType rootType = RootType(rt.key, rp);
            if (!rt.value.is_object())
                Fail(rp, std::string("expected an object, found ") + TypeName(rt.value));
            for (const JsonMember& parent : rt.value) {
                const JsonPath pp(rp, parent.key);
                const CString parentName = Wide(parent.key);
                if (!TreeTable(parentName, parent.key, pp))
                    continue;
                schema.GetTable(parentName, rootType);
                const std::vector<CString> children = Names(parent.value, pp);
                for (size_t i = 0; i < children.size(); ++i) {
                    const std::string childUtf8 = WideToUtf8(children[i].View());
                    if (TreeTable(children[i], childUtf8, JsonPath(pp, i)))
                        schema.SetChild(parentName, children[i]);
                }
            }
        }
    }

    // True when the table is part of the schema; a name that no table of the
    // file carries is an error, a table of another version is passed over.
    bool TreeTable(const CString& name, std::string_view utf8, const JsonPath& path) const {
        if (m_file.m_schema->GetTableDontThrow(name))
            return true;
        if (!std::binary_search(m_allTableNames.begin(), m_allTableNames.end(), name, FoldedLess))
            Fail(path, "unknown table \"" + std::string(utf8) + "\"");
        return false;
    }
    // Order of names without regard to the case of ASCII letters.
    static bool FoldedLess(const CString& a, const CString& b) {
        const std::wstring_view x = a.View(), y = b.View();
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                            [](wchar_t l, wchar_t r) { return FoldAscii(l) < FoldAscii(r); });
    }

    // Fields and constraints, the most numerous objects, live side by side
    // in blocks of their own.
    template <class T, class... Args> static T* Make(std::deque<T>& owner, Args&&... args) {
        return &owner.emplace_back(std::forward<Args>(args)...);
    }
    template <class T> static T* Keep(std::vector<std::unique_ptr<T>>& owner, std::unique_ptr<T> object) {
        return owner.emplace_back(std::move(object)).get();
    }

    static std::pair<int32_t, int32_t> VersionKey(VrlSchemaVersion v) {
        return {v.GetVersion(), v.GetServicePackNumber()};
    }

    SchemaFile& m_file;
    std::string m_fileName;
    Dialect m_dialect;
    // The names of every table read, kept when the file has trees (or may
    // have them, after the tables); sorted (FoldedLess) when the trees are read.
    bool m_keepTableNames = false;
    std::vector<CString> m_allTableNames;
    // Every version read; filled while reading, so it holds those of objects
    // left out of the schema too.
    mutable std::set<std::pair<int32_t, int32_t>> m_versions;
    // The name of the table being read.
    const CString* m_currentTable = nullptr;
    std::vector<SchemaFileError::Problem> m_errors;
    std::optional<VrlSchemaVersion> m_versionAsked;
    // Streaming: whether the tables were built while parsing, and what
    // building them gave.
    bool m_stream;
    bool m_streamed = false;
    bool m_streamStopped = false;
    ListState m_streamList{true};
    std::vector<VrlTable*> m_streamTables;
    std::exception_ptr m_streamFailure;
    // Names the model repeats (the columns that many tables have, the
    // columns and tables that constraints name) are held once: each is
    // widened into m_wide and looked up. The keys are views of the values.
    // The reference is good until the next name is interned. Most names
    // asked for were asked for a moment ago (the same columns in table
    // after table): a small cache keyed by the UTF-8 text answers those
    // without widening or hashing the wide text.
    const CString& Interned(std::string_view utf8) const {
        uint32_t hash = 2166136261u;
        for (const char ch : utf8)
            hash = (hash ^ static_cast<unsigned char>(ch)) * 16777619u;
        RecentName& recent = m_recentNames[(hash ^ (hash >> 16)) % kRecentNames];
        if (JsonNode::SameKey(recent.utf8, utf8) && !recent.name.IsEmpty())
            return recent.name;
        m_wide.clear();
        AppendWide(m_wide, utf8);
        const CString* found = m_interned.find(m_wide);
        if (!found) {
            const CString text(m_wide);
            found = m_interned.try_emplace(text.View(), text).first;
        }
        recent.utf8.assign(utf8);
        recent.name = *found;
        return recent.name;
    }
    struct RecentName {
        std::string utf8;
        CString name;
    };
    static constexpr size_t kRecentNames = 64;
    mutable std::array<RecentName, kRecentNames> m_recentNames;
    mutable std::wstring m_wide;
    mutable FlatNameMap<CString, std::hash<std::wstring_view>, std::equal_to<std::wstring_view>> m_interned;
    std::vector<SchemaFileError::Problem> m_streamErrors;
};

void SchemaFile::Builder::Build(const JsonNode& doc, std::vector<SchemaFileError::Problem> errors) {
    // While streaming, m_errors held the tables' errors alone.
    m_streamErrors = std::move(m_errors);
    m_errors = std::move(errors);
    try {
        BuildModel(doc);
    } catch (const SchemaFileError& e) {
        try {
            Note(e);
        } catch (const Full&) {
        }
    } catch (const Full&) {
    }
    if (m_errors.size() > SchemaFileError::kMaxProblems)
        m_errors.resize(SchemaFileError::kMaxProblems);
    if (!m_errors.empty())
        throw SchemaFileError(m_fileName, m_errors);
}

void SchemaFile::Builder::BuildModel(const JsonNode& doc) {
    const std::optional<VrlSchemaVersion>& version = m_versionAsked;
    const JsonPath root;
    CheckKeys(doc, root, {"version", "tables", "views", "procedures", "functions", "trees"});
    const JsonNode* own = Find(doc, "version");
    if (!own && !version)
        Require(doc, root, "version");
    const std::optional<VrlSchemaVersion> fileVersion =
        own ? std::optional<VrlSchemaVersion>(Version(*own, JsonPath(root, "version"))) : std::nullopt;
    m_file.m_version = version ? *version : *fileVersion;
    std::vector<VrlTable*> tables;
    if (m_streamed) {
        for (const SchemaFileError::Problem& problem : m_streamErrors) {
            m_errors.push_back(problem);
            if (m_errors.size() >= SchemaFileError::kMaxProblems)
                throw Full();
        }
        if (m_streamFailure)
            std::rethrow_exception(m_streamFailure);
        tables = std::move(m_streamTables);
    } else {
        m_keepTableNames = Find(doc, "trees") != nullptr;
        tables = Each<VrlTable>(doc, root, "tables", &Builder::Table);
    }
    const std::vector<VrlView*> views = Each<VrlView>(doc, root, "views", &Builder::View);
    const std::vector<VrlProcedure*> procedures =
        Each<VrlProcedure>(doc, root, "procedures", &Builder::Procedure);
    const std::vector<VrlFunction*> functions = Each<VrlFunction>(doc, root, "functions", &Builder::Function);
    m_file.m_schema = std::make_unique<VrlSchema>(m_file.m_version, tables, views, procedures, functions);
    if (const JsonNode* trees = Find(doc, "trees"))
        Trees(*trees, JsonPath(root, "trees"));
    for (const auto& [v, sp] : m_versions)
        m_file.m_versionsNamed.emplace_back(v, sp);
}

SchemaFile::SchemaFile() = default;
SchemaFile::~SchemaFile() = default;

VrlSchemaVersion SchemaFile::GetIntroducedVersion(const VrlSchemaObject* object) const {
    for (const auto& [table, version] : m_tableVersions) {
        if (table == object)
            return version;
    }
    return object->GetVersion();
}

namespace {

[[noreturn]] void ThrowParseError(const std::string& fileName, const std::exception& e) {
    // The library's own text reads "[json.exception.parse_error.101] parse
    // error at line 3, column 7: ..."; keep what follows the tag. A number
    // too large for a double is not a parse error there but out_of_range
    // (406), raised while parsing all the same.
    std::string reason = e.what();
    const size_t tag = reason.find("] ");
    if (tag != std::string::npos)
        reason.erase(0, tag + 2);
    throw SchemaFileError(fileName, "", reason);
}

} // namespace

std::unique_ptr<SchemaFile> SchemaFile::Parse(std::string_view text, const std::string& fileName,
                                              Dialect dialect, std::optional<VrlSchemaVersion> version,
                                              const std::function<void(size_t)>& progress) {
    for (bool stream : {true, false}) {
        std::unique_ptr<SchemaFile> file(new SchemaFile());
        file->m_record = SchemaFileRecord(fileName);
        Builder builder(*file, fileName, dialect, version, stream);
        std::unique_ptr<JsonTree> doc;
        try {
            doc = std::make_unique<JsonTree>(text, &builder, progress);
        } catch (const Builder::Restart&) {
            continue;
        } catch (const nlohmann::json::exception& e) {
            ThrowParseError(fileName, e);
        }
        builder.Build(doc->Root(), doc->DuplicateKeys());
        return file;
    }
    // Not reached: the second round does not stream.
    throw SchemaFileError(fileName, "", "cannot read the file");
}

std::unique_ptr<SchemaFile> SchemaFile::Load(const std::string& path, Dialect dialect,
                                             std::optional<VrlSchemaVersion> version) {
    MappedFile file;
    if (file.Open(path.c_str()) != 0)
        throw SchemaFileError(path, "", "cannot open the file");
    return Parse(file.Text(), path, dialect, version, [&file](size_t offset) { file.Discard(offset); });
}

} // namespace VrlSchemaLib
