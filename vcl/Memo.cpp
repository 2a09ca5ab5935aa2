#include "vcl/Memo.h"

namespace tavrik::vcl {

TMemo::TMemo(TComponent* owner) : TWinControl(owner, ControlKind::Memo) {
    SetColor(clWindow);
    lines_.SetOnChange([this] { Changed(kChangeItems); });
}

}  // namespace tavrik::vcl
