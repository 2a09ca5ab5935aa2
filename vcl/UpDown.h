// An up-down control (a pair of arrows) with a position in Min..Max.
//
// An arrow pressed (events::UpDownClick): OnChanging(allow) first; when
// allowed, the position moves by one (up = next = counts up), at a
// limit staying there or, with Wrap, going round to the other limit; then
// OnClick(button) fires, also when the position could not move.
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner) : TWinControl(owner, ControlKind::UpDown) {}
    const char* ClassName() const override { return "TUpDown"; }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // Kept within Min..Max.
    int Position() const { return position_; }
    void SetPosition(int v);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v) { SetProperty(wrap_, v, kChangeRange); }

    // The arrow rule above (hosts call it through events::UpDownClick).
    void ArrowPressed(UpDownButton button);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

private:
    int Clamped(int v) const;

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    bool wrap_ = false;
};

}  // namespace tavrik::vcl
