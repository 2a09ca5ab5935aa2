#include "vcl/win32/FontCache.h"

#include <cstring>

namespace tavrik::vcl::win32 {

LOGFONTA LogFontOf(const TFont& font) {
    LOGFONTA log = {};
    log.lfHeight = font.Height();
    log.lfWeight = (font.Style() & fsBold) != 0 ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (font.Style() & fsItalic) != 0 ? TRUE : FALSE;
    log.lfUnderline = (font.Style() & fsUnderline) != 0 ? TRUE : FALSE;
    log.lfStrikeOut = (font.Style() & fsStrikeOut) != 0 ? TRUE : FALSE;
    log.lfCharSet = font.Charset();
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // A face name longer than LOGFONT holds is cut, never overrun.
    std::strncpy(log.lfFaceName, font.Name().c_str(), LF_FACESIZE - 1);
    return log;
}

FontCache::~FontCache() {
    for (auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT FontCache::Get(const TFont& font) {
    Key key{font.Name(), font.Charset(), font.Height(), font.Style()};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    LOGFONTA log = LogFontOf(font);
    HFONT handle = CreateFontIndirectA(&log);
    if (handle == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(key, handle);
    return handle;
}

}  // namespace tavrik::vcl::win32
