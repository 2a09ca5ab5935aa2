#pragma once

#include <string>

namespace tavrik {

// The text with its first '*' replaced by the replacement; unchanged when it
// holds none. Later stars stay.
std::string ReplaceFirstStar(const std::string& text, const std::string& replacement);

// Upper-cases the first character in place (the C library's conversion of
// the single-byte code page). An empty string stays empty.
void CapitaliseFirst(std::string& text);

// A decimal integer within int, with optional sign and blanks around it;
// false for anything else (an INI count the wizard reads as zero).
bool ParseDecimal(const std::string& text, long& value);

// Whether the index is below the count written as decimal text (an INI
// value). A count that is empty or not a number counts as zero, so a list
// with a broken count is simply empty.
bool IndexBelowCount(int index, const std::string& countText);

}  // namespace tavrik
