// The host's message texts of the library's error codes. Codes that serve
// both a missing (null) name, raised without arguments, and a name that was
// not found, raised with the names, have texts that read no argument: a
// conversion in such a text would read past the arguments of the null case.
// 4111 carries its whole message as its one argument, because its raising
// sites compose the text themselves ("Invalid Root Type: ...").
// 4100 is raised by the publish procedure generator with the capacity it
// needs and the one it was given (both long).
// 4086 ("Unknown Error.") is the library's own and is not repeated here.
#include "VrlHostMessages.h"

#include <iterator>

namespace VrlSchemaLib {

namespace {

const StringResource kHostMessages[] = {
    {4023, L"The value cannot be converted to the requested type (variant type %d)."},
    {4054, L"The field was not found, or no field name was given."},
    {4055, L"The field index is out of range."},
    {4070, L"The table was not found, or no table name was given."},
    {4071, L"The index is out of range."},
    {4072, L"The view '%s' was not found."},
    {4073, L"The view index is out of range."},
    {4074, L"The procedure or parameter '%s' was not found."},
    {4075, L"The procedure index is out of range."},
    {4076, L"The function '%s' was not found."},
    {4077, L"The function index is out of range."},
    {4078, L"The constraint index is out of range."},
    {4079, L"No import routine was given."},
    {4080, L"No convert routine was given."},
    {4081, L"No external name or status column name was given."},
    {4082, L"No child table name was given."},
    {4083, L"No translate table name was given."},
    {4084, L"The child index is out of range."},
    {4085, L"No parent key table name was given."},
    {4100, L"The text does not fit the buffer: %ld characters are needed, the buffer holds %ld."},
    {4111, L"%s"},
};

} // namespace

const StringResource* GetVrlHostMessages(size_t* count) {
    if (count != nullptr)
        *count = std::size(kHostMessages);
    return kHostMessages;
}

void RegisterVrlHostMessages() {
    // The chain ignores a second registration of the same table.
    AfxRegisterStringTable(kHostMessages, std::size(kHostMessages));
}

} // namespace VrlSchemaLib
