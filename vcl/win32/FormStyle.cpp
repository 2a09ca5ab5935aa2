#include "vcl/win32/FormStyle.h"

#include <algorithm>
#include <vector>

namespace tavrik::vcl::win32 {

namespace {

// Frames measured so far. A form asks again for every size it is given, its
// styles change as its description is read, and under Wine each measure
// takes a tenth of a millisecond (the system builds the caption's font to
// answer); the answer changes only with the frame's styles or the system's
// settings. A handful of styles is all a program uses.
struct MeasuredFrame {
    DWORD style = 0;
    DWORD exStyle = 0;
    int extraWidth = 0;
    int extraHeight = 0;
};

constexpr std::size_t kMostMeasuredFrames = 8;

std::vector<MeasuredFrame>& Measured() {
    static std::vector<MeasuredFrame> measured;
    return measured;
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
    auto& measured = Measured();
    auto found = std::find_if(measured.begin(), measured.end(), [&](const MeasuredFrame& known) {
        return known.style == frame.style && known.exStyle == frame.exStyle;
    });
    if (found == measured.end()) {
        RECT rect = {0, 0, 100, 100};
        AdjustWindowRectEx(&rect, frame.style, FALSE, frame.exStyle);
        if (measured.size() == kMostMeasuredFrames) measured.clear();
        measured.push_back(MeasuredFrame{frame.style, frame.exStyle, (rect.right - rect.left) - 100,
                                         (rect.bottom - rect.top) - 100});
        found = measured.end() - 1;
    }
    extraWidth = found->extraWidth;
    extraHeight = found->extraHeight;
}

void ForgetFrameExtents() { Measured().clear(); }

}  // namespace tavrik::vcl::win32
