#include "vcl/ScrollBar.h"

#include <algorithm>

#include "vcl/Exceptions.h"

namespace tavrik::vcl {

namespace {
const char* const kOutOfRange = "Scroll bar property out of range";
}

int TScrollBar::MaxPosition() const {
    return pageSize_ > 0 ? std::max(max_ - pageSize_ + 1, min_) : max_;
}

int TScrollBar::Clamp(int v) const { return std::clamp(v, min_, MaxPosition()); }

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min || (pageSize_ > 0 &&
                      static_cast<long long>(pageSize_) > static_cast<long long>(max) - min + 1)) {
        throw EInvalidOperation(kOutOfRange);
    }
    if (min != min_ || max != max_) {
        min_ = min;
        max_ = max;
        Changed(kChangeRange);
    }
    position = Clamp(position);
    if (position == position_) return;
    position_ = position;
    Changed(kChangePosition);
    if (OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int v) {
    if (v < 0 || static_cast<long long>(v) > static_cast<long long>(max_) - min_ + 1) {
        throw EInvalidOperation(kOutOfRange);
    }
    SetProperty(pageSize_, v, kChangeRange);
    SetPosition(position_);
}

void TScrollBar::Scroll(ScrollCode code, int thumbPosition) {
    long long next = position_;
    switch (code) {
        case ScrollCode::LineUp:
            next -= smallChange_;
            break;
        case ScrollCode::LineDown:
            next += smallChange_;
            break;
        case ScrollCode::PageUp:
            next -= largeChange_;
            break;
        case ScrollCode::PageDown:
            next += largeChange_;
            break;
        case ScrollCode::Position:
        case ScrollCode::Track:
            next = thumbPosition;
            break;
        case ScrollCode::Top:
            next = min_;
            break;
        case ScrollCode::Bottom:
            next = max_;
            break;
        case ScrollCode::EndScroll:
            break;
    }
    int position = Clamp(static_cast<int>(std::clamp<long long>(next, min_, max_)));
    if (OnScroll) OnScroll(this, code, position);
    SetPosition(position);
}

}  // namespace tavrik::vcl
