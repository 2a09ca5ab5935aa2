// The framework's colours as GDI takes them.
#pragma once

#include "vcl/win32/Win32.h"

#include <map>

#include "vcl/Color.h"

namespace tavrik::vcl::win32 {

// A plain colour, or the system's current value for a system colour.
COLORREF ColorRefOf(TColor color);

// Solid brushes for the colours controls ask their parents to paint them
// with (WM_CTLCOLOR...), kept until the host goes.
class BrushCache {
public:
    BrushCache() = default;
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;
    ~BrushCache();
    HBRUSH Get(COLORREF color);

private:
    std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace tavrik::vcl::win32
