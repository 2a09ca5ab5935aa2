#include "vcl/Timer.h"

#include "vcl/Host.h"

namespace tavrik::vcl {

TTimer::~TTimer() {
    if (running_ && HasHost()) CurrentHost().StopTimer(*this);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

// Restarting on every change also restarts the count of a running timer,
// as setting Interval or Enabled again does on Windows.
void TTimer::UpdateTimer() {
    if (!HasHost()) return;
    if (running_) {
        CurrentHost().StopTimer(*this);
        running_ = false;
    }
    if (enabled_ && interval_ != 0 && onTimer_) {
        CurrentHost().StartTimer(*this, interval_);
        running_ = true;
    }
}

// The handler runs from a copy: it may replace or clear itself.
void TTimer::Tick() {
    if (!running_ || !enabled_ || !onTimer_) return;
    const TNotifyEvent handler = onTimer_;
    handler(this);
}

}  // namespace tavrik::vcl
