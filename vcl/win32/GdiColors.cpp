#include "vcl/win32/GdiColors.h"

namespace tavrik::vcl::win32 {

COLORREF ColorRefOf(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return color & 0x00FFFFFFu;
}

BrushCache::~BrushCache() {
    for (auto& entry : brushes_) DeleteObject(entry.second);
}

HBRUSH BrushCache::Get(COLORREF color) {
    auto found = brushes_.find(color);
    if (found != brushes_.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(color);
    if (brush == nullptr) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    brushes_.emplace(color, brush);
    return brush;
}

}  // namespace tavrik::vcl::win32
