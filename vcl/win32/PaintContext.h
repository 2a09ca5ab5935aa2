// What the painters of windowless controls draw with: the back buffer's
// device context and pixels, the area being repainted, and the host's fonts
// and mouse state.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Bitmap.h"
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

PixelSource SourceOf(const TBitmap& bitmap);
RECT ToRect(const PixelRect& rect);

// The painters of windowless controls that have no layout to decide: a
// picture and a rectangle. Labels and speed buttons are laid out by
// vcl/ControlFaces.h on a GdiCanvas.
void PaintImage(const PaintContext& context, const TControl& image);
void PaintShape(const PaintContext& context, const TControl& shape);

}  // namespace tavrik::vcl::win32
