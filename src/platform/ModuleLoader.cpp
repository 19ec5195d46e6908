// Resource modules as text files beside the executable.
#include "ModuleLoader.h"

#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <unordered_map>

#include "CString.h"
#include "StringResources.h"

struct HINSTANCE__ {
    std::wstring path;
    std::unordered_map<UINT, std::wstring> strings;
};

namespace {

namespace fs = std::filesystem;

fs::path ExecutablePath() {
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb)
            return false;
    }
    return true;
}

// The module's file in the executable's directory, or an empty path.
fs::path FindModuleFile(const std::string& name) {
    const fs::path directory = ExecutablePath().parent_path();
    if (directory.empty())
        return {};
    std::error_code error;
    const fs::path exact = directory / name;
    if (fs::is_regular_file(exact, error))
        return exact;
    // File names on the original platform ignore case; installations copied
    // from there may carry "OEM.DLL" or "oem.dll".
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (EqualsIgnoringAsciiCase(it->path().filename().string(), name) && it->is_regular_file(error))
            return it->path();
    }
    return {};
}

std::wstring Unescape(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size()) {
            const wchar_t next = text[i + 1];
            if (next == L'n' || next == L't' || next == L'\\') {
                result += next == L'n' ? L'\n' : next == L't' ? L'\t' : L'\\';
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

void ParseLine(std::string_view line, std::unordered_map<UINT, std::wstring>& strings) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty() || line.front() == '#')
        return;
    const size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string_view::npos || tab > 10)
        return;
    uint64_t id = 0;
    for (size_t i = 0; i < tab; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return;
        id = id * 10 + static_cast<uint64_t>(line[i] - '0');
    }
    if (id > UINT32_MAX)
        return;
    strings.emplace(static_cast<UINT>(id), Unescape(Utf8ToWide(line.substr(tab + 1))));
}

} // namespace

HMODULE LoadLibraryExW(const wchar_t* fileName, void* /*file*/, DWORD /*flags*/) {
    if (fileName == nullptr || *fileName == L'\0' || std::wcschr(fileName, L'/') != nullptr ||
        std::wcschr(fileName, L'\\') != nullptr)
        return nullptr;
    const fs::path path = FindModuleFile(WideToUtf8(fileName));
    if (path.empty())
        return nullptr;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    std::ostringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);

    auto* module = new HINSTANCE__();
    module->path = Utf8ToWide(path.string());
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ParseLine(std::string_view(text).substr(start, end - start), module->strings);
        start = end + 1;
    }
    return module;
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr)
        return FALSE;
    delete module;
    return TRUE;
}

int LoadStringW(HMODULE module, UINT id, wchar_t* buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax < 0)
        return 0;
    const wchar_t* text = nullptr;
    size_t length = 0;
    if (module == nullptr) {
        text = AfxFindStringResource(id);
        length = text ? std::wcslen(text) : 0;
    } else {
        const auto found = module->strings.find(id);
        if (found != module->strings.end()) {
            text = found->second.c_str();
            length = found->second.size();
        }
    }
    if (bufferMax == 0) {
        if (text == nullptr)
            return 0;
        // The caller asked for the address of the text itself.
        std::memcpy(buffer, &text, sizeof text);
        return static_cast<int>(length);
    }
    if (text == nullptr) {
        buffer[0] = L'\0';
        return 0;
    }
    if (length > static_cast<size_t>(bufferMax - 1))
        length = static_cast<size_t>(bufferMax - 1);
    std::wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
    return static_cast<int>(length);
}

DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD size) {
    if (buffer == nullptr || size == 0)
        return 0;
    const std::wstring path = module ? module->path : Utf8ToWide(ExecutablePath().string());
    if (path.size() < size) {
        std::wmemcpy(buffer, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    std::wmemcpy(buffer, path.c_str(), size - 1);
    buffer[size - 1] = L'\0';
    return size;
}
