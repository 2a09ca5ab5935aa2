// A single-selection list of strings.
#pragma once

#include "vcl/Control.h"
#include "vcl/Strings.h"

namespace tavrik::vcl {

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    const char* ClassName() const override { return "TListBox"; }

    TStrings& Items() { return items_; }
    const TStrings& Items() const { return items_; }
    // -1 when nothing is selected; an index outside the items selects
    // nothing.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // Raise EStringListError outside 0..Count-1. Selecting an item
    // deselects the others; deselecting the selected one leaves none.
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v) { SetProperty(itemHeight_, v, kChangeAppearance); }

private:
    TStrings items_;
    int itemIndex_ = -1;
    int itemHeight_ = 13;
};

}  // namespace tavrik::vcl
