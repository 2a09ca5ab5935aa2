// The encoding faults of a dictionary source that an editor makes: a source
// saved as UTF-16 or in a Windows code page rather than UTF-8, and UTF-8
// text that was read as Windows-1252 and saved again (é become Ã©).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrik::lx {

// What the whole source is when it is not UTF-8, told in one message
// ("the source is UTF-16 ..."); nothing for a UTF-8 source.
std::optional<std::string> SourceEncodingFault(std::string_view source);

// For a UTF-8 text with a character pair that is the Windows-1252 reading
// of one UTF-8 character: that pair and the character it was ("Ã©", "é").
struct TwiceEncoded {
    std::string written;
    std::string meant;
};
std::optional<TwiceEncoded> FindTwiceEncoded(std::string_view utf8);

}  // namespace tavrik::lx
