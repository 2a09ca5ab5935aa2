#include "vcl/ProgressBar.h"

#include <algorithm>
#include <limits>

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

void TProgressBar::StepIt() {
    const int low = std::min(min_, max_);
    const int high = std::max(min_, max_);
    long long next = static_cast<long long>(position_) + step_;
    if (next > high) next = low;
    if (next < low) next = high;
    SetPosition(static_cast<int>(next));
}

void TProgressBar::StepBy(int delta) {
    SetPosition(static_cast<int>(std::clamp<long long>(static_cast<long long>(position_) + delta,
                                                       std::numeric_limits<int>::min(),
                                                       std::numeric_limits<int>::max())));
}

}  // namespace tavrik::vcl
