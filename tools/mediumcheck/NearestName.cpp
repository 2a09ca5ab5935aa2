#include "NearestName.h"

#include <algorithm>
#include <cctype>

namespace tavrik::mediumcheck {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Edits from a to b, a swap of two neighbours counting one.
std::size_t Distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

std::string NearestName(const std::string& written, const std::vector<std::string>& candidates) {
    std::string nearest;
    std::size_t best = 0;
    for (const std::string& candidate : candidates) {
        const std::size_t distance = Distance(Upper(written), Upper(candidate));
        // One slip in a name of two letters or more, two in a longer one
        // (fewer than half its letters).
        const bool close = (distance == 1 && candidate.size() >= 2) ||
                           (distance == 2 && 2 * distance < candidate.size());
        if (close && (nearest.empty() || distance < best)) {
            nearest = candidate;
            best = distance;
        }
    }
    return nearest;
}

}  // namespace tavrik::mediumcheck
