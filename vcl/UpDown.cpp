#include "vcl/UpDown.h"

#include <algorithm>

namespace tavrik::vcl {

int TUpDown::Clamped(int v) const {
    const int low = std::min(min_, max_);
    const int high = std::max(min_, max_);
    return std::clamp(v, low, high);
}

void TUpDown::SetMin(int v) {
    SetProperty(min_, v, kChangeRange);
    SetPosition(position_);
}

void TUpDown::SetMax(int v) {
    SetProperty(max_, v, kChangeRange);
    SetPosition(position_);
}

void TUpDown::SetPosition(int v) { SetProperty(position_, Clamped(v), kChangePosition); }

void TUpDown::ArrowPressed(UpDownButton button) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    const int low = std::min(min_, max_);
    const int high = std::max(min_, max_);
    const long long step = button == UpDownButton::Next ? 1 : -1;
    long long next = static_cast<long long>(position_) + step;
    if (next > high) next = wrap_ ? low : high;
    if (next < low) next = wrap_ ? high : low;
    SetPosition(static_cast<int>(next));
    if (OnClick) OnClick(this, button);
}

}  // namespace tavrik::vcl
