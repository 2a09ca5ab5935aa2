#include "platform/fake/Wildcard.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

enum class Token { Literal, Star, DosStar, DosQuestion, DosDot };

struct PatternItem {
    Token token = Token::Literal;
    char literal = 0;
};

std::vector<PatternItem> Translate(const std::string& pattern) {
    std::vector<PatternItem> items;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c == '?') {
            items.push_back({Token::DosQuestion, 0});
        } else if (c == '*') {
            items.push_back({next == '.' ? Token::DosStar : Token::Star, 0});
        } else if (c == '.' && (next == '?' || next == '*' || next == '\0')) {
            items.push_back({Token::DosDot, 0});
        } else {
            items.push_back({Token::Literal, c});
        }
    }
    return items;
}

class Matcher {
public:
    Matcher(std::vector<PatternItem> items, const std::string& name)
        : items_(std::move(items)),
          name_(name),
          lastDot_(name.rfind('.')),
          memo_((items_.size() + 1) * (name.size() + 1), kUnknown) {}

    bool Matches(std::size_t p, std::size_t n) {
        char& memo = memo_[p * (name_.size() + 1) + n];
        if (memo == kUnknown) {
            memo = Compute(p, n) ? kYes : kNo;
        }
        return memo == kYes;
    }

private:
    static constexpr char kUnknown = 0;
    static constexpr char kYes = 1;
    static constexpr char kNo = 2;

    bool AtEnd(std::size_t n) const { return n == name_.size(); }

    bool Compute(std::size_t p, std::size_t n) {
        if (p == items_.size()) {
            return AtEnd(n);
        }
        const PatternItem& item = items_[p];
        switch (item.token) {
            case Token::Star:
                return Matches(p + 1, n) || (!AtEnd(n) && Matches(p, n + 1));
            case Token::DosStar:
                // Any characters, but never the name's final dot.
                return Matches(p + 1, n) || (!AtEnd(n) && n != lastDot_ && Matches(p, n + 1));
            case Token::DosQuestion:
                // One character; at a dot or the end it matches nothing.
                if (AtEnd(n) || name_[n] == '.') {
                    return Matches(p + 1, n);
                }
                return Matches(p + 1, n + 1);
            case Token::DosDot:
                if (AtEnd(n)) {
                    return Matches(p + 1, n);
                }
                return name_[n] == '.' && Matches(p + 1, n + 1);
            case Token::Literal:
                return !AtEnd(n) &&
                       UpperCodeUnit(static_cast<unsigned char>(name_[n])) ==
                           UpperCodeUnit(static_cast<unsigned char>(item.literal)) &&
                       Matches(p + 1, n + 1);
        }
        return false;
    }

    std::vector<PatternItem> items_;
    const std::string& name_;
    std::size_t lastDot_;
    std::vector<char> memo_;
};

}  // namespace

bool MatchesFileNamePattern(const std::string& pattern, const std::string& name) {
    if (pattern.empty()) {
        return false;
    }
    if (pattern == "*" || pattern == "*.*") {
        return true;
    }
    Matcher matcher(Translate(pattern), name);
    return matcher.Matches(0, 0);
}

}  // namespace tavrik::platform
