#include "vcl/ProgressBar.h"

#include <algorithm>

namespace tavrik::vcl {

void TProgressBar::SetMin(int v) {
    SetProperty(min_, v, kChangeRange);
    SetPosition(position_);
}

void TProgressBar::SetMax(int v) {
    SetProperty(max_, v, kChangeRange);
    SetPosition(position_);
}

void TProgressBar::SetPosition(int v) {
    const int low = std::min(min_, max_);
    const int high = std::max(min_, max_);
    SetProperty(position_, std::clamp(v, low, high), kChangePosition);
}

}  // namespace tavrik::vcl
