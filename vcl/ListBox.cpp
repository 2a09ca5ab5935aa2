#include "vcl/ListBox.h"

#include "vcl/Exceptions.h"

namespace tavrik::vcl {

TListBox::TListBox(TComponent* owner) : TWinControl(owner, ControlKind::ListBox) {
    SetColor(clWindow);
    items_.SetOnChange([this] {
        Changed(kChangeItems);
        if (itemIndex_ >= items_.Count()) SetItemIndex(-1);
    });
}

void TListBox::SetItemIndex(int index) {
    if (index < 0 || index >= items_.Count()) index = -1;
    SetProperty(itemIndex_, index, kChangeSelection);
}

bool TListBox::Selected(int index) const {
    if (index < 0 || index >= items_.Count()) {
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return index == itemIndex_;
}

void TListBox::SetSelected(int index, bool selected) {
    if (index < 0 || index >= items_.Count()) {
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    if (selected) {
        SetItemIndex(index);
    } else if (index == itemIndex_) {
        SetItemIndex(-1);
    }
}

}  // namespace tavrik::vcl
