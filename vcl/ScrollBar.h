// A scroll bar with a position in Min..MaxPosition().
//
// MaxPosition() is Max - PageSize + 1 when PageSize > 0, otherwise Max.
// A user action (events::Scroll) works out the new position: line up/down
// move by SmallChange, page up/down by LargeChange, top/bottom go to the
// ends, thumb actions take the thumb position; the result is clamped. Then
// OnScroll(code, position) fires with it, BEFORE the bar moves; the
// handler may change the position variable (and may set Position itself).
// Finally the bar takes the variable's value (clamped) and, when that
// differs from the position it has at that moment, fires OnChange.
// Setting Position by code also fires OnChange when it changes.
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner) : TWinControl(owner, ControlKind::ScrollBar) {}
    const char* ClassName() const override { return "TScrollBar"; }

    TScrollBarKind BarKind() const { return kind_; }
    void SetBarKind(TScrollBarKind v) { SetProperty(kind_, v, kChangeAppearance); }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int PageSize() const { return pageSize_; }
    int Position() const { return position_; }
    // Raise EInvalidOperation when Max < Min or PageSize > Max - Min + 1
    // would result; otherwise the position is clamped into the new range.
    void SetMin(int v) { SetParams(position_, v, max_); }
    void SetMax(int v) { SetParams(position_, min_, v); }
    void SetPageSize(int v);
    void SetPosition(int v) { SetParams(v, min_, max_); }
    void SetParams(int position, int min, int max);
    int MaxPosition() const;

    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { SetProperty(smallChange_, v, kChangeRange); }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { SetProperty(largeChange_, v, kChangeRange); }

    // The action rule above (hosts call it through events::Scroll).
    void Scroll(ScrollCode code, int thumbPosition);

    TScrollEvent OnScroll;
    TNotifyEvent OnChange;

private:
    int Clamp(int v) const;

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int pageSize_ = 0;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace tavrik::vcl
