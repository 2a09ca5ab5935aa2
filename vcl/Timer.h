// A timer: fires OnTimer every Interval milliseconds while enabled. The
// host runs it; it runs only while it is enabled, has a non-zero interval
// and an OnTimer handler.
#pragma once

#include "vcl/Component.h"

namespace tavrik::vcl {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner) : TComponent(owner) {}
    ~TTimer() override;
    const char* ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    // Whether the host is running the timer now.
    bool Running() const { return running_; }

    void SetOnTimer(TNotifyEvent handler);
    const TNotifyEvent& OnTimer() const { return onTimer_; }

    // What the host calls on every tick (through events::TimerTick).
    void Tick();

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    bool running_ = false;
};

}  // namespace tavrik::vcl
