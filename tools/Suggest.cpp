#include "Suggest.h"

#include <algorithm>

namespace VrlSchemaTool {

namespace {

// Edit distance where swapping two neighbouring letters counts once, the
// commonest slip when typing a word one knows.
size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

std::string Suggest(std::string_view typed, const std::vector<std::string>& candidates) {
    // Short words allow one slip, longer ones two; never as many as the
    // word's own length, or "x" would suggest every short name.
    const size_t limit = std::min<size_t>(typed.size() <= 4 ? 1 : 2, typed.size() - (typed.empty() ? 0 : 1));
    std::string best;
    size_t bestDistance = limit + 1;
    for (const std::string& c : candidates) {
        const size_t d = Distance(typed, c);
        if (d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

std::string DidYouMean(std::string_view typed, const std::vector<std::string>& candidates) {
    const std::string s = Suggest(typed, candidates);
    return s.empty() ? std::string() : " (did you mean " + s + "?)";
}

} // namespace VrlSchemaTool
