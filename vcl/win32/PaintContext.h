// What the painters of windowless controls draw with: the back buffer's
// device context and pixels, the area being repainted, and the host's fonts
// and mouse state.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Control.h"
#include "vcl/win32/BackBuffer.h"
#include "vcl/win32/FontCache.h"
#include "vcl/win32/MouseTracker.h"
#include "vcl/win32/PixelOps.h"

namespace tavrik::vcl::win32 {

struct PaintContext {
    BackBuffer& buffer;
    PixelRect clip;  // window client coordinates
    FontCache& fonts;
    const MouseTracker& mouse;

    HDC Dc() const { return buffer.Dc(); }
    // Flushes GDI before handing out the pixels.
    Surface Pixels() const { return buffer.Pixels(); }
};

PixelRect BoundsOf(const TControl& control);
RECT ToRect(const PixelRect& rect);

// One function per kind of windowless control.
void PaintLabel(const PaintContext& context, const TControl& label);
void PaintImage(const PaintContext& context, const TControl& image);
void PaintShape(const PaintContext& context, const TControl& shape);
void PaintSpeedButton(const PaintContext& context, const TControl& button);

// Text in the control's font and colour, clipped to `bounds`; grey and
// etched when `enabled` is false.
void DrawControlText(const PaintContext& context, const TControl& control, RECT bounds,
                     const std::string& text, UINT format, bool enabled);

}  // namespace tavrik::vcl::win32
