#include "vcl/win32/FormStyle.h"

namespace tavrik::vcl::win32 {

FrameStyle FrameStyleOf(const TForm& form) {
    FrameStyle frame;
    switch (form.BorderStyle()) {
        case TBorderStyle::bsNone:
            frame.style = WS_POPUP;
            break;
        case TBorderStyle::bsSingle:
            frame.style = WS_CAPTION;
            break;
        case TBorderStyle::bsSizeable:
            frame.style = WS_CAPTION | WS_THICKFRAME;
            break;
        case TBorderStyle::bsDialog:
            frame.style = WS_CAPTION;
            frame.exStyle = WS_EX_DLGMODALFRAME;
            break;
        case TBorderStyle::bsToolWindow:
            frame.style = WS_CAPTION;
            frame.exStyle = WS_EX_TOOLWINDOW;
            break;
        case TBorderStyle::bsSizeToolWin:
            frame.style = WS_CAPTION | WS_THICKFRAME;
            frame.exStyle = WS_EX_TOOLWINDOW;
            break;
    }
    const bool hasCaption = (frame.style & WS_CAPTION) != 0;
    const TBorderIcons icons = form.BorderIcons();
    if (hasCaption && (icons & biSystemMenu) != 0) {
        frame.style |= WS_SYSMENU;
        // A dialog frame has no minimise or maximise box.
        if (form.BorderStyle() != TBorderStyle::bsDialog) {
            if ((icons & biMinimize) != 0) frame.style |= WS_MINIMIZEBOX;
            if ((icons & biMaximize) != 0) frame.style |= WS_MAXIMIZEBOX;
        }
    }
    if (form.FormStyle() == TFormStyle::fsStayOnTop) frame.exStyle |= WS_EX_TOPMOST;
    return frame;
}

void FrameExtentOf(const TForm& form, int& extraWidth, int& extraHeight) {
    const FrameStyle frame = FrameStyleOf(form);
    RECT rect = {0, 0, 100, 100};
    AdjustWindowRectEx(&rect, frame.style, FALSE, frame.exStyle);
    extraWidth = (rect.right - rect.left) - 100;
    extraHeight = (rect.bottom - rect.top) - 100;
}

}  // namespace tavrik::vcl::win32
