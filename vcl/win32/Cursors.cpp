#include "vcl/win32/Cursors.h"

namespace tavrik::vcl::win32 {

HCURSOR CursorHandle(TCursor cursor) {
    switch (cursor) {
        case TCursor::crHourGlass:
            return LoadCursor(nullptr, IDC_WAIT);
        case TCursor::crHandPoint:
            return LoadCursor(nullptr, IDC_HAND);
        case TCursor::crDefault:
        case TCursor::crArrow:
            break;
    }
    return LoadCursor(nullptr, IDC_ARROW);
}

}  // namespace tavrik::vcl::win32
