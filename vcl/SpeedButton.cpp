#include "vcl/SpeedButton.h"

namespace tavrik::vcl {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner, ControlKind::SpeedButton) {
    glyph_.SetOnChange([this] { Changed(kChangePicture); });
}

}  // namespace tavrik::vcl
