// An up-down control (a pair of arrows) with a position in Min..Max.
//
// An arrow pressed (events::UpDownClick): OnChanging(allow) first; when
// allowed, the position moves by Increment (up = next = counts up), at a
// limit staying there or, with Wrap, going round to the other limit; then
// OnClick(button) fires, also when the position could not move.
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

enum class TUDOrientation { udVertical, udHorizontal };

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
    int Increment() const { return increment_; }
    void SetIncrement(int v) { SetProperty(increment_, v, kChangeRange); }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v) { SetProperty(wrap_, v, kChangeRange); }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation v) { SetProperty(orientation_, v, kChangeAppearance); }

    // The arrow rule above (hosts call it through events::UpDownClick).
    void ArrowPressed(UpDownButton button);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

private:
    int Clamped(int v) const;

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    bool wrap_ = false;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
};

}  // namespace tavrik::vcl
