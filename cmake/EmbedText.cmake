# Script mode: writes a C++ source that returns the contents of INPUT as a
# std::string_view from the function FUNCTION in namespace NAMESPACE.
# Usage: cmake -DINPUT=... -DOUTPUT=... -DNAMESPACE=... -DFUNCTION=... -P EmbedText.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Twenty bytes per line keeps the generated file readable in a diff tool.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){20})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include <string_view>

namespace ${NAMESPACE} {

namespace {
const char kText[] = {
${bytes}0};
} // namespace

std::string_view ${FUNCTION}() { return std::string_view(kText, ${byte_count}); }

} // namespace ${NAMESPACE}
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
