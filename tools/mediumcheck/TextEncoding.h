// Text the wizard reads as code page 1252 bytes, and UTF-8 written into it
// by an editor: how to spot it and what it will look like on screen.
#pragma once

#include <string>

namespace tavrik::mediumcheck {

// The offset of the first multi-byte UTF-8 character when every byte
// above 0x7F belongs to one (text saved as UTF-8); npos otherwise.
std::size_t FindUtf8Text(const std::string& bytes);

// The characters the bytes show in code page 1252, written as UTF-8 so a
// terminal shows them (0x81, 0x8D, 0x8F, 0x90, 0x9D as '?').
std::string ShownIn1252(const std::string& bytes);

}  // namespace tavrik::mediumcheck
