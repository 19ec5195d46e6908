// The built-in system message table and FormatMessageW over it.
#include "SystemMessages.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

struct SystemMessage {
    DWORD id;
    const wchar_t* text;
};

// Win32 error codes and HRESULTs, in ascending order of code.
constexpr SystemMessage kMessages[] = {
    {0, L"The operation completed successfully.\r\n"},
    {1, L"Incorrect function.\r\n"},
    {2, L"The system cannot find the file specified.\r\n"},
    {3, L"The system cannot find the path specified.\r\n"},
    {4, L"The system cannot open the file.\r\n"},
    {5, L"Access is denied.\r\n"},
    {6, L"The handle is invalid.\r\n"},
    {8, L"Not enough memory resources are available to process this command.\r\n"},
    {13, L"The data is invalid.\r\n"},
    {14, L"Not enough memory resources are available to complete this operation.\r\n"},
    {32, L"The process cannot access the file because it is being used by another process.\r\n"},
    {50, L"The request is not supported.\r\n"},
    {87, L"The parameter is incorrect.\r\n"},
    {122, L"The data area passed to a system call is too small.\r\n"},
    {126, L"The specified module could not be found.\r\n"},
    {1813, L"The specified resource type cannot be found in the image file.\r\n"},
    {1814, L"The specified resource name cannot be found in the image file.\r\n"},
    {0x80004001u, L"Not implemented\r\n"},
    {0x80004002u, L"No such interface supported\r\n"},
    {0x80004005u, L"Unspecified error\r\n"},
    {0x80020005u, L"Type mismatch.\r\n"},
    {0x80020008u, L"Bad variable type.\r\n"},
    {0x8002000Au, L"Out of present range.\r\n"},
};

const wchar_t* FindSystemText(DWORD id) {
    for (const SystemMessage& message : kMessages) {
        if (message.id == id)
            return message.text;
    }
    // An HRESULT built from a Win32 code has that code's text.
    if ((id & 0xFFFF0000u) == 0x80070000u)
        return FindSystemText(id & 0xFFFFu);
    return nullptr;
}

} // namespace

DWORD FormatMessageW(DWORD flags, const void* source, DWORD messageId, DWORD /*languageId*/, LPWSTR buffer,
                     DWORD size, va_list* /*arguments*/) {
    if (buffer == nullptr)
        return 0;
    const bool allocate = (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0;
    if (allocate)
        std::memset(static_cast<void*>(buffer), 0, sizeof(void*));

    const wchar_t* text = nullptr;
    if ((flags & FORMAT_MESSAGE_FROM_STRING) != 0)
        text = static_cast<const wchar_t*>(source);
    else if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) != 0)
        text = FindSystemText(messageId);
    if (text == nullptr)
        return 0;

    const size_t length = std::wcslen(text);
    if (allocate) {
        const size_t capacity = (length + 1 > size) ? length + 1 : size;
        auto* memory = static_cast<wchar_t*>(std::malloc(capacity * sizeof(wchar_t)));
        if (memory == nullptr)
            return 0;
        std::wmemcpy(memory, text, length + 1);
        std::memcpy(buffer, &memory, sizeof memory);
        return static_cast<DWORD>(length);
    }
    if (length + 1 > size)
        return 0;
    std::wmemcpy(buffer, text, length + 1);
    return static_cast<DWORD>(length);
}

HLOCAL LocalFree(HLOCAL memory) {
    std::free(memory);
    return nullptr;
}
