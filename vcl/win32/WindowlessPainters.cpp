// The faces of images and shapes, drawn into the back buffer.
#include <optional>

#include "vcl/ControlFaces.h"
#include "vcl/Image.h"
#include "vcl/Shape.h"
#include "vcl/win32/GdiColors.h"
#include "vcl/win32/PaintContext.h"

namespace tavrik::vcl::win32 {

PixelSource SourceOf(const TBitmap& bitmap) {
    return PixelSource{bitmap.Pixels().data(), bitmap.Width(), bitmap.Height()};
}

RECT ToRect(const PixelRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

void PaintImage(const PaintContext& context, const TControl& control) {
    const auto& image = dynamic_cast<const TImage&>(control);
    const TBitmap& bitmap = image.Picture().Bitmap();
    if (bitmap.Empty()) return;
    const PixelRect bounds = BoundsOf(image);
    PixelRect target;
    if (image.Stretch()) {
        target = bounds;
    } else {
        target = PixelRect{bounds.left, bounds.top, bounds.left + bitmap.Width(),
                           bounds.top + bitmap.Height()};
    }
    Surface surface = context.Pixels();
    DrawScaled(surface, target, Intersect(bounds, context.clip), SourceOf(bitmap), std::nullopt);
}

void PaintShape(const PaintContext& context, const TControl& control) {
    const auto& shape = dynamic_cast<const TShape&>(control);
    RECT rect = ToRect(BoundsOf(shape));
    HDC dc = context.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, context.clip.left, context.clip.top, context.clip.right,
                      context.clip.bottom);
    HBRUSH brush = CreateSolidBrush(ColorRefOf(shape.BrushColor()));
    SelectObject(dc, brush != nullptr ? brush : GetStockObject(NULL_BRUSH));
    if (shape.PenStyle() == TPenStyle::psClear) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        // Without an outline the rectangle covers its whole bounds.
        rect.right += 1;
        rect.bottom += 1;
    } else {
        SelectObject(dc, GetStockObject(BLACK_PEN));
    }
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    RestoreDC(dc, saved);
    if (brush != nullptr) DeleteObject(brush);
}

}  // namespace tavrik::vcl::win32
