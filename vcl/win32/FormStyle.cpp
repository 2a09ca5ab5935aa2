#include "vcl/win32/FormStyle.h"

namespace tavrik::vcl::win32 {

namespace {

// The frame last measured. A form asks again for every size it is given,
// and under Wine each measure takes a tenth of a millisecond (the system
// builds the caption's font to answer); the answer changes only with the
// frame's styles or the system's settings.
struct MeasuredFrame {
    bool measured = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int extraWidth = 0;
    int extraHeight = 0;
};

MeasuredFrame& LastMeasured() {
    static MeasuredFrame last;
    return last;
}

}  // namespace

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
    MeasuredFrame& last = LastMeasured();
    if (!last.measured || last.style != frame.style || last.exStyle != frame.exStyle) {
        RECT rect = {0, 0, 100, 100};
        AdjustWindowRectEx(&rect, frame.style, FALSE, frame.exStyle);
        last = MeasuredFrame{true, frame.style, frame.exStyle, (rect.right - rect.left) - 100,
                             (rect.bottom - rect.top) - 100};
    }
    extraWidth = last.extraWidth;
    extraHeight = last.extraHeight;
}

void ForgetFrameExtents() { LastMeasured().measured = false; }

}  // namespace tavrik::vcl::win32
