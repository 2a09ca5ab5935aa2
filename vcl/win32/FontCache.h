// GDI fonts for the components' font descriptions, created once per
// distinct description and kept until the host goes.
#pragma once

#include "vcl/win32/Win32.h"

#include <map>
#include <string>
#include <tuple>

#include "vcl/Font.h"

namespace tavrik::vcl::win32 {

class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    // The font with the face, character set, height and style of `font`
    // (its colour is the painter's business). Never null: when the system
    // cannot make it, the default GUI font stands in.
    HFONT Get(const TFont& font);

private:
    using Key = std::tuple<std::string, int, int, int>;
    std::map<Key, HFONT> fonts_;
};

// The LOGFONT CreateFontIndirectA receives for a font description.
LOGFONTA LogFontOf(const TFont& font);

}  // namespace tavrik::vcl::win32
