#include "vcl/Image.h"

namespace tavrik::vcl {

TImage::TImage(TComponent* owner) : TGraphicControl(owner, ControlKind::Image) {
    picture_.SetOnChange([this] { Changed(kChangePicture); });
}

}  // namespace tavrik::vcl
