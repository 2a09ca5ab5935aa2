// A progress bar with a position kept in Min..Max. Step is the amount the
// page adds to the position at each stage of its work.
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner) : TWinControl(owner, ControlKind::ProgressBar) {}
    const char* ClassName() const override { return "TProgressBar"; }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    int Step() const { return step_; }
    void SetStep(int v) { SetProperty(step_, v, kChangeRange); }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v) { SetProperty(smooth_, v, kChangeAppearance); }

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
};

}  // namespace tavrik::vcl
