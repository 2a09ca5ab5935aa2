#include "vcl/SpeedButton.h"

#include <algorithm>

namespace tavrik::vcl {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner, ControlKind::SpeedButton) {
    glyph_.SetOnChange([this] { Changed(kChangePicture); });
}

void TSpeedButton::SetNumGlyphs(int v) {
    SetProperty(numGlyphs_, std::clamp(v, 1, 4), kChangePicture);
}

}  // namespace tavrik::vcl
