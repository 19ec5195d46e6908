// "Did you mean ...?" for a mistyped command or option name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace VrlSchemaTool {

// The candidate closest to `typed` when it is near enough to be a slip of the
// keyboard (a letter left out, added, changed or two swapped, a couple of
// times at most); empty otherwise.
std::string Suggest(std::string_view typed, const std::vector<std::string>& candidates);

// " (did you mean X?)" or empty, ready to append to a message.
std::string DidYouMean(std::string_view typed, const std::vector<std::string>& candidates);

} // namespace VrlSchemaTool
