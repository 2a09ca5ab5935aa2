#include "vcl/win32/Painter.h"

#include <algorithm>

#include "vcl/ControlFaces.h"
#include "vcl/Label.h"
#include "vcl/SpeedButton.h"
#include "vcl/win32/GdiCanvas.h"
#include "vcl/win32/GdiColors.h"
#include "vcl/win32/PaintContext.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32 {
namespace {

// The page control's frame around its pages.
constexpr int kPageFrameTop = 4;
// Rows painted at a time: a third of the form, so the off-screen buffer
// costs a third of the memory a whole window would (each band is still
// composed off screen before it is shown).
constexpr int kBandRows = 168;

// Child windows paint themselves: keep the copy from covering them. Shadows
// are not painted and are skipped.
void ExcludeChildWindows(HWND window, HDC dc) {
    Win32Host& host = Win32Host::Instance();
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        TControl* control = host.ControlOf(child);
        if (control != nullptr && control->IsWindowless()) continue;
        RECT rect = {};
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
}

void PaintFace(const PaintContext& context, const TWinControl& container, const RECT& client) {
    Surface surface = context.Pixels();
    FillPixels(surface, context.clip, PixelFromColorRef(ColorRefOf(container.Color())));
    if (container.Kind() == ControlKind::PageControl) {
        RECT frame = client;
        frame.top += kPageFrameTop;
        DrawEdge(context.Dc(), &frame, EDGE_RAISED, BF_RECT);
    } else if (container.Kind() == ControlKind::GroupBox) {
        GdiCanvas canvas(context);
        PaintGroupFrame(canvas, container,
                        PixelRect{client.left, client.top, client.right, client.bottom});
    }
}

void PaintWindowless(const PaintContext& context, const TControl& control) {
    if (Intersect(BoundsOf(control), context.clip).Empty()) return;
    switch (control.Kind()) {
        case ControlKind::Label: {
            GdiCanvas canvas(context);
            PaintLabel(canvas, dynamic_cast<const TLabel&>(control));
            break;
        }
        case ControlKind::Image:
            PaintImage(context, control);
            break;
        case ControlKind::Shape:
            PaintShape(context, control);
            break;
        case ControlKind::SpeedButton: {
            GdiCanvas canvas(context);
            const ButtonMouse mouse{context.mouse.IsPressed(control), context.mouse.IsHot(control)};
            PaintSpeedButton(canvas, dynamic_cast<const TSpeedButton&>(control), mouse);
            break;
        }
        default:
            break;
    }
}

}  // namespace

void PaintContainer(HWND window, TWinControl& container) {
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(window, &paint);
    if (dc == nullptr) return;
    RECT client = {};
    GetClientRect(window, &client);
    const PixelRect clip = Intersect(
        PixelRect{paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom},
        PixelRect{0, 0, client.right, client.bottom});
    Win32Host& host = Win32Host::Instance();
    if (!clip.Empty()) {
        ExcludeChildWindows(window, dc);
        BackBuffer& buffer = host.Buffer();
        const int band = std::min<int>(client.bottom, kBandRows);
        if (buffer.Ensure(dc, client.right, band)) {
            for (int top = clip.top; top < clip.bottom; top += band) {
                const PixelRect part =
                    Intersect(clip, PixelRect{clip.left, top, clip.right, top + band});
                buffer.SetTop(top);
                PaintContext context{buffer, part, host.Fonts(), host.Mouse()};
                PaintFace(context, container, client);
                for (const TControl* child : container.Children()) {
                    if (child->IsWindowless() && child->Visible()) PaintWindowless(context, *child);
                }
                BitBlt(dc, part.left, part.top, part.Width(), part.Height(), buffer.Dc(), part.left,
                       part.top, SRCCOPY);
            }
            buffer.SetTop(0);
        } else {
            FillRect(dc, &paint.rcPaint, host.Brushes().Get(ColorRefOf(container.Color())));
        }
    }
    EndPaint(window, &paint);
}

}  // namespace tavrik::vcl::win32
